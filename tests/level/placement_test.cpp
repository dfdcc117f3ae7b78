// Placing monsters, switches and targets by mouse, the placeholders, the table resets and their undo steps,
// on a recording drawing and on the level picture.
#include "common/errors.h"
#include "level/levelcolorlines.h"
#include "level/leveldocument.h"
#include "level/leveleditsession.h"
#include "level/levelplacement.h"
#include "level/stepredraw.h"
#include "pattern/colorregisterset.h"
#include "pattern/patternstore.h"
#include "support/recordingdrawing.h"

#include <cstring>
#include <gtest/gtest.h>
#include <QUndoStack>

namespace {

const QString kMausX = QStringLiteral("Maus X");
const QString kMausY = QStringLiteral("Maus Y");

class PlacementTest : public ::testing::Test {
protected:
    PlacementTest() { doc.InitEmptyLevel(1); }

    QStringList monster(int n) const
    {
        QStringList cells;
        for (int row = 1; row <= 3; ++row)
            cells << doc.monsterCell(row, n);
        return cells;
    }
    QStringList switchCells(int n) const
    {
        QStringList cells;
        for (int row = 1; row <= 5; ++row)
            cells << doc.switchCell(row, n);
        return cells;
    }
    // A switch standing at (x, y) as an earlier placement left it.
    void standSwitch(int n, int x, int y)
    {
        doc.setTableCell(LevelTable::Switches, 1, n, QString::number(x));
        doc.setTableCell(LevelTable::Switches, 2, n, QString::number(y));
        doc.writeCell(x, y, 28);
    }

    LevelDocument doc;
    RecordingDrawing drawing;
    StepRedraw redraw{doc, drawing}; // as the level editor's session draws the steps
    LevelPlacement placement{doc, drawing};
};

} // namespace

TEST_F(PlacementTest, MonsterFiveAtFortyThree)
{
    doc.setTableCell(LevelTable::Monsters, 1, 5, QStringLiteral("5"));
    doc.setTableCell(LevelTable::Monsters, 2, 5, QStringLiteral("7"));
    doc.setTableCell(LevelTable::Monsters, 3, 5, QStringLiteral("2"));

    placement.SetMonster(5);
    EXPECT_EQ(monster(5), QStringList({"0", "0", "0"}));
    EXPECT_EQ(drawing.calls, QStringList({"drawlevel"})); // gone from the overlay
    EXPECT_EQ(placement.PlacementMode(), QStringLiteral("monster"));
    EXPECT_EQ(placement.PlacementSlot(), 5);

    // Other pages leave it pending; its own page completes it.
    EXPECT_FALSE(placement.levelMouseDown(LevelPage::Schalter, 40, 3, 3));
    EXPECT_FALSE(placement.levelMouseDown(LevelPage::Spielelemente, 40, 3, 3));
    EXPECT_EQ(monster(5), QStringList({"0", "0", "0"}));
    EXPECT_TRUE(placement.levelMouseDown(LevelPage::Gegner, 40, 3, 3));
    EXPECT_EQ(monster(5), QStringList({"5", "40", "3"}));
    EXPECT_EQ(drawing.calls, QStringList({"drawlevel", "monsters"}));
    EXPECT_EQ(placement.PlacementMode(), QString());
    EXPECT_FALSE(placement.levelMouseDown(LevelPage::Gegner, 41, 3, 3)); // nothing pending any more
    EXPECT_EQ(doc.cellPattern(40, 3), 1);                                 // the cell is not looked at

    // Press and click are one step; undo gives back the old place and redraws with the overlays.
    ASSERT_EQ(doc.undoStack().count(), 1);
    drawing.calls.clear();
    doc.undoStack().undo();
    EXPECT_EQ(monster(5), QStringList({"5", "7", "2"}));
    EXPECT_EQ(drawing.calls, QStringList({"drawlevel"}));
    doc.undoStack().redo();
    EXPECT_EQ(monster(5), QStringList({"5", "40", "3"}));
}

TEST_F(PlacementTest, PressWithoutClickLeavesTheMonsterInactive)
{
    placement.SetMonster(1);
    EXPECT_EQ(monster(1), QStringList({"0", "0", "0"}));
    EXPECT_EQ(doc.undoStack().count(), 0); // nothing changed
    // A later button replaces the pending placement.
    placement.SetMonster(2);
    EXPECT_EQ(placement.PlacementSlot(), 2);
    placement.levelMouseDown(LevelPage::Gegner, 9, 9, 3);
    EXPECT_EQ(monster(1), QStringList({"0", "0", "0"}));
    EXPECT_EQ(monster(2), QStringList({"2", "9", "9"}));
}

TEST_F(PlacementTest, SwitchMovedLeavesFloorAndShowsPatternTwentyEight)
{
    standSwitch(4, 12, 4);
    placement.SetSchalter(4);
    EXPECT_EQ(doc.cellPattern(12, 4), 1);
    EXPECT_EQ(doc.rightCode(12, 4), QStringLiteral("3"));
    EXPECT_EQ(switchCells(4).mid(0, 2), QStringList({kMausX, kMausY}));
    EXPECT_EQ(drawing.calls, QStringList({"drawlevel"}));
    EXPECT_EQ(placement.PlacementMode(), QStringLiteral("schalter"));

    EXPECT_FALSE(placement.levelMouseDown(LevelPage::Gegner, 20, 6, 3));
    EXPECT_TRUE(placement.levelMouseDown(LevelPage::Schalter, 20, 6, 3));
    EXPECT_EQ(switchCells(4).mid(0, 2), QStringList({"20", "6"}));
    EXPECT_EQ(doc.leftCode(20, 6), QStringLiteral("56"));
    EXPECT_EQ(doc.rightCode(20, 6), QStringLiteral("57"));
    EXPECT_EQ(drawing.calls, QStringList({"drawlevel", "drawlevel"})); // the new switch cell with every other
    EXPECT_EQ(placement.PlacementMode(), QString());

    ASSERT_EQ(doc.undoStack().count(), 1);
    doc.undoStack().undo();
    EXPECT_EQ(doc.cellPattern(12, 4), 28);
    EXPECT_EQ(doc.cellPattern(20, 6), 1);
    EXPECT_EQ(switchCells(4).mid(0, 2), QStringList({"12", "4"}));
}

TEST_F(PlacementTest, SwitchInRowZeroOrColumnZeroIsNotCleared)
{
    standSwitch(1, 12, 0);
    placement.SetSchalter(1);
    EXPECT_EQ(doc.cellPattern(12, 0), 28);
    EXPECT_TRUE(drawing.calls.isEmpty()); // no redraw either

    standSwitch(2, 0, 5);
    placement.SetSchalter(2);
    EXPECT_EQ(doc.cellPattern(0, 5), 28);
    EXPECT_EQ(switchCells(2).mid(0, 2), QStringList({kMausX, kMausY}));
}

TEST_F(PlacementTest, PlaceholderStopsTheNextWoWithTheConversionError)
{
    placement.SetSchalter(2);
    placement.SetZiel(4);
    try {
        placement.SetSchalter(2);
        FAIL() << "no conversion error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'Maus Y' ist kein gültiger Integerwert"));
    }
    EXPECT_EQ(switchCells(2).mid(0, 2), QStringList({kMausX, kMausY}));
    EXPECT_EQ(placement.PlacementMode(), QStringLiteral("ziel"));
    EXPECT_EQ(placement.PlacementSlot(), 4);

    // Typed text that is not a number stops it alike.
    doc.setTableCell(LevelTable::Switches, 1, 3, QStringLiteral("x"));
    doc.setTableCell(LevelTable::Switches, 2, 3, QStringLiteral("4"));
    EXPECT_THROW(placement.SetSchalter(3), ConversionError);
    EXPECT_EQ(doc.switchCell(1, 3), QStringLiteral("x"));
}

TEST_F(PlacementTest, TargetOfSwitchThreeThroughTheChooser)
{
    standSwitch(3, 30, 2);
    EXPECT_EQ(placement.chooserMouseUp(12), std::nullopt); // nothing pending: nothing happens
    EXPECT_EQ(placement.SetZiel(3), LevelPage::Spielelemente);
    EXPECT_EQ(placement.PlacementMode(), QStringLiteral("ziel"));
    EXPECT_EQ(doc.undoStack().count(), 0);

    EXPECT_EQ(placement.chooserMouseUp(12), LevelPage::Schalter);
    EXPECT_EQ(switchCells(3), QStringList({"30", "2", kMausX, kMausY, "12"}));
    EXPECT_EQ(placement.PlacementMode(), QStringLiteral("ziel")); // still pending

    // A click on the level writes the left button's pattern of that moment.
    EXPECT_FALSE(placement.levelMouseDown(LevelPage::Gegner, 100, 7, 40));
    EXPECT_TRUE(placement.levelMouseDown(LevelPage::Schalter, 100, 7, 12));
    EXPECT_EQ(switchCells(3), QStringList({"30", "2", "100", "7", "12"}));
    EXPECT_EQ(doc.cellPattern(100, 7), 1); // the target cell itself is not changed
    EXPECT_EQ(drawing.calls, QStringList({"drawlevel"}));
    EXPECT_EQ(placement.PlacementMode(), QString());

    ASSERT_EQ(doc.undoStack().count(), 1);
    doc.undoStack().undo();
    EXPECT_EQ(switchCells(3), QStringList({"30", "2", "0", "0", "0"}));
}

TEST_F(PlacementTest, AStepBetweenPressAndClickKeepsThemApart)
{
    doc.setTableCell(LevelTable::Monsters, 2, 6, QStringLiteral("50"));
    placement.SetMonster(6);
    doc.editTableCell(LevelTable::Monsters, 4, 6, QStringLiteral("3"));
    placement.levelMouseDown(LevelPage::Gegner, 60, 1, 3);
    ASSERT_EQ(doc.undoStack().count(), 3);
    doc.undoStack().undo();
    EXPECT_EQ(monster(6), QStringList({"0", "0", "0"}));
    doc.undoStack().undo();
    doc.undoStack().undo();
    EXPECT_EQ(monster(6), QStringList({"0", "50", "0"}));
    EXPECT_EQ(doc.monsterCell(4, 6), QStringLiteral("1"));
}

TEST_F(PlacementTest, AFailedRedrawKeepsWhatChangedAsAStep)
{
    doc.setTableCell(LevelTable::Monsters, 1, 7, QStringLiteral("7"));
    drawing.failDrawlevel = true;
    drawing.failDrawlevelWith = QStringLiteral("q");
    EXPECT_THROW(placement.SetMonster(7), ConversionError);
    EXPECT_EQ(doc.monsterCell(1, 7), QStringLiteral("0"));
    EXPECT_EQ(placement.PlacementMode(), QString()); // the placement was not armed
    ASSERT_EQ(doc.undoStack().count(), 1);
    doc.undoStack().undo(); // the redraw of an undo swallows the error
    EXPECT_EQ(doc.monsterCell(1, 7), QStringLiteral("7"));
}

TEST_F(PlacementTest, TableResetsAreStepsAndDoNotRedraw)
{
    doc.setTableCell(LevelTable::Monsters, 7, 3, QStringLiteral("R"));
    doc.setTableCell(LevelTable::Switches, 5, 8, QStringLiteral("12"));
    placement.resetTable(LevelTable::Monsters);
    EXPECT_EQ(doc.monsterCell(7, 3), QStringLiteral("L"));
    EXPECT_EQ(doc.switchCell(5, 8), QStringLiteral("12"));
    placement.resetTable(LevelTable::Switches);
    EXPECT_EQ(doc.switchCell(5, 8), QStringLiteral("0"));
    placement.resetTable(LevelTable::Switches); // nothing to reset: no step
    EXPECT_EQ(doc.undoStack().count(), 2);
    EXPECT_TRUE(drawing.calls.isEmpty());
    doc.undoStack().undo();
    doc.undoStack().undo();
    EXPECT_EQ(doc.monsterCell(7, 3), QStringLiteral("R"));
    EXPECT_EQ(doc.switchCell(5, 8), QStringLiteral("12"));

    placement.Aktualisiere();
    EXPECT_EQ(drawing.calls, QStringList({"drawlevel"}));
}

// --- with the level picture ---------------------------------------------------------------------------

namespace {

// The level editor after its first opening, both overlays ticked; pattern 28 looks unlike the floor.
class PlacementPictureTest : public ::testing::Test {
protected:
    PlacementPictureTest()
    {
        store.setEntry(1, 56, 3, QStringLiteral("170"));
        session.open(store, registers);
        session.showMonsters = true;
        session.showSwitches = true;
        session.drawlevel();
    }
    QRgb at(int x, int y) const { return picture.level().pixel(x, y); }

    PatternStore store;
    ColorRegisterSet registers;
    LevelDocument doc;
    LevelPicture picture{doc, registers};
    LevelEditSession session{doc, picture};
    SessionDrawing drawing{session};
    LevelPlacement placement{doc, drawing};
};

} // namespace

TEST_F(PlacementPictureTest, UndoOfAMonsterGivesBackTableAndPicture)
{
    const QImage before = picture.level();
    placement.SetMonster(5);
    placement.levelMouseDown(LevelPage::Gegner, 40, 3, 3);
    // The label box in monster 5's colour at the cell's top left, the path running left along row 3.
    EXPECT_EQ(at(32 * 40 + 4, 32 * 3 + 2), qRgb(255 - 14 * 5, 0, 0));
    EXPECT_NE(picture.level(), before);

    doc.undoStack().undo();
    EXPECT_EQ(doc.monsterCell(1, 5), QStringLiteral("0"));
    EXPECT_EQ(doc.monsterCell(2, 5), QStringLiteral("0"));
    EXPECT_EQ(picture.level(), before);

    doc.undoStack().redo();
    EXPECT_EQ(doc.monsterCell(2, 5), QStringLiteral("40"));
    EXPECT_EQ(at(32 * 40 + 4, 32 * 3 + 2), qRgb(255 - 14 * 5, 0, 0));
}

TEST_F(PlacementPictureTest, UndoOfAMovedSwitchGivesBackCellsAndOverlay)
{
    placement.SetSchalter(2);
    placement.levelMouseDown(LevelPage::Schalter, 12, 4, 3);
    const QImage standing = picture.level();
    EXPECT_EQ(at(32 * 12 + 3, 32 * 4 + 15), qRgb(0, 255 - 14 * 2, 0)); // the label " 2 "

    placement.SetSchalter(2);
    // Between press and click the switch cells hold placeholders: the overlay cannot be drawn.
    EXPECT_THROW(placement.Aktualisiere(), ConversionError);
    placement.levelMouseDown(LevelPage::Schalter, 20, 6, 3);
    EXPECT_EQ(doc.cellPattern(12, 4), 1);
    EXPECT_EQ(doc.cellPattern(20, 6), 28);
    EXPECT_EQ(at(32 * 20 + 3, 32 * 6 + 15), qRgb(0, 255 - 14 * 2, 0));

    doc.undoStack().undo();
    EXPECT_EQ(doc.cellPattern(12, 4), 28);
    EXPECT_EQ(doc.cellPattern(20, 6), 1);
    EXPECT_EQ(picture.level(), standing);
}

TEST_F(PlacementPictureTest, ColourHandBackRedrawsOnlyItsRow)
{
    LevelColorLines lines{doc, drawing};
    // A cell of pixel value 2 (column C) in rows 5, 6 and 7.
    for (int y : {5, 6, 7})
        doc.writeCell(60, y, 28);
    picture.drawlevel(false, false);
    const QImage before = picture.level();
    PaletteAnswer a;
    a.target = QStringLiteral("C7");
    a.code = QStringLiteral("1E");
    a.color = PackRgb(250, 0, 250);
    lines.accept(a);
    const QImage after = picture.level();
    int changed = 0;
    for (int y = 0; y < LevelPicture::kHeight; ++y) {
        const bool same = std::memcmp(before.constScanLine(y), after.constScanLine(y), before.bytesPerLine()) == 0;
        if (y / 32 != 6) {
            ASSERT_TRUE(same) << "picture line " << y;
        }
        changed += same ? 0 : 1;
    }
    EXPECT_EQ(changed, 2); // the two picture lines of pattern row 3
    EXPECT_EQ(after.pixel(32 * 60, 32 * 6 + 6), qRgb(250, 0, 250));
    doc.undoStack().undo(); // the row follows the restored colour
    EXPECT_EQ(picture.level(), before);
}
