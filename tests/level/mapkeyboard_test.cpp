// The level editor by keyboard and clipboard: the cell cursor, selections, copy, cut, delete, paste and
// fill with real key and mouse events, checked in the level file written afterwards.
#include "common/textfile.h"
#include "level/levelfile.h"
#include "level/patterngrid.h"
#include "support/levelsessionfixture.h"
#include "support/mapwindowfixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QUndoStack>

namespace {

class MapKeyboardTest : public MapWindowFixture {
protected:
    void SetUp() override
    {
        MapWindowFixture::SetUp();
        openForPainting();
    }
    LevelPictureView* level() { return Control<LevelPictureView>(map, "paintboxLevel"); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(level(), k, mods);
    }
    // The cursor to (x, y) from the row start of row 0, by keyboard.
    void cursorTo(int x, int y)
    {
        key(Qt::Key_Up, Qt::NoModifier, 10);
        key(Qt::Key_Home);
        key(Qt::Key_Right, Qt::NoModifier, x);
        key(Qt::Key_Down, Qt::NoModifier, y);
    }
    void ctrlDrag(int x0, int y0, int x1, int y1)
    {
        send(level(), QEvent::MouseButtonPress, cell(x0, y0), Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
        send(level(), QEvent::MouseMove, cell((x0 + x1) / 2, y1), Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
        send(level(), QEvent::MouseMove, cell(x1, y1), Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
        send(level(), QEvent::MouseButtonRelease, cell(x1, y1), Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
    }
    QString undoTip() { return Control<QPushButton>(map, "ButtonUndo")->toolTip(); }
    // The level as "Level Datei speichern" writes it, read back.
    LevelDocument& saved()
    {
        const QString path = folder.filePath(QStringLiteral("Tasten.la8"));
        dialogs.fileAnswers = {path};
        click("ButtonSaveFile");
        LoadLevelFile(file, path);
        return file;
    }
    static PatternGrid cells(const LevelDocument& doc, int x, int y, int w, int h)
    {
        return LevelCells(doc, x, y, w, h);
    }
    static QClipboard* clipboard() { return QGuiApplication::clipboard(); }

    LevelDocument file;
};

} // namespace

TEST_F(MapKeyboardTest, TabReachesTheLevelWhoseCursorPaintsAndPicks)
{
    // Tab from the first control reaches the level picture.
    Control<QPushButton>(map, "SpeedButton38")->setFocus();
    for (int i = 0; i < 120 && QApplication::focusWidget() != level(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), level());

    cursorTo(12, 4);
    key(Qt::Key_Space);
    EXPECT_EQ(Control<QLabel>(map, "LabelPattern")->text(),
              QStringLiteral("Klicke unten, um das gewählte Pattern zu setzen in:    Spalte (X) = 12  /  Zeile (Y) = 4"));
    choose(17);
    level()->setFocus();
    key(Qt::Key_Right);
    key(Qt::Key_Space);
    key(Qt::Key_Left);
    key(Qt::Key_P); // picks the 3 painted first, as Shift + left click
    EXPECT_EQ(carried("labelnummer"), QStringLiteral("3"));
    // End goes to the last column and the view follows it.
    choose(44);
    level()->setFocus();
    key(Qt::Key_End);
    auto* scroll = Control<QScrollArea>(map, "ScrollBox1")->horizontalScrollBar();
    EXPECT_EQ(scroll->value(), scroll->maximum());
    key(Qt::Key_Space);
    EXPECT_EQ(log().back(), QStringLiteral("Oxil darf nicht so weit rechts starten."));
    // Ctrl + click puts the cursor without painting; Space then paints there.
    const int steps = map->document().undoStack().count();
    clickCell(40, 6, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(map->document().undoStack().count(), steps);
    key(Qt::Key_Space);
    key(Qt::Key_Home);
    key(Qt::Key_Space); // column 0: refused again
    EXPECT_EQ(scroll->value(), 0);

    const LevelDocument& doc = saved();
    EXPECT_EQ(cells(doc, 11, 4, 4, 1), PatternGrid({{1, 3, 17, 1}}));
    EXPECT_EQ(cells(doc, 39, 6, 3, 1), PatternGrid({{1, 44, 1}}));
    EXPECT_EQ(doc.cellPattern(127, 4), 0);
    EXPECT_EQ(doc.cellPattern(0, 6), 0);
    EXPECT_EQ(log().back(), QStringLiteral("Oxil darf nicht so weit links starten."));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MapKeyboardTest, SelectCopyCutDeleteAndPaste)
{
    choose(7, Qt::RightButton);
    level()->setFocus();
    // A 3 x 2 block to copy: 20 21 22 / 23 24 25 at (30, 2), painted by keyboard.
    for (int i = 0; i < 6; ++i) {
        choose(20 + i);
        level()->setFocus();
        cursorTo(30 + i % 3, 2 + i / 3);
        key(Qt::Key_Space);
    }
    // Shift + arrows select from the cursor; Ctrl+C copies as a spreadsheet's text.
    cursorTo(30, 2);
    key(Qt::Key_Right, Qt::ShiftModifier, 2);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard()->text(), QStringLiteral("20\t21\t22\n23\t24\t25\n"));
    // Escape drops the selection, the cursor stays: Ctrl+C copies its cell alone.
    key(Qt::Key_Escape);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard()->text(), QStringLiteral("25\n"));

    // Ctrl + drag selects; Ctrl+X copies and fills with the right button's pattern.
    ctrlDrag(31, 3, 30, 2);
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard()->text(), QStringLiteral("20\t21\n23\t24\n"));
    EXPECT_EQ(undoTip(), QStringLiteral("Rückgängig (Strg+Z): Ausschneiden"));
    // Ctrl+V at the cursor (the drag's end, 30, 2) on the right edge is cut off there.
    key(Qt::Key_End);
    key(Qt::Key_Left);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(undoTip(), QStringLiteral("Rückgängig (Strg+Z): Einfügen"));
    // Delete fills the cursor's cell with the right button's pattern.
    cursorTo(32, 3);
    key(Qt::Key_Delete);
    EXPECT_EQ(undoTip(), QStringLiteral("Rückgängig (Strg+Z): Löschen"));
    // A grid typed elsewhere, with blanks and CR LF.
    clipboard()->setText(QStringLiteral("9 10\r\n11 12\r\n"));
    cursorTo(60, 8);
    key(Qt::Key_V, Qt::ControlModifier);
    // Text that is no grid changes nothing and the log says why.
    clipboard()->setText(QStringLiteral("Level 3\tfertig"));
    cursorTo(70, 0);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(log().back(), QStringLiteral("Einfügen nicht möglich: Zeile 1, Spalte 1: „Level“ ist keine Pattern-Nummer "
                                           "(ganze Zahl von 0 bis 127)."));
    {
        const LevelDocument& doc = saved();
        EXPECT_EQ(cells(doc, 30, 2, 3, 2), PatternGrid({{7, 7, 22}, {7, 7, 7}}));
        EXPECT_EQ(cells(doc, 126, 2, 2, 2), PatternGrid({{20, 21}, {23, 24}}));
        EXPECT_EQ(cells(doc, 60, 8, 2, 2), PatternGrid({{9, 10}, {11, 12}}));
        EXPECT_EQ(doc.cellPattern(70, 0), 1);
    }

    // Each step undoes alone: the typed paste, Delete, the clipped paste, the cut.
    for (int i = 0; i < 4; ++i)
        click("ButtonUndo");
    EXPECT_EQ(undoTip(), QStringLiteral("Rückgängig (Strg+Z): Malen"));
    const LevelDocument& doc = saved();
    EXPECT_EQ(cells(doc, 30, 2, 3, 2), PatternGrid({{20, 21, 22}, {23, 24, 25}}));
    EXPECT_EQ(cells(doc, 126, 2, 2, 2), PatternGrid({{0, 0}, {0, 0}}));
    EXPECT_EQ(cells(doc, 60, 8, 2, 2), PatternGrid({{1, 1}, {1, 1}}));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MapKeyboardTest, FillTheRegionOfTheCursorsPattern)
{
    // A wall of pattern 3 across rows 0-9 at column 40 splits the floor.
    for (int y = 0; y < 10; ++y)
        clickCell(40, y);
    choose(12);
    level()->setFocus();
    cursorTo(41, 5);
    key(Qt::Key_F);
    EXPECT_EQ(undoTip(), QStringLiteral("Rückgängig (Strg+Z): Füllen"));
    {
        const LevelDocument& doc = saved();
        EXPECT_EQ(cells(doc, 38, 0, 5, 1), PatternGrid({{1, 1, 3, 12, 12}}));
        EXPECT_EQ(cells(doc, 121, 9, 3, 1), PatternGrid({{12, 12, 3}}));
    }
    // The cursor's pattern as a whole is filled, then one undo brings the floor back.
    QTest::keyClick(map, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cells(saved(), 38, 0, 5, 1), PatternGrid({{1, 1, 3, 1, 1}}));
}

namespace {

// Monsters, switches and targets placed by keyboard on their pages.
class MapPlacementKeysTest : public MapKeyboardTest {
protected:
    void toPage(int page) { Control<QTabWidget>(map, "PageControl1")->setCurrentIndex(page); }
    // Focuses a button and presses it with a key, as Tab and Space or Return would.
    void press(const char* button, Qt::Key k)
    {
        auto* b = Control<QPushButton>(map, button);
        b->setFocus(Qt::TabFocusReason);
        QTest::keyClick(b, k);
    }
    static QStringList column(const LevelDocument& doc, LevelTable table, int n, int rows)
    {
        QStringList cells;
        for (int row = 1; row <= rows; ++row)
            cells << doc.tableCell(table, row, n);
        return cells;
    }
    // Whether the level picture frames the cursor's cell (x, y): black on white at its left edge.
    bool framed(int x, int y)
    {
        const QImage shown = level()->grab().toImage();
        return (shown.pixel(32 * x + 1, 32 * y + 16) & 0xFFFFFF) == 0xFFFFFF
            && (shown.pixel(32 * x + 3, 32 * y + 16) & 0xFFFFFF) == 0;
    }
};

} // namespace

TEST_F(MapPlacementKeysTest, PositionButtonsTakeTheCursorCell)
{
    // Monster 5: the cursor moved on the level, then Space on its position button.
    toPage(2);
    level()->setFocus();
    cursorTo(40, 3);
    const int steps = map->document().undoStack().count();
    press("SpeedButton5", Qt::Key_Space);
    EXPECT_EQ(column(map->document(), LevelTable::Monsters, 5, 3), QStringList({"5", "40", "3"}));
    // Press and placement are one step, named as by mouse.
    EXPECT_EQ(map->document().undoStack().count(), steps + 1);
    EXPECT_EQ(undoTip(), QStringLiteral("Rückgängig (Strg+Z): Gegner 5 setzen"));
    // While a position button has the focus the level shows the cursor it places at.
    EXPECT_TRUE(framed(40, 3));
    Control<QPushButton>(map, "Button33")->setFocus();
    EXPECT_FALSE(framed(40, 3));

    // Switch 3 with Return on its "Wo".
    toPage(3);
    level()->setFocus();
    cursorTo(12, 4);
    press("SpeedButton21", Qt::Key_Return);
    EXPECT_EQ(undoTip(), QStringLiteral("Rückgängig (Strg+Z): Schalter 3 setzen"));
    // "Was" hands the keyboard to the chooser; its Space chooses pattern 12, then the level takes
    // the keyboard and Space there places the target at the cursor.
    press("SpeedButton22", Qt::Key_Space);
    EXPECT_EQ(Control<QTabWidget>(map, "PageControl1")->currentIndex(), 1);
    auto* chooser = Control<QWidget>(map, "paintboxpattern");
    ASSERT_EQ(QApplication::focusWidget(), chooser);
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(chooser, Qt::Key_Right);
    QTest::keyClick(chooser, Qt::Key_Space);
    EXPECT_EQ(Control<QTabWidget>(map, "PageControl1")->currentIndex(), 3);
    ASSERT_EQ(QApplication::focusWidget(), level());
    cursorTo(100, 7);
    key(Qt::Key_Space);
    EXPECT_EQ(undoTip(), QStringLiteral("Rückgängig (Strg+Z): Ziel von Schalter 3 setzen"));

    // A mouse click on "Wo" still waits for a click on the level; Space on the level will do.
    click("SpeedButton35");
    EXPECT_EQ(map->document().switchCell(1, 8), QStringLiteral("Maus X"));
    level()->setFocus();
    cursorTo(60, 9);
    key(Qt::Key_Space);
    // Monster 10 the same way on its page.
    toPage(2);
    click("SpeedButton11");
    EXPECT_EQ(map->document().monsterCell(1, 10), QStringLiteral("0"));
    level()->setFocus();
    cursorTo(70, 2);
    key(Qt::Key_Space);

    toPage(0); // where "Level Datei speichern" is
    const LevelDocument& doc = saved();
    EXPECT_EQ(column(doc, LevelTable::Monsters, 5, 3), QStringList({"5", "40", "3"}));
    EXPECT_EQ(column(doc, LevelTable::Monsters, 10, 3), QStringList({"10", "70", "2"}));
    EXPECT_EQ(column(doc, LevelTable::Switches, 3, 5), QStringList({"12", "4", "100", "7", "12"}));
    EXPECT_EQ(column(doc, LevelTable::Switches, 8, 2), QStringList({"60", "9"}));
    EXPECT_EQ(doc.cellPattern(12, 4), 28);
    EXPECT_EQ(doc.cellPattern(60, 9), 28);
    EXPECT_EQ(doc.cellPattern(100, 7), 1);
    EXPECT_TRUE(dialogs.errors.isEmpty());

    // Undo takes back each placement whole: monster 10, switch 8, the target, switch 3.
    for (int i = 0; i < 4; ++i)
        click("ButtonUndo");
    EXPECT_EQ(column(map->document(), LevelTable::Switches, 3, 2), QStringList({"0", "0"}));
    EXPECT_EQ(map->document().cellPattern(12, 4), 1);
    EXPECT_EQ(map->document().switchCell(1, 8), QStringLiteral("0"));
    EXPECT_EQ(undoTip(), QStringLiteral("Rückgängig (Strg+Z): Gegner 5 setzen"));
}
