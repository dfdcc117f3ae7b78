// Drawing the level: the pixel table, cells in their row's colours, rows, the overlays and the monster path.
#include "common/errors.h"
#include "common/textfile.h"
#include "level/leveldocument.h"
#include "level/leveleditsession.h"
#include "level/levelpicture.h"
#include "level/leveloverlays_picture.h"
#include "level/levelraster.h"
#include "level/monsterpath.h"
#include "level/undo_writecells.h"
#include "level/levelfile.h"
#include "pattern/colorregisterset.h"
#include "pattern/patternstore.h"
#include "common/packedcolor_picture.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <cstring>
#include <limits>
#include <random>
#include <QUndoStack>

namespace {

// Line n has colours A-E = (n, 10c + 1, 7) so every pixel tells its line and column.
PackedColor LineColor(int column, int line) { return PackRgb(line, 10 * column + 1, 7); }

struct Fixture {
    PatternStore store;
    ColorRegisterSet registers;
    LevelDocument doc;
    LevelPicture picture{doc, registers};

    Fixture()
    {
        // Pattern 5 (characters 10, 11): row 0 left half pixels 3,2,1,0; row 15 right half 0,1,2,3.
        store.setEntry(1, 10, 0, QStringLiteral("228"));
        store.setEntry(2, 11, 7, QStringLiteral("27"));
        // Pattern 6: every pixel 3.
        for (int c : {12, 13})
            for (int bank : {1, 2})
                for (int r = 0; r < 8; ++r)
                    store.setEntry(bank, c, r, QStringLiteral("255"));
        picture.pixels().fill(store);
        for (int k = 0; k < 5; ++k)
            registers[k].displayColor = PackRgb(200, 10 * k, 0);
        for (int line = 1; line <= 10; ++line)
            for (int c = 0; c < 5; ++c)
                doc.setColorEntry(c, line, {QStringLiteral("00"), LineColor(c, line), kWhite});
        doc.InitEmptyLevel(1);
    }
    QRgb at(int x, int y) const { return picture.level().pixel(x, y) & 0xFFFFFF; }
    static QRgb rgb(PackedColor c) { return ToQRgb(c) & 0xFFFFFF; }
};

} // namespace

TEST(LevelPixelTable, DecodesBanksOneAndTwo)
{
    Fixture f;
    const LevelPixelTable& t = f.picture.pixels();
    EXPECT_EQ((std::array{t.pixel(10, 0, 0), t.pixel(10, 0, 1), t.pixel(10, 0, 2), t.pixel(10, 0, 3)}),
              (std::array{3, 2, 1, 0}));
    EXPECT_EQ((std::array{t.pixel(11, 15, 0), t.pixel(11, 15, 1), t.pixel(11, 15, 2), t.pixel(11, 15, 3)}),
              (std::array{0, 1, 2, 3}));
    // Bytes beyond 0-255 give what the arithmetic gives.
    f.store.setEntry(1, 0, 0, QStringLiteral("300"));
    f.store.setEntry(1, 0, 1, QStringLiteral("-7"));
    f.picture.pixels().fill(f.store);
    EXPECT_EQ((std::array{t.pixel(0, 0, 0), t.pixel(0, 0, 1), t.pixel(0, 0, 2), t.pixel(0, 0, 3)}),
              (std::array{4, 2, 3, 0}));
    EXPECT_EQ((std::array{t.pixel(0, 1, 0), t.pixel(0, 1, 1), t.pixel(0, 1, 2), t.pixel(0, 1, 3)}),
              (std::array{0, 0, -1, -3}));
    f.store.setEntry(2, 3, 4, QStringLiteral("zwei"));
    try {
        f.picture.pixels().fill(f.store);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'zwei' ist kein gültiger Integerwert"));
    }
}

TEST(LevelPicture, CellGeometryAndColours)
{
    Fixture f;
    f.doc.writeCell(7, 4, 5);
    f.doc.writeCell(8, 4, 69); // 64 + 5
    f.picture.drawlevel(false, false);
    // Row 0 of the left half of cell (7, 4): blocks of 4 x 2 in D, C, B, A of line 5.
    const int left = 7 * 32, top = 4 * 32;
    for (int k = 0; k < 4; ++k)
        for (int dx = 0; dx < 4; ++dx)
            for (int dy = 0; dy < 2; ++dy)
                ASSERT_EQ(f.at(left + 4 * k + dx, top + dy), Fixture::rgb(LineColor(3 - k, 5))) << k;
    // Row 15 of the right half: A, B, C, D.
    EXPECT_EQ(f.at(left + 16 + 12, top + 31), Fixture::rgb(LineColor(3, 5)));
    EXPECT_EQ(f.at(left + 16, top + 30), Fixture::rgb(LineColor(0, 5)));
    // 69 is 5 with E in place of D; the other values stay.
    EXPECT_EQ(f.at(left + 32, top), Fixture::rgb(LineColor(4, 5)));
    EXPECT_EQ(f.at(left + 32 + 4, top), Fixture::rgb(LineColor(2, 5)));
    EXPECT_EQ(f.at(left + 32 + 16 + 12, top + 31), Fixture::rgb(LineColor(4, 5)));
    // Pattern 1 is all zeros here: column A of the row's line.
    EXPECT_EQ(f.at(50 * 32 + 5, 9 * 32 + 5), Fixture::rgb(LineColor(0, 10)));
}

TEST(LevelPicture, PixelValuesOutsideOneToThreeTakeA)
{
    Fixture f;
    f.store.setEntry(1, 10, 0, QStringLiteral("300")); // 4, 2, 3, 0
    f.picture.pixels().fill(f.store);
    f.doc.writeCell(7, 0, 5);
    f.picture.drawCell(7, 0);
    EXPECT_EQ(f.at(224, 0), Fixture::rgb(LineColor(0, 1)));
    EXPECT_EQ(f.at(228, 0), Fixture::rgb(LineColor(2, 1)));
    EXPECT_EQ(f.at(232, 0), Fixture::rgb(LineColor(3, 1)));
}

TEST(LevelPicture, CodesOutsideTheTable)
{
    Fixture f;
    f.picture.drawlevel(false, false);
    f.doc.setCode(20, 2, QStringLiteral("-4")); // pattern -2: a plain cell in A
    f.doc.setCode(22, 2, QStringLiteral("300")); // pattern 150: no pixels
    f.picture.drawCell(10, 2);
    EXPECT_EQ(f.at(10 * 32 + 12, 2 * 32), Fixture::rgb(LineColor(0, 3)));
    try {
        f.picture.drawCell(11, 2);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'' ist kein gültiger Integerwert"));
    }
}

TEST(LevelPicture, RedrawStopsAtABadCodeButShowingPassesOverIt)
{
    Fixture f;
    f.doc.writeCell(6, 0, 6);
    f.doc.writeCell(8, 0, 6);
    f.doc.setCode(14, 0, QStringLiteral("x"));
    EXPECT_THROW(f.picture.drawlevel(false, false), ConversionError);
    EXPECT_EQ(f.at(6 * 32, 0), Fixture::rgb(LineColor(3, 1)));    // before the bad cell
    EXPECT_EQ(f.at(8 * 32, 0), qRgb(255, 255, 255) & 0xFFFFFF);    // after it: never drawn
    f.picture.drawAllCells();
    EXPECT_EQ(f.at(8 * 32, 0), Fixture::rgb(LineColor(3, 1)));
}

TEST(LevelPicture, HundredLineFileStopsTheRedrawAtTheFirstCell)
{
    Fixture f;
    LevelDocument source;
    source.InitEmptyLevel(6);
    for (int line = 1; line <= 10; ++line)
        for (int c = 0; c < 5; ++c)
            source.setColorEntry(c, line, {QStringLiteral("11"), PackRgb(9, 9, c), kWhite});
    QByteArray bytes = JoinWindows1252Lines(LevelFileLines(source).mid(0, 100));
    LineReader reader = LineReader::fromBytes(bytes);
    LoadLevelLines(f.doc, reader);
    EXPECT_EQ(f.doc.colorEntry(2, 4).displayColor, PackRgb(9, 9, 2));
    try {
        f.picture.drawlevel(false, false);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'' ist kein gültiger Integerwert"));
    }
}

namespace {

QImage AsQImage(const IndexedImage& image)
{
    QImage q(image.width, image.height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (PackedColor c : image.colors)
        table << ToQRgb(c);
    q.setColorTable(table);
    for (int y = 0; y < image.height; ++y)
        std::memcpy(q.scanLine(y), image.pixels.constData() + qsizetype{y} * image.width, image.width);
    return q.convertToFormat(QImage::Format_RGB32);
}

} // namespace

// The companion's indexed picture and the editor's picture come from one cell drawing: every pattern
// from -1 to 127 in every line's colours, with pixel values beyond 3, gives the same pixels.
TEST(LevelRaster, SamePixelsAsTheLevelPicture)
{
    Fixture f;
    for (int c = 0; c < 128; ++c)
        for (int r = 0; r < 8; ++r) {
            f.store.setEntry(1, c, r, QString::number((c * 29 + r * 7) % 256));
            f.store.setEntry(2, c, r, QString::number((c * 13 + r * 51) % 256));
        }
    f.store.setEntry(1, 8, 0, QStringLiteral("400"));
    f.picture.pixels().fill(f.store);
    for (int y = 0; y < LevelDocument::kRows; ++y)
        for (int x = 0; x < LevelDocument::kColumns; ++x)
            f.doc.setCode(2 * x, y, QString::number(2 * ((x + 128 * y) % 129 - 1)));
    f.picture.drawlevel(false, false);
    const IndexedImage raster = RenderLevelCells(f.doc, f.picture.pixels());
    EXPECT_EQ(raster.colors.size(), 50);
    EXPECT_EQ(AsQImage(raster), f.picture.level().convertToFormat(QImage::Format_RGB32));
}

// It stops with the same error where the redraw after loading stops.
TEST(LevelRaster, StopsWhereTheRedrawStops)
{
    for (const char* code : {"x", "300"}) {
        Fixture f;
        f.doc.setCode(14, 3, QLatin1String(code));
        QString redraw, raster;
        try {
            f.picture.drawLoadedLevel(false, false);
        } catch (const ConversionError& e) {
            redraw = e.message();
        }
        try {
            RenderLevelCells(f.doc, f.picture.pixels());
        } catch (const ConversionError& e) {
            raster = e.message();
        }
        EXPECT_FALSE(redraw.isEmpty()) << code;
        EXPECT_EQ(raster, redraw) << code;
    }
}

TEST(LevelPicture, ChooserAndPreviewsUseTheRegisters)
{
    Fixture f;
    f.picture.drawChooser();
    const QImage& ch = f.picture.chooser();
    EXPECT_EQ(ch.pixel(5 * 32, 0) & 0xFFFFFF, Fixture::rgb(PackRgb(200, 30, 0)));      // pattern 5, value 3: F3
    EXPECT_EQ(ch.pixel(5 * 32, 2 * 32) & 0xFFFFFF, Fixture::rgb(PackRgb(200, 40, 0))); // pattern 69: F4
    QImage preview(32, 32, QImage::Format_RGB32);
    f.picture.UpdatePattern2(6, 0, 0, preview);
    EXPECT_EQ(preview.pixel(31, 31) & 0xFFFFFF, Fixture::rgb(PackRgb(200, 30, 0)));
}

TEST(LevelPicture, UndoOfADragGivesBackTheSamePixels)
{
    Fixture f;
    LevelEditSession session(f.doc, f.picture); // the picture follows the steps
    f.picture.drawlevel(false, false);
    const QImage before = f.picture.level().copy();
    const std::vector<QString> codes = f.doc.gridCodes();
    for (int i = 0; i < 20; ++i)
        f.doc.push(new PaintStrokeCommand(f.doc, 1, CellWriteEdits(f.doc, {{QPoint(10 + i, i % 10), 6}})));
    const QImage painted = f.picture.level().copy();
    const std::vector<QString> paintedCodes = f.doc.gridCodes();
    ASSERT_NE(painted, before);
    f.doc.undoStack().undo();
    EXPECT_EQ(f.doc.gridCodes(), codes);
    EXPECT_EQ(f.picture.level(), before);
    f.doc.undoStack().redo();
    EXPECT_EQ(f.doc.gridCodes(), paintedCodes);
    EXPECT_EQ(f.picture.level(), painted);
}

// --- monster path ------------------------------------------------------------------------------------

namespace {

// The walk of a monster inside the level, as points.
std::vector<QPoint> Path(const LevelDocument& doc, int x, int y, const char* facing)
{
    std::vector<QPoint> points;
    for (const PathCell& cell : MonsterPath(doc, x, y, QLatin1String(facing)))
        points.emplace_back(static_cast<int>(cell.x), static_cast<int>(cell.y));
    return points;
}

} // namespace

TEST(MonsterPath, BackAndForthBetweenWalls)
{
    LevelDocument doc;
    doc.InitEmptyLevel(1); // floor in columns 6-122, walls at 5 and 123
    const std::vector<QPoint> path = Path(doc, 10, 4, "L");
    ASSERT_EQ(path.size(), 241u);
    int minX = 1000, maxX = -1;
    for (const QPoint& p : path) {
        EXPECT_EQ(p.y(), 4);
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
    }
    EXPECT_EQ(minX, 6);
    EXPECT_EQ(maxX, 122);
    EXPECT_EQ(path[4], QPoint(6, 4));
    EXPECT_EQ(path[5], QPoint(6, 4)); // turns in front of the wall
    EXPECT_EQ(path[6], QPoint(7, 4));
}

TEST(MonsterPath, VerticalCorridorReachesIntoTheWallCells)
{
    LevelDocument doc;
    doc.InitEmptyLevel(3);
    for (int y = 3; y <= 6; ++y)
        doc.writeCell(40, y, 116); // shadowed floor, + 64
    const std::vector<QPoint> path = Path(doc, 40, 5, "o");
    EXPECT_EQ(path[1], QPoint(40, 4));
    EXPECT_EQ(path[2], QPoint(40, 3));
    EXPECT_EQ(path[3], QPoint(40, 2)); // the wall cell, then back
    EXPECT_EQ(path[4], QPoint(40, 3));
    EXPECT_EQ(path[7], QPoint(40, 6));
    EXPECT_EQ(path[8], QPoint(40, 7));
    EXPECT_EQ(path[9], QPoint(40, 6));
}

TEST(MonsterPath, EdgesUnknownFacingAndCellsOutsideTheGrid)
{
    LevelDocument doc;
    doc.InitEmptyLevel(1);
    for (int x = 0; x < 128; ++x)
        for (int y = 0; y < 10; ++y)
            doc.writeCell(x, y, 1);
    // Row 0 facing up: clamped to row 0 and turned at once.
    std::vector<QPoint> path = Path(doc, 30, 0, "O");
    EXPECT_EQ(path[1], QPoint(30, 0));
    EXPECT_EQ(path[2], QPoint(30, 1));
    // An unknown or empty facing stays on the start cell.
    for (const char* facing : {"", "X", "LL"}) {
        path = Path(doc, 30, 3, facing);
        for (const QPoint& p : path)
            ASSERT_EQ(p, QPoint(30, 3)) << facing;
    }
    // Column 127 walking right: the cell beyond the level blocks.
    path = Path(doc, 127, 2, "R");
    EXPECT_EQ(path[1], QPoint(127, 2));
    EXPECT_EQ(path[2], QPoint(126, 2));
    path = Path(doc, 0, 2, "L");
    EXPECT_EQ(path[1], QPoint(0, 2));
    EXPECT_EQ(path[2], QPoint(1, 2));
    // A monster outside the level never reads outside the grid.
    for (QPoint start : {QPoint(-1, -1), QPoint(500, 3), QPoint(5, 40), QPoint(-9, 12)})
        for (const char* facing : {"L", "R", "O", "U"})
            EXPECT_EQ(Path(doc, start.x(), start.y(), facing).size(), 241u);
    // At the ends of the numbers the walk steps one cell beyond them and back.
    constexpr qint64 kMin = std::numeric_limits<int>::min();
    constexpr qint64 kMax = std::numeric_limits<int>::max();
    const struct {
        qint64 x, y;
        const char* facing;
        PathCell second;
    } ends[] = {
        {kMax, 3, "R", {kMax, 3}}, {kMin, 3, "L", {kMin, 3}},     {5, kMin, "O", {5, kMin - 1}},
        {5, kMax, "U", {5, kMax + 1}}, {kMax, kMax, "O", {kMax, kMax - 1}}, {kMin, 3, "R", {kMin, 3}},
    };
    for (const auto& e : ends) {
        const std::vector<PathCell> walk = MonsterPath(doc, e.x, e.y, QLatin1String(e.facing));
        ASSERT_EQ(walk.size(), 241u);
        EXPECT_TRUE(walk[1] == e.second) << e.x << "," << e.y << " " << e.facing << ": " << walk[1].x << "," << walk[1].y;
        EXPECT_TRUE(walk[2] == walk[0]) << e.x << "," << e.y << " " << e.facing;
    }
    // A code that is not a number stops the walk.
    doc.setCode(62, 2, QStringLiteral("Boden"));
    EXPECT_THROW(Path(doc, 30, 2, "R"), ConversionError);
}

// --- overlays ----------------------------------------------------------------------------------------

TEST(LevelOverlays, MonstersAndSwitches)
{
    Fixture f;
    f.picture.drawlevel(false, false);
    const QImage plain = f.picture.level().copy();
    // Active with posX 0: not drawn.
    f.doc.setTableCell(LevelTable::Monsters, 1, 1, QStringLiteral("1"));
    f.picture.drawlevel(false, true);
    EXPECT_EQ(f.picture.level(), plain);
    // Monster 3 at (40, 3): its label box in its colour, the path along row 3.
    f.doc.setTableCell(LevelTable::Monsters, 2, 3, QStringLiteral("40"));
    f.doc.setTableCell(LevelTable::Monsters, 3, 3, QStringLiteral("3"));
    f.picture.drawlevel(false, true);
    EXPECT_EQ(f.at(40 * 32 + 4, 3 * 32 + 2), Fixture::rgb(LevelPicture::monsterColor(3)));
    EXPECT_EQ(f.at(20 * 32 + 14, 3 * 32 + 16), Fixture::rgb(LevelPicture::monsterColor(3)));
    EXPECT_EQ(f.at(20 * 32 + 14, 5 * 32 + 16), plain.pixel(20 * 32 + 14, 5 * 32 + 16) & 0xFFFFFF); // other rows untouched
    // Switch 2 at (12, 4) with its target at (20, 6): label, line and hatched field.
    f.doc.setTableCell(LevelTable::Switches, 1, 2, QStringLiteral("12"));
    f.doc.setTableCell(LevelTable::Switches, 2, 2, QStringLiteral("4"));
    f.doc.setTableCell(LevelTable::Switches, 3, 2, QStringLiteral("20"));
    f.doc.setTableCell(LevelTable::Switches, 4, 2, QStringLiteral("6"));
    f.picture.drawlevel(true, false);
    const QRgb green = Fixture::rgb(LevelPicture::switchColor(2));
    EXPECT_EQ(f.at(12 * 32 + 2, 4 * 32 + 14), green);
    EXPECT_EQ(f.at(20 * 32, 6 * 32 + 10), green); // outline
    int hatched = 0, plainInside = 0;
    for (int x = 20 * 32 + 4; x < 21 * 32 - 4; ++x)
        (f.at(x, 6 * 32 + 16) == green ? hatched : plainInside)++;
    EXPECT_GT(hatched, 0);
    EXPECT_GT(plainInside, 0); // the cell shows through
    // Unticked: gone again.
    f.picture.drawlevel(false, false);
    EXPECT_EQ(f.picture.level(), plain);
    // A posX that is not a number stops the overlay; a bad posY only hides the monster's place.
    f.doc.setTableCell(LevelTable::Monsters, 3, 3, QStringLiteral("y"));
    EXPECT_NO_THROW(f.picture.drawMonsters());
    f.doc.setTableCell(LevelTable::Monsters, 2, 3, QStringLiteral("Maus X"));
    EXPECT_THROW(f.picture.drawMonsters(), ConversionError);
    f.doc.setTableCell(LevelTable::Switches, 1, 2, QStringLiteral("Maus X"));
    EXPECT_THROW(f.picture.drawSwitches(), ConversionError);
}

// Positions anywhere in the 32-bit range: what lies outside the picture is not drawn, a line that
// leaves it is drawn up to its edge, and nothing overflows on the way.
TEST(LevelOverlays, ExtremePositions)
{
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    const int values[] = {kMin, kMin + 1, -67108865, -1, 1, 127, 128, 67108864, 134217727, kMax - 1, kMax};
    Fixture f;
    f.picture.drawlevel(false, false);
    const QImage plain = f.picture.level().copy();
    // Monsters far away in every direction and facing: the picture stays as it was.
    int n = 0;
    for (const int x : values)
        for (const int y : {kMin, -1000, 100000, kMax}) {
            const int m = n++ % 10 + 1;
            f.doc.setTableCell(LevelTable::Monsters, 2, m, QString::number(x));
            f.doc.setTableCell(LevelTable::Monsters, 3, m, QString::number(y));
            f.doc.setTableCell(LevelTable::Monsters, 7, m, QString::fromLatin1(&"LROU"[n % 4], 1));
            f.picture.drawMonsters();
        }
    EXPECT_EQ(f.picture.level(), plain);
    // Switch 1 in the level with its target far to the right or left: the line runs to the edge.
    f.doc.setTableCell(LevelTable::Switches, 1, 1, QStringLiteral("120"));
    f.doc.setTableCell(LevelTable::Switches, 2, 1, QStringLiteral("4"));
    f.doc.setTableCell(LevelTable::Switches, 4, 1, QStringLiteral("4"));
    const QRgb green = Fixture::rgb(LevelPicture::switchColor(1));
    for (const int target : {67108864, kMax, 1073741824}) {
        f.doc.setTableCell(LevelTable::Switches, 3, 1, QString::number(target));
        f.picture.drawlevel(true, false);
        EXPECT_EQ(f.at(4095, 4 * 32 + 12), green) << target;
    }
    f.doc.setTableCell(LevelTable::Switches, 1, 1, QStringLiteral("3"));
    for (const int target : {-67108865, kMin}) {
        f.doc.setTableCell(LevelTable::Switches, 3, 1, QString::number(target));
        f.picture.drawlevel(true, false);
        EXPECT_EQ(f.at(0, 4 * 32 + 12), green) << target;
    }
    // Every extreme pair as switch and target position.
    for (const int a : values)
        for (const int b : values) {
            f.doc.setTableCell(LevelTable::Switches, 1, 2, QString::number(a));
            f.doc.setTableCell(LevelTable::Switches, 2, 2, QString::number(b));
            f.doc.setTableCell(LevelTable::Switches, 3, 2, QString::number(b));
            f.doc.setTableCell(LevelTable::Switches, 4, 2, QString::number(a));
            f.picture.drawSwitches();
        }
}

// The overlays' lines and target fields against QPainter's drawing with the pen the level editor once
// used (5 pixels, square caps, mitred corners, no smoothing) and its hatched brush.
namespace {

QPen PainterPen()
{
    QPen pen(QColor(255, 0, 0), 5);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

int DifferingPixels(const QImage& a, const QImage& b, int* inked = nullptr)
{
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            differ += a.pixel(x, y) != b.pixel(x, y);
            if (inked)
                *inked += a.pixel(x, y) != qRgb(255, 255, 255);
        }
    return differ;
}

} // namespace

TEST(LevelOverlays, LinesAndFieldsAsThePainterDrawsThem)
{
    QImage painted(160, 120, QImage::Format_RGB32);
    QImage drawn(160, 120, QImage::Format_RGB32);
    ImageOverlayCanvas canvas(drawn);
    const PackedColor red = PackRgb(255, 0, 0);
    // Level and row steps, cut at the edges, of no length: pixel for pixel.
    const int straight[][4] = {{14, 16, 46, 16}, {46, 16, 14, 16}, {14, 16, 14, 48}, {14, 80, 14, 48},
                               {0, 0, 0, 0},     {30, 30, 30, 30}, {-40, 118, 200, 118}, {158, -9, 158, 300},
                               {1, 2, 159, 2},   {77, 119, 77, 60}};
    for (const auto& l : straight) {
        painted.fill(Qt::white);
        drawn.fill(Qt::white);
        {
            QPainter painter(&painted);
            painter.setPen(PainterPen());
            painter.drawLine(l[0], l[1], l[2], l[3]);
        }
        DrawWideLine(canvas, l[0], l[1], l[2], l[3], red);
        EXPECT_EQ(DifferingPixels(painted, drawn), 0) << l[0] << "," << l[1] << " " << l[2] << "," << l[3];
    }
    // Slanting lines: the painter rounds its edges in fixed point, so a pixel whose centre lies within a
    // hair of an edge may land on the other side: a few pixels of a line, more of a long one.
    std::mt19937 random(3);
    int differ = 0, inked = 0;
    for (int n = 0; n < 300; ++n) {
        const int x1 = random() % 200 - 20, y1 = random() % 160 - 20, x2 = random() % 200 - 20, y2 = random() % 160 - 20;
        painted.fill(Qt::white);
        drawn.fill(Qt::white);
        {
            QPainter painter(&painted);
            painter.setPen(PainterPen());
            painter.drawLine(x1, y1, x2, y2);
        }
        DrawWideLine(canvas, x1, y1, x2, y2, red);
        const int d = DifferingPixels(painted, drawn, &inked);
        EXPECT_LE(d, 16) << x1 << "," << y1 << " " << x2 << "," << y2;
        differ += d;
    }
    EXPECT_LT(differ * 100, inked); // under 1 %
    // A target field over a background, partly outside: outline and hatching.
    for (const QPoint at : {QPoint(40, 40), QPoint(41, 37), QPoint(-10, 100), QPoint(140, -5)}) {
        painted.fill(qRgb(1, 2, 3));
        drawn.fill(qRgb(1, 2, 3));
        {
            QPainter painter(&painted);
            painter.setPen(PainterPen());
            painter.setBrush(QBrush(QColor(255, 0, 0), Qt::BDiagPattern));
            painter.drawRect(at.x(), at.y(), 32, 32);
        }
        DrawTargetField(canvas, at.x(), at.y(), red);
        EXPECT_EQ(DifferingPixels(painted, drawn), 0) << at.x() << "," << at.y();
    }
}

TEST(LevelOverlays, PlacingAfterTheSwitchOverlayGivesCrispBlocks)
{
    Fixture f;
    f.doc.setTableCell(LevelTable::Switches, 1, 1, QStringLiteral("30"));
    f.doc.setTableCell(LevelTable::Switches, 3, 1, QStringLiteral("31"));
    f.picture.drawlevel(true, false);
    f.doc.writeCell(31, 0, 6);
    f.picture.drawCell(31, 0);
    for (int x = 31 * 32; x < 32 * 32; ++x)
        for (int y = 0; y < 32; ++y)
            ASSERT_EQ(f.at(x, y), Fixture::rgb(LineColor(3, 1))) << x << "," << y;
}
