// The level's mouse and keys through the tool box: which tool a press reaches on which page, and what it does.
#include "level/leveleditsession.h"
#include "level/leveltools.h"
#include "level/levelplacement.h"
#include "support/levelsessionfixture.h"

#include <QUndoStack>
#include <functional>
#include <gtest/gtest.h>

namespace {

using S = LevelEditSession;

struct ToolsFixture : LevelSessionFixture {
    SessionDrawing drawing{session};
    LevelPlacement placement{doc, drawing};
    LevelPage page = LevelPage::Spielelemente;
    QString copied;
    LevelToolBox tools{{session, placement, [this] { return page; }, [this] { return copied; }}};

    void drag(QPoint from, QPoint to, unsigned buttons, bool control = false)
    {
        tools.press({cell(from.x(), from.y()), buttons, false}, control);
        for (int x = from.x(); x <= to.x(); ++x)
            tools.move({cell(x, to.y()), buttons, false});
        tools.release();
    }
};

TEST(LevelTools, ThePenPaintsADragAsOneStepAndMovesTheCursor)
{
    ToolsFixture f;
    const int before = f.doc.undoStack().count();
    f.session.setCarried(S::Left, 7);
    f.drag({10, 3}, {13, 3}, S::LeftBit);
    EXPECT_EQ(f.cells(10, 3, 4, 1), (PatternGrid{{7, 7, 7, 7}}));
    EXPECT_EQ(f.doc.undoStack().count(), before + 1);
    EXPECT_EQ(f.session.cursor().cell(), QPoint(10, 3));
    EXPECT_FALSE(f.tools.dragging());
}

TEST(LevelTools, AControlDragSelectsAndPaintsNothing)
{
    ToolsFixture f;
    const PatternGrid old = f.cells(4, 2, 3, 1);
    f.drag({4, 2}, {6, 2}, S::LeftBit, true);
    EXPECT_EQ(f.cells(4, 2, 3, 1), old);
    EXPECT_EQ(f.session.cursor().selection(), QRect(QPoint(4, 2), QPoint(6, 2)));
    EXPECT_TRUE(f.session.bannerText().startsWith(QStringLiteral("Klicke unten")));
}

TEST(LevelTools, OnTheMonsterPageAPressPlacesAndPaintsNothing)
{
    ToolsFixture f;
    f.page = LevelPage::Gegner;
    const PatternGrid old = f.cells(20, 4, 1, 1);
    f.placement.SetMonster(2);
    f.drag({20, 4}, {20, 4}, S::LeftBit);
    EXPECT_EQ(f.cells(20, 4, 1, 1), old);
    EXPECT_EQ(QStringList({f.doc.monsterCell(1, 2), f.doc.monsterCell(2, 2), f.doc.monsterCell(3, 2)}),
              QStringList({"2", "20", "4"}));
    EXPECT_EQ(f.placement.PlacementMode(), QString());
    // Hovering tells the cell without the painting page's words.
    f.tools.move({ToolsFixture::cell(3, 1), 0, false});
    EXPECT_EQ(f.session.bannerText(), QStringLiteral("Spalte (X) = 3  /  Zeile (Y) = 1"));
}

TEST(LevelTools, KeysReachTheActiveTool)
{
    ToolsFixture f;
    f.session.setCarried(S::Left, 9);
    f.session.cursor().moveTo({30, 5});
    EXPECT_TRUE(f.tools.active().key(LevelKey::Paint));
    EXPECT_EQ(f.doc.cellPattern(30, 5), 9);
    f.page = LevelPage::Schalter;
    EXPECT_FALSE(f.tools.active().key(LevelKey::Fill));
    EXPECT_EQ(&f.tools.active(), static_cast<LevelTool*>(&f.tools.placement()));
}

// Each painting tool's stroke through the box: the cells it writes, one named step, undone exactly.
TEST(LevelTools, EachPaintingToolIsOneStepUndoneExactly)
{
    struct Case {
        PaintToolId tool;
        const char* step;
        std::function<void(ToolsFixture&)> stroke;
        QRect changed; // the cells the stroke writes
        PatternGrid written;
    };
    const std::vector<Case> cases = {
        {PaintToolId::Rectangle, "Rechteck", [](ToolsFixture& f) { f.drag({10, 2}, {13, 4}, S::RightBit); },
         QRect(10, 2, 4, 3), PatternGrid(3, std::vector<int>(4, 5))},
        // Dragged up and to the left, and beyond the level's last row: the rectangle stays in the level.
        {PaintToolId::Rectangle, "Rechteck",
         [](ToolsFixture& f) {
             f.tools.press({ToolsFixture::cell(6, 8), S::LeftBit, false}, false);
             f.tools.move({ToolsFixture::cell(4, 12), S::LeftBit, false});
             f.tools.release();
         },
         QRect(4, 8, 3, 2), PatternGrid(2, std::vector<int>(3, 7))},
        // The region of pattern 9 made first (see below) filled with the middle button's pattern.
        {PaintToolId::Area, "Fläche", [](ToolsFixture& f) { f.drag({6, 2}, {6, 2}, S::MiddleBit); },
         QRect(5, 1, 4, 3), PatternGrid(3, std::vector<int>(4, 11))},
        // A drag of three cells to the right lays the 2 x 2 stamp twice, side by side.
        {PaintToolId::Stamp, "Stempel", [](ToolsFixture& f) { f.drag({20, 3}, {23, 3}, S::LeftBit); },
         QRect(20, 3, 4, 2), PatternGrid{{21, 22, 21, 22}, {23, 24, 23, 24}}},
        // At the level's last column the stamp is cut off.
        {PaintToolId::Stamp, "Stempel", [](ToolsFixture& f) { f.drag({127, 0}, {127, 0}, S::LeftBit); },
         QRect(127, 0, 1, 2), PatternGrid{{21}, {23}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        ToolsFixture f;
        f.session.setCarried(S::Left, 7);
        f.session.setCarried(S::Middle, 11);
        f.session.setCarried(S::Right, 5);
        f.copied = QStringLiteral("21\t22\n23\t24\n");
        f.session.fillRectangle(QRect(5, 1, 4, 3), 9);
        const PatternGrid before = f.cells(0, 0, 128, 10);
        const int steps = f.doc.undoStack().count();
        f.tools.choosePaintTool(c.tool);
        c.stroke(f);
        PatternGrid expected = before;
        for (int y = 0; y < c.changed.height(); ++y)
            for (int x = 0; x < c.changed.width(); ++x)
                expected[size_t(c.changed.y() + y)][size_t(c.changed.x() + x)] = c.written[size_t(y)][size_t(x)];
        EXPECT_EQ(f.cells(0, 0, 128, 10), expected);
        ASSERT_EQ(f.doc.undoStack().count(), steps + 1);
        EXPECT_EQ(f.doc.undoStack().undoText(), QString::fromUtf8(c.step));
        f.doc.undoStack().undo();
        EXPECT_EQ(f.cells(0, 0, 128, 10), before);
        EXPECT_FALSE(f.tools.dragging());
        EXPECT_EQ(f.tools.active().outline(), std::nullopt);
    }
}

TEST(LevelTools, TheRectangleIsFramedWhileDragged)
{
    ToolsFixture f;
    f.tools.choosePaintTool(PaintToolId::Rectangle);
    f.tools.press({ToolsFixture::cell(9, 5), S::LeftBit, false}, false);
    f.tools.move({ToolsFixture::cell(7, 2), S::LeftBit, false});
    EXPECT_EQ(f.tools.active().outline(), QRect(QPoint(7, 2), QPoint(9, 5)));
    EXPECT_TRUE(f.session.bannerText().startsWith(QStringLiteral("Rechteck: ")));
    f.tools.release();
    EXPECT_EQ(f.tools.active().outline(), std::nullopt);
}

TEST(LevelTools, AStampWithoutCopiedCellsChangesNothingAndSaysWhy)
{
    ToolsFixture f;
    f.tools.choosePaintTool(PaintToolId::Stamp);
    const int steps = f.doc.undoStack().count();
    for (const char* text : {"", "1\t2\n3\n", "200\n"}) {
        f.copied = QString::fromUtf8(text);
        f.logged.clear();
        f.drag({3, 3}, {8, 3}, S::LeftBit);
        EXPECT_EQ(f.doc.undoStack().count(), steps) << text;
        ASSERT_EQ(f.logged.size(), 1) << text;
        EXPECT_TRUE(f.logged.front().startsWith(QStringLiteral("Stempeln nicht möglich: "))) << text;
    }
}

// Space at the cursor is each tool's left click on the cursor's cell.
TEST(LevelTools, SpaceIsTheToolsClickAtTheCursor)
{
    ToolsFixture f;
    f.session.setCarried(S::Left, 6);
    f.copied = QStringLiteral("30\t31\n");
    f.session.fillRectangle(QRect(40, 0, 3, 10), 2);
    f.session.cursor().moveTo({41, 4});
    f.tools.choosePaintTool(PaintToolId::Area);
    EXPECT_TRUE(f.tools.active().key(LevelKey::Paint));
    EXPECT_EQ(f.cells(39, 0, 5, 1), (PatternGrid{{1, 6, 6, 6, 1}}));
    f.session.cursor().moveTo({50, 4});
    f.tools.choosePaintTool(PaintToolId::Stamp);
    EXPECT_TRUE(f.tools.active().key(LevelKey::Paint));
    EXPECT_EQ(f.cells(50, 4, 2, 1), (PatternGrid{{30, 31}}));
    f.session.cursor().moveTo({60, 4});
    f.tools.choosePaintTool(PaintToolId::Rectangle);
    EXPECT_TRUE(f.tools.active().key(LevelKey::Paint));
    EXPECT_EQ(f.cells(59, 4, 3, 1), (PatternGrid{{1, 6, 1}}));
    EXPECT_EQ(f.doc.undoStack().undoText(), QStringLiteral("Rechteck"));
}

} // namespace
