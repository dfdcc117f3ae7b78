// The level editor at 25 % in a real X server: in a window of its own size on a 1280 pixels wide screen
// the level's whole width shows; the window grows for it and stays on the screen.
#include "gui/common/controls.h"
#include "gui/level/levelwindow.h"
#include "level/levelzoom.h"
#include "support/windowsetfixture.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class LevelZoomOnScreen : public WindowSetFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "run this group in an X server: xvfb-run -a with QT_QPA_PLATFORM=xcb";
        ASSERT_GE(QGuiApplication::primaryScreen()->availableGeometry().width(), 1280);
        LevelViewSettings{LevelZoom::kDefault, false}.save();
    }
    void TearDown() override { LevelViewSettings{LevelZoom::kDefault, false}.save(); }

    // Picture pixels the level view shows across, and the picture's width.
    static std::pair<int, int> shownAcross(QWidget* editor)
    {
        auto* view = editor->findChild<QScrollArea*>(QStringLiteral("ScrollBox1"));
        auto* picture = editor->findChild<QWidget*>(QStringLiteral("paintboxLevel"));
        return {view->viewport()->width(), picture->width()};
    }
};

} // namespace

TEST_F(LevelZoomOnScreen, AtAQuarterAWindowOfItsOwnSizeGrowsToShowAll128Columns)
{
    start();
    LevelWindow* editor = set->levelWindow();
    editor->LevelEditorOpen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));
    const int ownWidth = editor->width();
    auto* smaller = editor->findChild<QAction*>(QStringLiteral("actionVerkleinern"));
    ASSERT_NE(smaller, nullptr);
    smaller->trigger(); // 50 %: the level cannot fit on this screen, the window stays as it is
    QTest::qWait(50);
    EXPECT_EQ(editor->width(), ownWidth);
    smaller->trigger(); // 25 %
    QTest::qWait(50);
    const auto [shown, picture] = shownAcross(editor);
    EXPECT_EQ(picture, 128 * 8);
    EXPECT_GE(shown, picture) << "the view shows " << shown / 8 << " of 128 columns";
    EXPECT_GT(editor->width(), ownWidth);
    EXPECT_TRUE(editor->screen()->availableGeometry().contains(editor->geometry()));

    // A zoom kept from the last run widens the window when it opens again.
    start();
    LevelWindow* again = set->levelWindow();
    again->LevelEditorOpen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(again));
    QTest::qWait(50);
    const auto [shownAgain, pictureAgain] = shownAcross(again);
    EXPECT_EQ(pictureAgain, 128 * 8);
    EXPECT_GE(shownAgain, pictureAgain);
}
