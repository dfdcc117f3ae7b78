// The level byte view: its two read-only tables over the live document and pixel table, headers and refresh.
#include "level/leveldocument.h"
#include "level/levelpixeltable.h"
#include "level/undo_writecells.h"
#include "gui/level/levelbyteview.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
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

// Repainting the whole table on every painted cell made painting slow with the byte view open: a change
// announces the codes of the cells it names, one by one, and the whole table only for a new grid.
TEST_F(MapDataTest, CodeTableAnnouncesOnlyTheChangedCodes)
{
    QAbstractItemModel* m = codes();
    QSignalSpy spy(m, &QAbstractItemModel::dataChanged);
    auto announced = [&spy] {
        QList<QPair<int, int>> cells;
        for (const QList<QVariant>& signal : spy) {
            const auto from = signal[0].value<QModelIndex>();
            const auto to = signal[1].value<QModelIndex>();
            EXPECT_EQ(from, to) << "one code per announcement";
            cells << qMakePair(from.row(), from.column());
        }
        spy.clear();
        std::sort(cells.begin(), cells.end());
        return cells;
    };
    using Cells = QList<QPair<int, int>>;

    doc.writeCell(40, 3, 44);
    doc.setCode(255, 9, QStringLiteral("abc"));
    EXPECT_EQ(announced(), (Cells{{3, 80}, {3, 81}, {9, 254}, {9, 255}}));

    // A stroke and its undo: the stroke's cells, each once.
    std::vector<CellWrite> writes;
    for (int x = 10; x < 30; ++x)
        writes.push_back({QPoint(x, 5), 7});
    writes.push_back({QPoint(10, 5), 8});
    doc.push(new PaintStrokeCommand(doc, 1, CellWriteEdits(doc, writes)));
    spy.clear();
    doc.undoStack().undo();
    Cells stroke;
    for (int x = 10; x < 30; ++x)
        stroke << qMakePair(5, 2 * x) << qMakePair(5, 2 * x + 1);
    EXPECT_EQ(announced(), stroke);
    EXPECT_EQ(text(m, 5, 20), QStringLiteral("2"));

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
