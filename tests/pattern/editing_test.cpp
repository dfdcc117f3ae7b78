// Painting, shifting, mirroring, filling, swapping and typing bytes in the pattern editor model.
#include "common/errors.h"
#include "pattern/patterneditor.h"

#include <gtest/gtest.h>

namespace {

// The pixel codes of pattern row y as a text "0123|0003".
QString RowCodes(const PatternEditor& e, int y)
{
    QString s;
    for (int x = 0; x < 8; ++x) {
        if (x == 4)
            s += QLatin1Char('|');
        s += e.buffer().grid(x, y);
    }
    return s;
}

void SetRow(PatternEditor& e, int y, int left, int right)
{
    e.setDataCell(0, y, QString::number(left));
    e.setDataCell(1, y, QString::number(right));
}

// An edit buffer with a distinct byte in every cell and distinct row colours.
PatternEditor Distinct()
{
    PatternEditor e;
    for (int y = 0; y < 16; ++y) {
        SetRow(e, y, 17 * y, 255 - 13 * y);
        for (int c = 0; c < 3; ++c)
            e.document().setRowColor(c, y, {PackedColor(0x10000 * y + c), QStringLiteral("%1%2").arg(c).arg(y % 10)});
    }
    e.ReCalcdata();
    return e;
}

QStringList DataCells(const PatternEditor& e)
{
    QStringList cells;
    for (int y = 0; y < 16; ++y)
        cells << e.buffer().data(0, y) << e.buffer().data(1, y);
    return cells;
}

} // namespace

TEST(Editing, PaintingWritesTheCodeUpdatesBytesAndLocksLaden)
{
    PatternEditor e;
    e.setPaintText(QStringLiteral("2"));
    e.surfaceMouseMove(3 * 32 + 5, 4 * 16 + 2, false);
    EXPECT_TRUE(e.ladenEnabled()) << "moving without a button paints nothing";
    e.surfaceMousePress();
    EXPECT_EQ(e.buffer().grid(3, 4), QStringLiteral("2"));
    EXPECT_EQ(e.buffer().data(0, 4), QStringLiteral("2")); // pixel 3 sits in bits 1-0
    EXPECT_FALSE(e.ladenEnabled());

    // Dragging with the left button paints every cell reached.
    e.surfaceMouseMove(6 * 32, 4 * 16, true);
    EXPECT_EQ(e.buffer().grid(6, 4), QStringLiteral("2"));
    EXPECT_EQ(e.buffer().data(1, 4), QStringLiteral("8"));
    // Dragging with another button paints nothing more.
    e.surfaceMouseMove(7 * 32, 4 * 16, false);
    EXPECT_EQ(e.buffer().grid(7, 4), QStringLiteral("0"));
}

TEST(Editing, PositionsOutsideThePattern)
{
    PatternEditor e;
    e.setPaintText(QStringLiteral("1"));
    // Beyond the left or top edge: column 0 or row 0.
    e.surfaceMouseMove(-40, -40, true);
    EXPECT_EQ(e.buffer().grid(0, 0), QStringLiteral("1"));
    // Beyond the right or bottom edge: nothing changes.
    PatternEditor f;
    f.setPaintText(QStringLiteral("3"));
    for (const QPoint p : {QPoint(300, 10), QPoint(10, 300), QPoint(9999, 9999)}) {
        f.surfaceMouseMove(p.x(), p.y(), true);
        f.surfaceMousePress();
        f.surfaceDoubleClick();
        f.surfaceMouseRelease(p.x(), p.y());
    }
    EXPECT_EQ(DataCells(f), DataCells(PatternEditor()));
    EXPECT_TRUE(f.ladenEnabled());
}

TEST(Editing, PaintValuesStayPixelCodes)
{
    struct Case {
        const char* paint;
        const char* written; // nullptr: nothing painted
    } cases[] = {{"0", "0"}, {"3", "3"}, {"4", "3"}, {"x", nullptr}, {"", nullptr}, {"12", nullptr}};
    for (const auto& c : cases) {
        PatternEditor e;
        e.setGridCell(0, 0, QStringLiteral("1"));
        e.setPaintText(QLatin1String(c.paint));
        e.surfaceMousePress();
        EXPECT_EQ(e.buffer().grid(0, 0), QLatin1String(c.written ? c.written : "1")) << c.paint;
        EXPECT_EQ(e.ladenEnabled(), c.written == nullptr) << c.paint;
    }
}

TEST(Editing, PlayerModeDragTakesTheRowColourAsSwatch)
{
    PatternEditor e;
    e.setMode(QStringLiteral("Player"));
    e.document().setRowColor(1, 5, {0x123456, e.rowColors().at(1, 5).code});
    e.setPaintText(QStringLiteral("2"));
    e.surfaceMouseMove(0, 5 * 16, true);
    EXPECT_EQ(e.paint().color, 0x123456u);
    e.setPaintText(QStringLiteral("0"));
    e.surfaceMouseMove(0, 5 * 16, true);
    EXPECT_EQ(e.paint().color, e.registers()[0].displayColor);
}

TEST(Editing, FillUsesThePaintValue)
{
    const struct {
        const char* paint;
        const char* byte;
    } cases[] = {{"2", "170"}, {"0", "0"}, {"3", "255"}, {"x", "0"}, {"4", "255"}};
    for (const auto& c : cases) {
        PatternEditor e;
        e.setPaintText(QLatin1String(c.paint));
        e.fill();
        for (const QString& cell : DataCells(e))
            ASSERT_EQ(cell, QLatin1String(c.byte)) << c.paint;
        EXPECT_EQ(e.buffer().grid(7, 15), QString::number(QString::fromLatin1(c.byte).toInt() & 3));
    }
}

TEST(Editing, ShiftsComeBackAfterAFullTurn)
{
    const PatternEditor start = Distinct();
    PatternEditor e = start;
    for (int i = 0; i < 8; ++i)
        e.rotateLeft();
    EXPECT_EQ(DataCells(e), DataCells(start));
    for (int i = 0; i < 8; ++i)
        e.rotateRight();
    EXPECT_EQ(DataCells(e), DataCells(start));
    for (int i = 0; i < 16; ++i)
        e.rotateUp();
    EXPECT_EQ(DataCells(e), DataCells(start));
    EXPECT_EQ(e.rowColors(), start.rowColors());
}

TEST(Editing, SingleShiftsMoveRowsAndPixels)
{
    PatternEditor e;
    SetRow(e, 0, 27, 3); // 0 1 2 3 | 0 0 0 3
    SetRow(e, 15, 255, 0);
    e.document().setRowColor(0, 15, {0xABCDEF, e.rowColors().at(0, 15).code});
    e.ReCalcdata();

    PatternEditor down = e;
    down.rotateDown();
    EXPECT_EQ(RowCodes(down, 0), QStringLiteral("3333|0000"));
    EXPECT_EQ(RowCodes(down, 1), QStringLiteral("0123|0003"));
    EXPECT_EQ(down.rowColors().at(0, 0).displayColor, 0xABCDEFu);

    PatternEditor left = e;
    left.rotateLeft();
    EXPECT_EQ(RowCodes(left, 0), QStringLiteral("1230|0030"));
    PatternEditor right = e;
    right.rotateRight();
    EXPECT_EQ(RowCodes(right, 0), QStringLiteral("3012|3000"));

    PatternEditor mirror = e;
    mirror.mirrorLeftRight();
    EXPECT_EQ(RowCodes(mirror, 0), QStringLiteral("3000|3210"));
    EXPECT_EQ(mirror.rowColors(), e.rowColors());

    PatternEditor flip = e;
    flip.mirrorTopBottom();
    EXPECT_EQ(RowCodes(flip, 15), QStringLiteral("0123|0003"));
    EXPECT_EQ(RowCodes(flip, 0), QStringLiteral("3333|0000"));
    EXPECT_EQ(flip.rowColors().at(0, 0).displayColor, 0xABCDEFu);
}

TEST(Editing, ShiftsKeepBytesInRangeAndStopAtText)
{
    PatternEditor e;
    SetRow(e, 0, 300, -5);
    e.rotateLeft();
    for (const QString& cell : DataCells(e)) {
        const int v = cell.toInt();
        EXPECT_TRUE(v >= 0 && v <= 255) << qPrintable(cell);
    }
    PatternEditor bad;
    bad.setDataCell(1, 3, QStringLiteral("zz"));
    try {
        bad.mirrorLeftRight();
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("'zz' ist kein gültiger Integerwert"));
    }
}

TEST(Editing, SwapExchangesThePatternNumbersInAllSets)
{
    PatternEditor e;
    for (int s = 1; s <= 8; ++s) {
        e.document().setPatternByte(s, 5, 0, 0, QStringLiteral("5%1").arg(s));
        e.document().setPatternByte(s, 9, 15, 1, QStringLiteral("9%1").arg(s));
    }
    e.setCurrentSet(3);
    e.setCurrentPattern(5);
    e.Laden();
    e.setDataCell(0, 1, QStringLiteral("77")); // unsaved edit, stored by the swap
    e.setSwapPattern(9);
    e.swapPatterns();
    for (int s = 1; s <= 8; ++s) {
        EXPECT_EQ(e.store().patternByte(s, 9, 0, 0), QStringLiteral("5%1").arg(s));
        EXPECT_EQ(e.store().patternByte(s, 5, 15, 1), QStringLiteral("9%1").arg(s));
        EXPECT_EQ(e.store().patternByte(s, 5, 0, 0), QStringLiteral("0"));
    }
    EXPECT_EQ(e.store().patternByte(3, 9, 1, 0), QStringLiteral("77"));
    EXPECT_EQ(e.buffer().data(1, 15), QStringLiteral("93")) << "the buffer shows pattern 5, the former 9";

    PatternEditor self;
    self.setCurrentPattern(5);
    self.setSwapPattern(5);
    self.setDataCell(0, 0, QStringLiteral("12"));
    self.swapPatterns();
    EXPECT_EQ(self.store().patternByte(1, 5, 0, 0), QStringLiteral("12"));
}

TEST(Editing, TypingReportsEachKeystroke)
{
    PatternEditor e;
    QStringList info;
    e.setInfoHandler([&](const QString& line) { info << line; });
    e.typeData(1, 2, QStringLiteral("3"));
    e.typeData(1, 2, QStringLiteral("30"));
    e.typeData(1, 2, QStringLiteral("300"));
    EXPECT_EQ(info, QStringList({"hi", "hi", "hi"}));
    EXPECT_EQ(RowCodes(e, 2), QStringLiteral("0000|3333"));
    EXPECT_TRUE(e.ladenEnabled());
    EXPECT_EQ(e.store().patternByte(1, 1, 2, 1), QStringLiteral("0")) << "typing does not reach the store";
    EXPECT_THROW(e.typeData(1, 2, QString()), ConversionError);
    EXPECT_EQ(info.size(), 4);
}
