// The nearest palette colour: the exact rule against a plain scan, ties, and whole pictures.
#include "converter/graphicsconverter.h"
#include "converter/linezoom.h"
#include "converter/nearestpalettecolor.h"
#include "palette/ataripalette.h"
#include "support/testpicture.h"

#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

// The rule as written: all 256 entries in order, best distance starting at 768, "<=" wins.
AtariColor ScanAllEntries(int r, int g, int b)
{
    const auto& t = AtariPalette::table();
    int best = 768;
    int choice = 0;
    for (int i = 0; i < 256; ++i) {
        const int d = std::abs(r - t[3 * i]) + std::abs(g - t[3 * i + 1]) + std::abs(b - t[3 * i + 2]);
        if (d <= best) {
            best = d;
            choice = i;
        }
    }
    return static_cast<AtariColor>(choice);
}

TEST(NearestPaletteColor, TiesGoToTheHigherEntry)
{
    // (8, 8, 8) lies 24 from black $00 and 24 from $01 (16, 16, 16).
    EXPECT_EQ(NearestPaletteEntry(PackRgb(8, 8, 8)), 0x01);
    EXPECT_EQ(NearestPaletteColor(PackRgb(8, 8, 8)), PackRgb(16, 16, 16));
    EXPECT_EQ(NearestPaletteEntry(PackRgb(7, 7, 7)), 0x00);
    // Hue 15 repeats hue 1: the same colour picks the entry of hue 15.
    EXPECT_EQ(NearestPaletteEntry(PaletteColor(0x1A)), 0xFA);
    // Luminance 15 of hue 4 clips to the same colour as hue 5's: hue 5 wins.
    EXPECT_EQ(NearestPaletteEntry(PaletteColor(0x4F)), 0x5F);
    EXPECT_EQ(NearestPaletteEntry(PaletteColor(0x46)), 0x46);
    EXPECT_EQ(NearestPaletteEntry(PackRgb(255, 255, 255)), ScanAllEntries(255, 255, 255));
}

TEST(NearestPaletteColor, AgreesWithAScanOfAllEntries)
{
    // A coarse grid through the whole cube, plus every value around the colour box edges in one
    // channel, plus random colours.
    int checked = 0;
    auto check = [&checked](int r, int g, int b) {
        ASSERT_EQ(NearestPaletteEntry(PackRgb(r, g, b)), ScanAllEntries(r, g, b)) << r << "," << g << "," << b;
        ++checked;
    };
    for (int r = 0; r < 256; r += 7)
        for (int g = 0; g < 256; g += 7)
            for (int b = 0; b < 256; b += 7)
                check(r, g, b);
    for (int edge = 0; edge < 256; edge += 16)
        for (int v : {edge - 1, edge, edge + 1, edge + 15})
            if (v >= 0 && v < 256)
                for (int o = 0; o < 256; o += 5) {
                    check(v, o, 255 - o);
                    check(o, v, (o * 3) & 255);
                    check((o * 7) & 255, 255 - o, v);
                }
    std::mt19937 random(14);
    for (int i = 0; i < 200000; ++i) {
        const std::uint32_t c = random();
        check(c & 255, (c >> 8) & 255, (c >> 16) & 255);
    }
    EXPECT_GT(checked, 250000);
}

TEST(NearestPaletteColor, AgreesWithAScanOfAllEntriesAtEveryBoxCornerAndOnTies)
{
    // The lookup cuts the cube into boxes of 4 x 4 x 4: both ends of every box in every channel.
    std::vector<int> ends;
    for (int low = 0; low < 256; low += 4)
        ends.insert(ends.end(), {low, low + 3});
    for (const int r : ends)
        for (const int g : ends)
            for (const int b : ends)
                ASSERT_EQ(NearestPaletteEntry(PackRgb(r, g, b)), ScanAllEntries(r, g, b)) << r << "," << g << "," << b;
    // Colours half-way between two entries, many of them equally far from both.
    const auto& t = AtariPalette::table();
    std::mt19937 random(7);
    int ties = 0;
    for (int n = 0; n < 100000; ++n) {
        const int i = static_cast<int>(random() % 256), j = static_cast<int>(random() % 256);
        const int r = (t[3 * i] + t[3 * j]) / 2, g = (t[3 * i + 1] + t[3 * j + 1]) / 2, b = (t[3 * i + 2] + t[3 * j + 2]) / 2;
        const AtariColor expected = ScanAllEntries(r, g, b);
        ASSERT_EQ(NearestPaletteEntry(PackRgb(r, g, b)), expected) << r << "," << g << "," << b;
        const auto distance = [&](int e) {
            return std::abs(r - t[3 * e]) + std::abs(g - t[3 * e + 1]) + std::abs(b - t[3 * e + 2]);
        };
        const int best = distance(expected);
        for (int e = 0; e < expected; ++e)
            if (distance(e) == best && PaletteColor(static_cast<AtariColor>(e)) != PaletteColor(expected)) {
                ++ties;
                break;
            }
    }
    EXPECT_GT(ties, 1000);
}

// Every pixel of a picture that the converter took is its original's nearest entry by a scan of all.
void ExpectEveryPixelScanned(const QImage& original)
{
    GraphicsConverter converter;
    converter.TakePicture(original);
    const QImage& picture = converter.picture();
    ASSERT_EQ(picture.size(), original.size());
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    const QImage source = original.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        const auto* out = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_EQ(out[x], ToQRgb(PaletteColor(ScanAllEntries(qRed(in[x]), qGreen(in[x]), qBlue(in[x])))))
                << x << "," << y;
    }
}

TEST(QuantizeToPalette, EveryPixelOfTheTestPicturesAsByAScanOfAllEntries)
{
    QImage small(37, 5, QImage::Format_ARGB32);
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            small.setPixel(x, y, qRgb(x * 7, y * 50, (x * y) & 255));
    ExpectEveryPixelScanned(small);
    ExpectEveryPixelScanned(MadeUpPhoto(320, 200));
    const QImage grainy = GrainyPhoto(1920, 1080);
    // The grainy photo is the benchmark's picture of over a million distinct colours.
    std::vector<bool> seen(1 << 24);
    int distinct = 0;
    for (int y = 0; y < grainy.height(); ++y)
        for (int x = 0; x < grainy.width(); ++x) {
            const QRgb c = grainy.pixel(x, y) & 0xFFFFFF;
            distinct += seen[c] ? 0 : 1;
            seen[c] = true;
        }
    EXPECT_GT(distinct, 1000000);
    ExpectEveryPixelScanned(grainy.copy(0, 0, 640, 1080));
}

TEST(LineZoom, LoadAndResizeRules)
{
    // 600 / 51 - 1 = 10 is more than 8; 300 / 51 - 1 = 4 keeps the current value.
    EXPECT_EQ(LineZoomAfterLoad(600, 50, 3), 10);
    EXPECT_EQ(LineZoomAfterLoad(300, 50, 3), 3);
    EXPECT_EQ(LineZoomAfterLoad(100000, 1, 8), kMaxLineZoom);
    EXPECT_EQ(LineZoomAfterResize(300, 51), 8);
    EXPECT_EQ(LineZoomAfterResize(1000, 51), 18);
    EXPECT_EQ(PictureDisplayHeight(8, 51), 450);
}

} // namespace
