// The level editor's menus and keyboard path: entries press their buttons (building a page not seen yet),
// Ctrl+O and Ctrl+S with the focus anywhere, the swatches one Tab stop, F6 between the level, the chooser
// and the page, and the level keeping its cursor in view as the focus moves.
#include "gui/common/controls.h"
#include "support/mapwindowfixture.h"

#include <QAction>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

class MapMenusTest : public MapWindowFixture {
protected:
    void SetUp() override
    {
        MapWindowFixture::SetUp();
        open();
        map->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(map));
    }
    LevelPictureView* level() { return Control<LevelPictureView>(map, "paintboxLevel"); }
    QScrollBar* levelScroll() { return Control<QScrollArea>(map, "ScrollBox1")->horizontalScrollBar(); }
};

} // namespace

TEST_F(MapMenusTest, EntriesPressTheirButtonsAndTheKeysWorkWithTheFocusAnywhere)
{
    // The page with the file buttons has not been shown: the entry builds it and presses the button.
    QAction* save = Control<QAction>(map, "actionLevelSpeichern");
    save->trigger();
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].title, QStringLiteral("Speichern: Dateiname für die Leveldaten?"));
    const std::pair<const char*, const char*> entries[] = {
        {"actionLevelLaden", "ButtonLoadFile"}, {"actionAtrLaden", "ButtonAtrLoad"}, {"actionLevelCode", "Button1"},
        {"actionLevelBytes", "Button30"},       {"actionPlayLevel", "ButtonPlayMatrix"},
        {"actionStandardfarbe", "ButtonStandardfarbe"}, {"actionFontEditor", "ButtonFont"},
    };
    for (const auto& [action, button] : entries) {
        QSignalSpy clicked(Control<QPushButton>(map, button), &QPushButton::clicked);
        Control<QAction>(map, action)->trigger();
        EXPECT_EQ(clicked.count(), 1) << action;
    }
    // "Zurück zum Font Editor" put the main window in front.
    ShowWindow(map);
    ASSERT_TRUE(QTest::qWaitForWindowActive(map));
    // Real keys, from a text field and from the level.
    dialogs.saveRequests.clear();
    dialogs.openRequests.clear();
    auto* author = Control<QLineEdit>(map, "editautor");
    author->setFocus();
    QTest::keyClick(author, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.saveRequests.size(), 1u);
    level()->setFocus();
    QTest::keyClick(level(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs.openRequests.size(), 1u);
    // Ctrl+Z after painting undoes the painting, whatever had the focus before.
    toPaintingPage();
    author->setFocus();
    clickCell(3, 2);
    const int painted = map->document().cellPattern(3, 2);
    ASSERT_TRUE(map->document().isModified());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(map->document().isModified()) << painted;
}

TEST_F(MapMenusTest, TheSwatchesAreOneTabStopWithTheArrowsInside)
{
    auto* first = Control<QWidget>(map, "PanelA1");
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("PanelB2"));
    // Tab leaves the swatches at once, Shift+Tab comes back to the one last used.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_FALSE(QApplication::focusWidget()->objectName().startsWith(QLatin1String("Panel")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("PanelB2"));
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("PanelB10"));
}

TEST_F(MapMenusTest, F6GoesRoundTheLevelTheChooserAndThePage)
{
    toPaintingPage();
    Control<QWidget>(map, "editautor"); // builds every page
    toPaintingPage();
    level()->setFocus();
    QTest::keyClick(level(), Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>(map, "paintboxpattern"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    EXPECT_TRUE(Control<QTabWidget>(map, "PageControl1")->currentWidget()->isAncestorOf(QApplication::focusWidget()));
    EXPECT_NE(QApplication::focusWidget(), Control<QWidget>(map, "paintboxpattern"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), level());
    QTest::keyClick(level(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_TRUE(Control<QTabWidget>(map, "PageControl1")->currentWidget()->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(MapMenusTest, CtrlTabTurnsThePagesAlsoFromTheLevel)
{
    auto* pages = Control<QTabWidget>(map, "PageControl1");
    toPaintingPage();
    level()->setFocus();
    // Forward and back with the focus on the level, which stays there; round past either end.
    // With Shift the system sends Backtab.
    const Qt::KeyboardModifiers back = Qt::ControlModifier | Qt::ShiftModifier;
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int page;
    } steps[] = {{Qt::Key_Tab, Qt::ControlModifier, 2}, {Qt::Key_Tab, Qt::ControlModifier, 3},
                 {Qt::Key_Tab, Qt::ControlModifier, 0},  {Qt::Key_Backtab, back, 3},
                 {Qt::Key_Tab, back, 2}};
    for (const auto& step : steps) {
        QTest::keyClick(level(), step.key, step.mods);
        EXPECT_EQ(pages->currentIndex(), step.page);
        EXPECT_EQ(QApplication::focusWidget(), level());
    }
    // On a page the keys turn once, as the tab widget alone did.
    Control<QWidget>(map, "MonsterGrid")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 3);
}

TEST_F(MapMenusTest, FocusChangesKeepTheCursorInViewAndPositionButtonsShowTheirCell)
{
    toPaintingPage();
    level()->setFocus();
    // The cursor near the left end, the level scrolled there.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(level(), Qt::Key_Right);
    levelScroll()->setValue(0);
    QTest::keyClick(level(), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(levelScroll()->value(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), level());
    EXPECT_EQ(levelScroll()->value(), 0);

    // The cursor far right; a position button with the focus scrolls the level to it.
    for (int i = 0; i < 120; ++i)
        QTest::keyClick(level(), Qt::Key_Right);
    levelScroll()->setValue(0);
    Control<QTabWidget>(map, "PageControl1")->setCurrentIndex(2);
    Control<QWidget>(map, "SpeedButton1")->setFocus();
    QApplication::processEvents();
    const int cursorX = 123 * LevelPicture::kCell;
    EXPECT_LE(levelScroll()->value(), cursorX);
    EXPECT_GE(levelScroll()->value() + Control<QScrollArea>(map, "ScrollBox1")->viewport()->width(), cursorX + LevelPicture::kCell);
}
