// The level editor on small screens: it opens whole, scrolls what does not fit, keeps its width while the
// pointer moves, and shows its banner and hints whole.
#include "common/screenfit.h"
#include "support/mapwindowfixture.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>
#include <QTableView>

TEST(FitOnScreen, ShrinksAndCentresInsideTheScreen)
{
    struct Case {
        QSize wanted, minimum;
        QMargins frame;
        QRect available, client;
    };
    const QSize level(1096, 734);
    const Case cases[] = {
        // A big screen: the window's own size, centred.
        {level, {400, 300}, {1, 24, 1, 1}, {0, 0, 1920, 1080}, {412, 184, 1096, 734}},
        // 1024 x 768: as wide as the screen lets the frame be.
        {level, {400, 300}, {1, 24, 1, 1}, {0, 0, 1024, 768}, {1, 28, 1022, 734}},
        // A panel above takes 30 pixels: the height gives way too.
        {level, {400, 300}, {4, 30, 4, 4}, {0, 30, 1024, 738}, {4, 60, 1016, 704}},
        // Smaller than the minimum: the minimum, its frame's top left on the screen's.
        {level, {900, 700}, {4, 30, 4, 4}, {0, 0, 800, 600}, {4, 30, 900, 700}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitOnScreen(c.wanted, c.minimum, c.frame, c.available), c.client) << c.available.width();
}

TEST(MovedInside, MovesTheLeastAndKeepsTheTopLeftOfWhatIsTooLarge)
{
    const QRect screen(0, 0, 1280, 1024);
    const struct {
        QRect outer, moved;
    } cases[] = {
        {QRect(100, 100, 800, 600), QRect(100, 100, 800, 600)}, // inside: stays
        {QRect(600, 900, 800, 600), QRect(480, 424, 800, 600)}, // past the right and bottom edges
        {QRect(-50, -20, 800, 600), QRect(0, 0, 800, 600)},     // past the left and top edges
        {QRect(200, 10, 1400, 600), QRect(0, 10, 1400, 600)},   // wider than the screen: its left edge
    };
    for (const auto& c : cases)
        EXPECT_EQ(MovedInside(c.outer, screen), c.moved) << c.outer.x() << "," << c.outer.y();
}

namespace {

class MapFitTest : public MapWindowFixture {
protected:
    QScrollArea* window() { return Control<QScrollArea>(map, "ScrollBoxWindow"); }
    // Whether a control lies whole inside the window's visible area.
    bool onScreen(const char* name)
    {
        QWidget* w = Control<QWidget>(map, name);
        const QRect shown(w->mapTo(window()->viewport(), QPoint(0, 0)), w->size());
        return w->isVisible() && window()->viewport()->rect().contains(shown);
    }
};

} // namespace

TEST_F(MapFitTest, OpensWholeOnTheScreenAndKeepsItsWidth)
{
    open();
    const QRect screen = map->screen()->availableGeometry();
    ASSERT_LT(screen.width(), 1096);
    EXPECT_TRUE(screen.contains(map->frameGeometry())) << map->frameGeometry().x() << " " << map->frameGeometry().width();

    toPaintingPage();
    const int width = map->width();
    const int needed = window()->widget()->minimumSizeHint().width();
    auto* chooser = Control<QWidget>(map, "paintboxpattern");
    for (int p = 0; p < 128; ++p)
        send(chooser, QEvent::MouseMove, QPoint(32 * (p % 32) + 3, 32 * (p / 32) + 3), Qt::NoButton, Qt::NoButton);
    QApplication::processEvents();
    EXPECT_EQ(map->width(), width);
    EXPECT_EQ(window()->widget()->minimumSizeHint().width(), needed); // nor does it need more
    EXPECT_TRUE(Control<QLabel>(map, "LabelAuswahl")->text().contains(QStringLiteral("Pattern-Nr.  127")));
    drag(cell(100, 9), cell(127, 9), 27);
    QApplication::processEvents();
    EXPECT_EQ(map->width(), width);
}

TEST_F(MapFitTest, EverythingShowsAtA1024ScreensSizeAndTheOwnSizeKeepsItsLayout)
{
    open();
    // The client area a 1024 x 768 screen leaves beside a title bar.
    map->resize(1016, 740);
    QApplication::processEvents();
    EXPECT_FALSE(window()->horizontalScrollBar()->isVisible());
    for (const char* name : {"PanelA1", "PanelE10", "ButtonRowRight9", "ButtonFont", "ButtonPlayMatrix", "CheckBoxschalter",
                             "Label18", "SpeedButton37"})
        EXPECT_TRUE(onScreen(name)) << name;

    // At its own size the strip below the level is one row and nothing scrolls.
    map->resize(1096, 734);
    QApplication::processEvents();
    EXPECT_FALSE(window()->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(window()->verticalScrollBar()->isVisible());
    EXPECT_EQ(Control<QWidget>(map, "ButtonFont")->mapTo(map, QPoint(0, 0)).y(),
              Control<QWidget>(map, "ButtonStandardfarbe")->mapTo(map, QPoint(0, 0)).y());
    EXPECT_GE(Control<QWidget>(map, "ScrollBox1")->width(), 910);

    // Banner and hints show their whole text: the banner while painting the last cell, every monster
    // and switch hint beside its row.
    toPaintingPage();
    clickCell(127, 9);
    send(Control<QWidget>(map, "paintboxLevel"), QEvent::MouseMove, cell(127, 9), Qt::NoButton, Qt::NoButton);
    auto* banner = Control<QLabel>(map, "LabelPattern");
    EXPECT_TRUE(banner->text().endsWith(QStringLiteral("Spalte (X) = 127  /  Zeile (Y) = 9")));
    EXPECT_GE(banner->contentsRect().width(), banner->fontMetrics().horizontalAdvance(banner->text()));
    for (const char* grid : {"MonsterGrid", "Schaltergrid"}) {
        QHeaderView* hints = Control<QTableView>(map, grid)->verticalHeader();
        for (int row = 0; row < hints->count(); ++row) {
            const QString hint = hints->model()->headerData(row, Qt::Vertical).toString();
            EXPECT_GT(hints->width(), hints->fontMetrics().horizontalAdvance(hint)) << grid << " " << row;
        }
    }
}

TEST_F(MapFitTest, EveryPageFitsTheWindowA1024ScreenLeaves)
{
    open();
    // The client area beside a window manager's frame on a 1024 x 768 screen.
    map->resize(1016, 734);
    const struct {
        int page;
        std::vector<const char*> last; // the page's lowest and rightmost controls
    } pages[] = {
        {0, {"Button31", "SpinTime1", "ButtonAtrSave"}},
        {1, {"Button32", "Memo", "Button29"}},
        {2, {"BitBtn1", "SpeedButton11", "MonsterGrid"}},
        {3, {"Button34", "SpeedButton36", "Schaltergrid"}},
    };
    for (const auto& p : pages) {
        Control<QTabWidget>(map, "PageControl1")->setCurrentIndex(p.page);
        QApplication::processEvents();
        EXPECT_FALSE(window()->verticalScrollBar()->isVisible()) << p.page;
        EXPECT_FALSE(window()->horizontalScrollBar()->isVisible()) << p.page;
        for (const char* name : p.last)
            EXPECT_TRUE(onScreen(name)) << p.page << " " << name;
        // Undo, redo and the way back stand beside the page tabs, whole.
        for (const char* name : {"ButtonUndo", "ButtonRedo", "ButtonPlayMatrix", "ButtonFont", "CheckBoxschalter"})
            EXPECT_TRUE(onScreen(name)) << p.page << " " << name;
    }
}
