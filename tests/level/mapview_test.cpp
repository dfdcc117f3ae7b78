// The level editor's zoom, grid and painting tools with real mouse and key events: every zoom step
// paints the cell under the mouse, the whole level fits, the settings outlast the window, and each
// tool's stroke lands in the saved level file as one undo step.
#include "common/programsettings.h"
#include "level/levelfile.h"
#include "level/levelzoom.h"
#include "level/patterngrid.h"
#include "support/levelsessionfixture.h"
#include "support/mapwindowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QUndoStack>
#include <QWheelEvent>

namespace {

class MapViewTest : public MapWindowFixture {
public:
    void SetUp() override
    {
        forgetView();
        MapWindowFixture::SetUp();
        openForPainting();
    }
    void TearDown() override
    {
        set.reset();
        forgetView();
    }
    static void forgetView()
    {
        QSettings settings = ProgramSettings();
        settings.remove(QStringLiteral("level/zoom"));
        settings.remove(QStringLiteral("level/gitter"));
    }
    LevelPictureView* level() { return Control<LevelPictureView>(map, "paintboxLevel"); }
    QScrollArea* scroller() { return Control<QScrollArea>(map, "ScrollBox1"); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(level(), k, mods); }
    // A point inside cell (x, y) at the view's zoom, off its corner.
    QPoint at(int x, int y) const
    {
        const double s = Control<LevelPictureView>(map, "paintboxLevel")->scale();
        return {int((32 * x + 9) * s), int((32 * y + 20) * s)};
    }
    void clickAt(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        send(level(), QEvent::MouseButtonPress, at(x, y), button, button);
        send(level(), QEvent::MouseButtonRelease, at(x, y), button, Qt::NoButton);
    }
    void dragAt(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        send(level(), QEvent::MouseButtonPress, at(from.x(), from.y()), button, button);
        for (int i = 1; i <= 4; ++i) {
            const QPoint cell = from + (to - from) * i / 4;
            send(level(), QEvent::MouseMove, at(cell.x(), cell.y()), Qt::NoButton, button);
        }
        send(level(), QEvent::MouseButtonRelease, at(to.x(), to.y()), button, Qt::NoButton);
    }
    void wheel(int eighths)
    {
        const QPointF where(at(3, 3));
        QWheelEvent event(where, level()->mapToGlobal(where), QPoint(), QPoint(0, eighths), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(level(), &event);
    }
    QString undoTip() { return Control<QPushButton>(map, "ButtonUndo")->toolTip(); }
    // The level as "Level Datei speichern" writes it, read back, all 128 x 10 cells.
    PatternGrid saved()
    {
        const QString path = folder.filePath(QStringLiteral("Ansicht.la8"));
        dialogs.fileAnswers = {path};
        click("ButtonSaveFile");
        LevelDocument file;
        LoadLevelFile(file, path);
        toPaintingPage();
        level()->setFocus();
        return LevelCells(file, 0, 0, 128, 10);
    }
};

} // namespace

TEST_F(MapViewTest, EveryZoomStepPaintsTheCellUnderTheMouse)
{
    map->session().setCarried(LevelEditSession::Left, 17);
    PatternGrid expected = saved();
    struct Step {
        std::function<void(MapViewTest&)> zoom;
        double percent;
        QPoint cell;
    };
    const std::vector<Step> steps = {
        {[](MapViewTest& t) { t.key(Qt::Key_Minus, Qt::ControlModifier); }, 50, {5, 1}},
        {[](MapViewTest& t) { t.key(Qt::Key_Minus, Qt::ControlModifier); }, 25, {127, 9}},
        // Below the smallest step the zoom stays.
        {[](MapViewTest& t) { t.key(Qt::Key_Minus, Qt::ControlModifier); }, 25, {64, 4}},
        {[](MapViewTest& t) { t.wheel(240); }, 100, {33, 2}},
        {[](MapViewTest& t) { t.key(Qt::Key_Plus, Qt::ControlModifier); }, 200, {90, 8}},
        {[](MapViewTest& t) { t.key(Qt::Key_Plus, Qt::ControlModifier); }, 200, {1, 0}},
        {[](MapViewTest& t) { t.wheel(-120); }, 100, {70, 6}},
        {[](MapViewTest& t) { t.key(Qt::Key_Minus, Qt::ControlModifier); t.key(Qt::Key_0, Qt::ControlModifier); }, 100, {12, 3}},
    };
    for (const Step& step : steps) {
        step.zoom(*this);
        SCOPED_TRACE(step.percent);
        EXPECT_DOUBLE_EQ(level()->scale(), step.percent / 100);
        EXPECT_EQ(level()->size(), QSize(qRound(4096 * step.percent / 100), qRound(320 * step.percent / 100)));
        clickAt(step.cell.x(), step.cell.y());
        expected[size_t(step.cell.y())][size_t(step.cell.x())] = 17;
        EXPECT_EQ(map->session().cursor().cell(), step.cell);
    }
    // "Ganzer Level": the whole width in the window, and a click there lands too.
    Control<QAction>(map, "actionGanzerLevel")->trigger();
    EXPECT_LE(level()->width(), scroller()->viewport()->width());
    EXPECT_EQ(scroller()->horizontalScrollBar()->maximum(), 0);
    clickAt(100, 5);
    expected[5][100] = 17;
    EXPECT_EQ(saved(), expected);
}

TEST_F(MapViewTest, AtAQuarterAWideWindowShowsAll128Columns)
{
    map->resize(1240, map->height());
    QApplication::processEvents();
    const QPoint levelPlace = scroller()->mapTo(map, QPoint(0, 0));
    key(Qt::Key_Minus, Qt::ControlModifier);
    key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(level()->width(), 1024);
    EXPECT_GE(scroller()->viewport()->width(), 1024);
    EXPECT_EQ(scroller()->horizontalScrollBar()->maximum(), 0);
    // The row numbers name the rows at 100 % only.
    EXPECT_FALSE(Control<QWidget>(map, "ButtonRowLeft0")->isVisibleTo(map));
    // Their place stays: the level and the banner over it do not move.
    QApplication::processEvents();
    EXPECT_EQ(scroller()->mapTo(map, QPoint(0, 0)), levelPlace);
    // A Ctrl drag selects the cells under the mouse at this size too.
    send(level(), QEvent::MouseButtonPress, at(100, 2), Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    send(level(), QEvent::MouseMove, at(110, 5), Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
    send(level(), QEvent::MouseButtonRelease, at(110, 5), Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
    EXPECT_EQ(map->session().cursor().selection(), QRect(QPoint(100, 2), QPoint(110, 5)));
    key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_TRUE(Control<QWidget>(map, "ButtonRowLeft0")->isVisibleTo(map));
}

TEST_F(MapViewTest, TheGridShowsInTwoTonesAndZoomAndGridOutlastTheWindow)
{
    // A level of one pattern: without the grid the cell edges look like the cells' insides.
    const QImage plain = level()->grab().toImage();
    key(Qt::Key_G);
    EXPECT_TRUE(Control<QAction>(map, "actionGitter")->isChecked());
    const QImage grid = level()->grab().toImage();
    // Along the edge between columns 3 and 4 the line has white and black pixels, whatever the pattern.
    int white = 0;
    int black = 0;
    int changed = 0;
    for (int y = 0; y < 320; ++y) {
        const QRgb p = grid.pixel(128, y) & 0xFFFFFF;
        white += p == 0xFFFFFF;
        black += p == 0;
        changed += grid.pixel(128, y) != plain.pixel(128, y);
    }
    EXPECT_GT(white, 100);
    EXPECT_GT(black, 100);
    EXPECT_GT(changed, 0);
    // Inside a cell nothing changes.
    EXPECT_EQ(grid.copy(130, 2, 28, 28), plain.copy(130, 2, 28, 28));
    key(Qt::Key_Minus, Qt::ControlModifier);

    // A new start of the program keeps both.
    start();
    map = set->levelWindow();
    open();
    auto* again = Control<LevelPictureView>(map, "paintboxLevel");
    EXPECT_DOUBLE_EQ(again->scale(), 0.5);
    EXPECT_TRUE(again->gridShown());
    EXPECT_TRUE(Control<QAction>(map, "actionGitter")->isChecked());
    map->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(map));
    again->setFocus();
    QTest::keyClick(again, Qt::Key_G);
    EXPECT_FALSE(LevelViewSettings::load().grid);
    EXPECT_DOUBLE_EQ(LevelViewSettings::load().zoom, 50);
}

// Each tool chosen the way a user does (its button, its key on the level, the menu), used with the
// mouse, saved and compared cell by cell; each one step, undone exactly.
TEST_F(MapViewTest, EachToolIsOneStepInTheSavedFileAndUndoneExactly)
{
    LevelEditSession& session = map->session();
    session.setCarried(LevelEditSession::Left, 21);
    session.setCarried(LevelEditSession::Right, 5);
    key(Qt::Key_Minus, Qt::ControlModifier); // at 50 %: the tools land right at another zoom too
    const PatternGrid original = saved();
    PatternGrid expected = original;
    std::vector<PatternGrid> stages{expected};
    auto write = [&expected](QRect cells, int pattern) {
        for (int y = cells.top(); y <= cells.bottom(); ++y)
            for (int x = cells.left(); x <= cells.right(); ++x)
                expected[size_t(y)][size_t(x)] = pattern;
    };

    // Rechteck by its button: a right drag from (12, 7) up to (9, 2).
    click("ButtonRechteck");
    EXPECT_EQ(level()->cursor().shape(), Qt::SizeFDiagCursor);
    dragAt({12, 7}, {9, 2}, Qt::RightButton);
    write(QRect(QPoint(9, 2), QPoint(12, 7)), 5);
    EXPECT_EQ(saved(), expected);
    EXPECT_EQ(undoTip(), QStringLiteral("Rückgängig (Strg+Z): Rechteck"));
    stages.push_back(expected);

    // Fläche by the menu: a click inside the rectangle fills it, and only it.
    Control<QAction>(map, "actionFlaeche")->trigger();
    EXPECT_TRUE(Control<QPushButton>(map, "ButtonFlaeche")->isChecked());
    clickAt(10, 4);
    write(QRect(QPoint(9, 2), QPoint(12, 7)), 21);
    EXPECT_EQ(saved(), expected);
    EXPECT_EQ(undoTip(), QStringLiteral("Rückgängig (Strg+Z): Fläche"));
    stages.push_back(expected);

    // Stempel by its key: two cells copied with Shift+Right and Ctrl+C, stamped by a drag of five
    // cells to the right: three stamps side by side.
    session.cursor().moveTo({11, 2});
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    key(Qt::Key_Escape);
    key(Qt::Key_S);
    EXPECT_TRUE(Control<QPushButton>(map, "ButtonStempel")->isChecked());
    EXPECT_EQ(level()->cursor().shape(), Qt::DragCopyCursor);
    const int steps = map->document().undoStack().count();
    dragAt({40, 9}, {45, 9});
    EXPECT_EQ(map->document().undoStack().count(), steps + 1);
    write(QRect(40, 9, 6, 1), 21);
    EXPECT_EQ(saved(), expected);
    EXPECT_EQ(undoTip(), QStringLiteral("Rückgängig (Strg+Z): Stempel"));
    stages.push_back(expected);

    // Stift by its key: a drag paints every cell it passes.
    key(Qt::Key_B);
    EXPECT_TRUE(Control<QPushButton>(map, "ButtonStift")->isChecked());
    EXPECT_TRUE(Control<QAction>(map, "actionStift")->isChecked());
    EXPECT_EQ(Control<QAction>(map, "actionStempel")->text(), QStringLiteral("S&tempel"));
    dragAt({60, 0}, {64, 0}, Qt::RightButton);
    write(QRect(60, 0, 5, 1), 5);
    EXPECT_EQ(saved(), expected);
    EXPECT_EQ(undoTip(), QStringLiteral("Rückgängig (Strg+Z): Malen"));

    // Undone one by one, each step gives back the level before it.
    while (!stages.empty()) {
        key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(saved(), stages.back());
        stages.pop_back();
    }
    EXPECT_EQ(saved(), original);
}

TEST_F(MapViewTest, TheBannerNamesTheToolAndTheRectangleIsFramedWhileDragged)
{
    click("ButtonRechteck");
    send(level(), QEvent::MouseMove, at(7, 3), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(Control<QLabel>(map, "LabelPattern")->text(),
              QStringLiteral("Rechteck: drücken, ziehen, loslassen in:    Spalte (X) = 7  /  Zeile (Y) = 3"));
    send(level(), QEvent::MouseButtonPress, at(2, 1), Qt::LeftButton, Qt::LeftButton);
    send(level(), QEvent::MouseMove, at(5, 4), Qt::NoButton, Qt::LeftButton);
    // The frame's black dashes run along the rectangle's left edge (column 2, one pixel in and more).
    const QImage shown = level()->grab().toImage();
    int black = 0;
    for (int y = 32 + 4; y < 5 * 32 - 4; ++y)
        black += (shown.pixel(2 * 32 + 1, y) & 0xFFFFFF) == 0;
    EXPECT_GT(black, 20);
    send(level(), QEvent::MouseButtonRelease, at(5, 4), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(LevelCells(map->document(), 2, 1, 4, 4), PatternGrid(4, std::vector<int>(4, 3)));
    Control<QAction>(map, "actionFlaeche")->trigger();
    send(level(), QEvent::MouseMove, at(7, 3), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(Control<QLabel>(map, "LabelPattern")->text().startsWith(QStringLiteral("Fläche: ")));
}

TEST_F(MapViewTest, InAnOpenMenuALetterChoosesItsEntryAndClosesTheMenu)
{
    // R is also the level's key for "Rechteck": with the tool menu open it is the menu's, which chooses
    // the entry and closes, as every other letter does.
    level()->setFocus();
    auto* tools = Control<QMenu>(map, "MenuWerkzeug");
    tools->popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tools));
    QTest::keyClick(tools->windowHandle(), Qt::Key_R); // through the window, as a real key comes
    for (int i = 0; i < 50 && tools->isVisible(); ++i)
        QTest::qWait(20);
    EXPECT_FALSE(tools->isVisible());
    EXPECT_TRUE(Control<QAbstractButton>(map, "ButtonRechteck")->isChecked());
    // A letter the menu has no entry for does nothing behind it: G is the grid's key on the level.
    tools->popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tools));
    QTest::keyClick(tools->windowHandle(), Qt::Key_G);
    EXPECT_FALSE(Control<QAction>(map, "actionGitter")->isChecked());
    tools->close();
}
