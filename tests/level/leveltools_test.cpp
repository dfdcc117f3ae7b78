// The level's mouse and keys through the tool box: which tool a press reaches on which page, and what it does.
#include "level/leveleditsession.h"
#include "level/leveltools.h"
#include "level/levelplacement.h"
#include "support/levelsessionfixture.h"

#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

using S = LevelEditSession;

struct ToolsFixture : LevelSessionFixture {
    SessionDrawing drawing{session};
    LevelPlacement placement{doc, drawing};
    LevelPage page = LevelPage::Spielelemente;
    LevelToolBox tools{{session, placement, [this] { return page; }}};

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

} // namespace
