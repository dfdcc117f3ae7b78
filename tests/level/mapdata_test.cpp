// The level byte view: its two read-only tables over the live document and pixel table, headers and refresh.
#include "level/leveldocument.h"
#include "level/levelpixeltable.h"
#include "level/undo_writecells.h"
#include "gui/level/levelbyteview.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"

#include <QHeaderView>
#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <QUndoStack>

namespace {

class MapDataTest : public ::testing::Test {
protected:
    MapDataTest()
    {
        doc.InitEmptyLevel(1);
        window.setSources(doc, pixels);
    }
    QTableView* table(const char* name)
    {
        window.ensureControls();
        return Control<QTableView>(&window, name);
    }
    QAbstractItemModel* codes() { return table("GridLeveldata")->model(); }
    QAbstractItemModel* bits() { return table("GridBit")->model(); }
    static QString text(QAbstractItemModel* m, int row, int column) { return m->index(row, column).data().toString(); }
    static QString header(QAbstractItemModel* m, Qt::Orientation o, int section)
    {
        return m->headerData(section, o, Qt::DisplayRole).toString();
    }

    ScriptedDialogs dialogs;
    LevelDocument doc;
    LevelPixelTable pixels;
    LevelByteView window{dialogs};
};

} // namespace

TEST_F(MapDataTest, WindowAndCaptions)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Level Byte Data "));
    EXPECT_EQ(window.size(), QSize(969, 762));
    // The controls are built when the window is first shown, over the sources given before.
    EXPECT_TRUE(window.findChildren<QWidget*>().isEmpty());
    window.show();
    ASSERT_TRUE(window.controlsBuilt());
    EXPECT_EQ(codes()->rowCount(), 10);
    EXPECT_EQ(Control<QLabel>(&window, "Panel1")->text(), QStringLiteral("Die Daten des Levels: 256 Spalten, 10 Zeilen:"));
    EXPECT_TRUE(Control<QLabel>(&window, "Panel2")->text().startsWith(QStringLiteral("Die Daten der Farb-Pixel: Pro Byte 4")));
    EXPECT_EQ(Control<QPushButton>(&window, "Button1")->text(), QStringLiteral("Tabellen aktualisieren"));
    // Item views over the model, no per-cell items.
    EXPECT_TRUE(window.findChildren<QTableWidget*>().isEmpty());
}

TEST_F(MapDataTest, CodeTableShowsTheLiveGridWithItsHeaders)
{
    QAbstractItemModel* m = codes();
    ASSERT_EQ(m->rowCount(), 10);
    ASSERT_EQ(m->columnCount(), 256);
    EXPECT_EQ(header(m, Qt::Horizontal, 0), QStringLiteral("0"));
    EXPECT_EQ(header(m, Qt::Horizontal, 255), QStringLiteral("255"));
    EXPECT_EQ(header(m, Qt::Vertical, 0), QStringLiteral("1"));
    EXPECT_EQ(header(m, Qt::Vertical, 9), QStringLiteral("10"));
    EXPECT_EQ(text(m, 0, 9), QStringLiteral("1"));
    EXPECT_EQ(text(m, 0, 10), QStringLiteral("6"));
    EXPECT_EQ(text(m, 9, 12), QStringLiteral("2"));

    QSignalSpy spy(m, &QAbstractItemModel::dataChanged);
    doc.writeCell(40, 3, 44);
    doc.setCode(255, 9, QStringLiteral("abc"));
    EXPECT_EQ(text(m, 3, 80), QStringLiteral("88"));
    EXPECT_EQ(text(m, 3, 81), QStringLiteral("89"));
    EXPECT_EQ(text(m, 9, 255), QStringLiteral("abc"));
    EXPECT_FALSE(m->flags(m->index(3, 80)) & Qt::ItemIsEditable);
    EXPECT_FALSE(m->setData(m->index(3, 80), QStringLiteral("5")));
    EXPECT_EQ(doc.code(80, 3), QStringLiteral("88"));
}

// Repainting the whole table on every painted cell made painting slow with the byte view open, and an
// announcement per code made a whole-level fill thousands of small repaints: a change of one cell
// announces its two codes one by one, a change of more cells the rectangle around them once, and a new
// grid the whole table.
TEST_F(MapDataTest, CodeTableAnnouncesOneCellByItsCodesAndMoreCellsAsOneRange)
{
    QAbstractItemModel* m = codes();
    QSignalSpy spy(m, &QAbstractItemModel::dataChanged);
    using Range = QPair<QPair<int, int>, QPair<int, int>>; // (row, column) of the first and the last code
    auto announced = [&spy] {
        QList<Range> ranges;
        for (const QList<QVariant>& signal : spy) {
            const auto from = signal[0].value<QModelIndex>();
            const auto to = signal[1].value<QModelIndex>();
            ranges << qMakePair(qMakePair(from.row(), from.column()), qMakePair(to.row(), to.column()));
        }
        spy.clear();
        std::sort(ranges.begin(), ranges.end());
        return ranges;
    };
    const auto code = [](int row, int column) { return qMakePair(qMakePair(row, column), qMakePair(row, column)); };

    doc.writeCell(40, 3, 44);
    doc.setCode(255, 9, QStringLiteral("abc"));
    EXPECT_EQ(announced(), (QList<Range>{code(3, 80), code(3, 81), code(9, 254), code(9, 255)}));

    // A stroke and its undo: the rectangle around the stroke's cells, once.
    std::vector<CellWrite> writes;
    for (int x = 10; x < 30; ++x)
        writes.push_back({QPoint(x, 5), 7});
    writes.push_back({QPoint(10, 5), 8});
    doc.push(new PaintStrokeCommand(doc, 1, CellWriteEdits(doc, writes)));
    EXPECT_EQ(announced(), (QList<Range>{{{5, 20}, {5, 59}}}));
    doc.undoStack().undo();
    EXPECT_EQ(announced(), (QList<Range>{{{5, 20}, {5, 59}}}));
    EXPECT_EQ(text(m, 5, 20), QStringLiteral("2"));

    // Cells on several rows: the rectangle from the top left to the bottom right cell.
    doc.push(new WriteCellsCommand(doc, QStringLiteral("Füllen"),
                                   CellWriteEdits(doc, {{QPoint(7, 2), 9}, {QPoint(3, 8), 9}, {QPoint(100, 4), 9}})));
    EXPECT_EQ(announced(), (QList<Range>{{{2, 6}, {8, 201}}}));

    // Changes that leave the grid alone announce nothing here.
    doc.setTimeDigit(0, 5);
    doc.setAuthor(QStringLiteral("X"));
    EXPECT_EQ(spy.count(), 0);

    // A new grid: the whole table at once.
    doc.InitEmptyLevel(2);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].value<QModelIndex>(), m->index(0, 0));
    EXPECT_EQ(spy[0][1].value<QModelIndex>(), m->index(9, 255));
}

// Whatever kind of edit it was, the shown table repaints the changed codes and shows their new values.
TEST_F(MapDataTest, TheShownCodeTableRepaintsWhatEveryKindOfEditChanged)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTableView* view = table("GridLeveldata");
    struct PaintRecorder : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                painted += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } recorder;
    view->viewport()->installEventFilter(&recorder);
    QCoreApplication::processEvents();

    const auto strokeOf = [this](int pattern) {
        std::vector<CellWrite> writes;
        for (int x = 2; x < 9; ++x)
            for (int y = 0; y < LevelDocument::kRows; ++y)
                writes.push_back({QPoint(x, y), pattern});
        return CellWriteEdits(doc, writes);
    };
    struct Edit {
        const char* what;
        std::function<void()> edit;
        QList<QPoint> changed; // cells it changes, all in the view's visible part
    };
    const QList<QPoint> both{QPoint(3, 4), QPoint(8, 9)};
    const Edit edits[] = {
        {"one cell", [&] { doc.writeCell(3, 4, 21); }, {QPoint(3, 4)}},
        {"a fill of many cells", [&] { doc.push(new WriteCellsCommand(doc, QStringLiteral("Füllen"), strokeOf(30))); }, both},
        {"its undo", [&] { doc.undoStack().undo(); }, both},
        {"its redo", [&] { doc.undoStack().redo(); }, both},
        {"a stroke", [&] { doc.push(new PaintStrokeCommand(doc, 7, strokeOf(12))); }, both},
        {"a new grid", [&] { doc.InitEmptyLevel(3); }, both},
    };
    for (const Edit& e : edits) {
        SCOPED_TRACE(e.what);
        recorder.painted = QRegion();
        e.edit();
        QCoreApplication::processEvents();
        for (const QPoint cell : e.changed)
            for (int position : {2 * cell.x(), 2 * cell.x() + 1}) {
                const QModelIndex at = view->model()->index(cell.y(), position);
                EXPECT_EQ(at.data().toString(), doc.code(position, cell.y()));
                const QRect shown = view->visualRect(at);
                ASSERT_TRUE(view->viewport()->rect().contains(shown));
                EXPECT_TRUE(recorder.painted.contains(shown)) << "code " << position << " of row " << cell.y();
            }
    }
}

TEST_F(MapDataTest, PixelTableHeadersAndValues)
{
    QAbstractItemModel* m = bits();
    ASSERT_EQ(m->rowCount(), 16);
    ASSERT_EQ(m->columnCount(), 512);
    EXPECT_EQ(header(m, Qt::Horizontal, 0), QStringLiteral("0a"));
    EXPECT_EQ(header(m, Qt::Horizontal, 3), QStringLiteral("0d"));
    EXPECT_EQ(header(m, Qt::Horizontal, 4), QStringLiteral("1a"));
    EXPECT_EQ(header(m, Qt::Horizontal, 511), QStringLiteral("127d"));
    EXPECT_EQ(header(m, Qt::Vertical, 0), QStringLiteral("U1"));
    EXPECT_EQ(header(m, Qt::Vertical, 7), QStringLiteral("U8"));
    EXPECT_EQ(header(m, Qt::Vertical, 8), QStringLiteral("L1"));
    EXPECT_EQ(header(m, Qt::Vertical, 15), QStringLiteral("L8"));

    pixels.setPixel(5, 9, 2, 3);
    pixels.setPixel(127, 15, 3, 2);
    // The pixel table changes without an announcement: "Tabellen aktualisieren" repaints.
    QSignalSpy spy(m, &QAbstractItemModel::dataChanged);
    QTest::mouseClick(Control<QPushButton>(&window, "Button1"), Qt::LeftButton);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(text(m, 9, 22), QStringLiteral("3"));
    EXPECT_EQ(text(m, 15, 511), QStringLiteral("2"));
    EXPECT_EQ(text(m, 0, 0), QStringLiteral("0"));
}

TEST_F(MapDataTest, FixedCellSizes)
{
    auto* grid = table("GridLeveldata");
    EXPECT_EQ(grid->horizontalHeader()->sectionSize(100), 30);
    EXPECT_EQ(grid->verticalHeader()->sectionSize(5), 20);
    EXPECT_EQ(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    auto* bit = table("GridBit");
    EXPECT_EQ(bit->verticalHeader()->sectionSize(15), 20);
}
