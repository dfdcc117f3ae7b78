// Palette grid geometry: pointer positions to picks, the info line, and the picture of the grid.
#include "palette/ataripalette.h"
#include "palette/palettepick.h"
#include "common/packedcolor_picture.h"

#include <gtest/gtest.h>

namespace {

struct PickCase {
    int x, y;
    const char* code;
    PackedColor textColor;
};

class PickAtTest : public ::testing::TestWithParam<PickCase> {};

TEST_P(PickAtTest, GivesCodeColourAndCaptionColour)
{
    const PickCase c = GetParam();
    const PalettePick pick = PickAt(c.x, c.y);
    EXPECT_EQ(pick.colorCode(), QString::fromLatin1(c.code));
    EXPECT_EQ(pick.textColor(), c.textColor);
    EXPECT_EQ(pick.color(), PaletteColor(static_cast<AtariColor>(pick.colorCode().toInt(nullptr, 16))));
}

INSTANTIATE_TEST_SUITE_P(
    Grid, PickAtTest,
    ::testing::Values(
        // Column 1 shows luminance 0, anywhere in the cell, line included.
        PickCase{32, 0, "00", kWhite}, PickCase{63, 31, "00", kWhite},
        // Luminance 9 is never shown: column 9 gives 8, column 10 gives A with black text.
        PickCase{9 * 32 + 5, 10 * 32 + 5, "A8", kWhite}, PickCase{10 * 32, 10 * 32 + 30, "AA", kBlack},
        // Hue rows 1 and F look alike but hand back different codes.
        PickCase{4 * 32, 1 * 32, "14", kWhite}, PickCase{4 * 32, 15 * 32, "F4", kWhite},
        PickCase{511, 511, "FE", kBlack},
        // The grid keeps the mouse while a button is held: past the edge means 15.
        PickCase{512, 0, "0F", kBlack}, PickCase{5000, 5000, "FF", kBlack}, PickCase{0, 600, "F0", kWhite},
        // Left of or above the grid: never a negative index (-5/32 truncates to 0, -40/32 to -1).
        PickCase{-5, -5, "00", kWhite}, PickCase{-40, -40, "00", kWhite},
        PickCase{-100000, 3 * 32, "30", kWhite}, PickCase{6 * 32, -100000, "06", kWhite}));

TEST(PalettePickTest, InfoTextShowsDecimalChannels)
{
    EXPECT_EQ(PickAt(32, 0).infoText(), QStringLiteral("Rot: 0        Grün: 0        Blau: 0"));
    // Hue A at luminance 8: base -58, 26, 20 plus 128.
    EXPECT_EQ(PickAt(9 * 32, 10 * 32).infoText(), QStringLiteral("Rot: 70        Grün: 154        Blau: 148"));
}

TEST(PaletteGridTest, CellsShowEvenLuminancesBetweenGridLines)
{
    const QImage grid = DrawPaletteGrid();
    ASSERT_EQ(grid.size(), QSize(512, 512));
    auto pixel = [&](int x, int y) { return grid.pixel(x, y) & 0xFFFFFF; };
    auto cellPixel = [&](int column, int row, int dx, int dy) { return pixel(column * 32 + dx, row * 32 + dy); };

    // Column 3 of row 4 shows $42 over the whole 31 x 31 cell.
    const QRgb c42 = ToQRgb(PaletteColor(0x42)) & 0xFFFFFF;
    EXPECT_EQ(cellPixel(3, 4, 0, 0), c42);
    EXPECT_EQ(cellPixel(3, 4, 30, 30), c42);
    EXPECT_EQ(cellPixel(2, 4, 15, 15), c42);
    EXPECT_EQ(cellPixel(15, 15, 15, 15), ToQRgb(PaletteColor(0xFE)) & 0xFFFFFF);
    EXPECT_EQ(cellPixel(0, 0, 15, 15), 0u);

    // The line after each cell is not part of it.
    EXPECT_NE(cellPixel(0, 0, 31, 15), 0u);
    EXPECT_NE(cellPixel(0, 0, 15, 31), 0u);
    EXPECT_NE(cellPixel(3, 4, 31, 15), c42);
}

} // namespace
