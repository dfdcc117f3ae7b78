// Nearest palette colour: per 16 x 16 x 16 colour box, only the entries that can be closest for some
// colour of the box are scanned, in index order, with the same rule as a scan of all 256 entries.
#include "converter/nearestpalettecolor.h"

#include "palette/ataripalette.h"
#include "common/packedcolor_picture.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <mutex>

namespace {

constexpr int kBoxBits = 4;
constexpr int kBoxSide = 1 << kBoxBits;
constexpr int kBoxesPerChannel = 256 / kBoxSide;
constexpr int kBoxCount = kBoxesPerChannel * kBoxesPerChannel * kBoxesPerChannel;

// Distance of a channel value to the nearest and the farthest point of [low, low + side - 1].
int NearestInRange(int value, int low)
{
    const int high = low + kBoxSide - 1;
    return value < low ? low - value : value > high ? value - high : 0;
}
int FarthestInRange(int value, int low)
{
    return std::max(std::abs(value - low), std::abs(value - (low + kBoxSide - 1)));
}

class CandidateLists {
public:
    const std::vector<AtariColor>& of(int r, int g, int b)
    {
        const int box = ((r >> kBoxBits) * kBoxesPerChannel + (g >> kBoxBits)) * kBoxesPerChannel + (b >> kBoxBits);
        std::call_once(mBuilt[box], [&] { build(box, r & ~(kBoxSide - 1), g & ~(kBoxSide - 1), b & ~(kBoxSide - 1)); });
        return mLists[box];
    }

private:
    // An entry can win (or tie) somewhere in the box only if its nearest possible distance is at most
    // the smallest farthest distance of any entry: every other entry loses everywhere in the box.
    void build(int box, int r0, int g0, int b0)
    {
        const auto& t = AtariPalette::table();
        int bound = 768;
        std::array<int, 256> nearest{};
        for (int i = 0; i < 256; ++i) {
            const int r = t[3 * i], g = t[3 * i + 1], b = t[3 * i + 2];
            nearest[i] = NearestInRange(r, r0) + NearestInRange(g, g0) + NearestInRange(b, b0);
            bound = std::min(bound, FarthestInRange(r, r0) + FarthestInRange(g, g0) + FarthestInRange(b, b0));
        }
        std::vector<AtariColor>& list = mLists[box];
        for (int i = 0; i < 256; ++i)
            if (nearest[i] <= bound)
                list.push_back(static_cast<AtariColor>(i));
    }

    std::array<std::vector<AtariColor>, kBoxCount> mLists;
    std::array<std::once_flag, kBoxCount> mBuilt;
};

CandidateLists& Candidates()
{
    static CandidateLists lists;
    return lists;
}

} // namespace

AtariColor NearestPaletteEntry(PackedColor color)
{
    const int r = Red(color), g = Green(color), b = Blue(color);
    const auto& t = AtariPalette::table();
    int best = 768;
    AtariColor choice = 0;
    for (const AtariColor i : Candidates().of(r, g, b)) {
        const int d = std::abs(r - t[3 * i]) + std::abs(g - t[3 * i + 1]) + std::abs(b - t[3 * i + 2]);
        if (d <= best) {
            best = d;
            choice = i;
        }
    }
    return choice;
}

PackedColor NearestPaletteColor(PackedColor color)
{
    return PaletteColor(NearestPaletteEntry(color));
}

PaletteQuantizer::PaletteQuantizer() : mKeys(std::size_t{1} << kCacheBits, 0), mValues(std::size_t{1} << kCacheBits, 0)
{
}

PackedColor PaletteQuantizer::nearest(PackedColor color)
{
    color &= 0xFFFFFF;
    // Mixing the channels spreads the neighbouring colours of a gradient over the slots.
    const std::uint32_t slot = ((color * 2654435761u) >> (32 - kCacheBits));
    const std::uint32_t key = color | 0x80000000u;
    if (mKeys[slot] != key) {
        mKeys[slot] = key;
        mValues[slot] = NearestPaletteColor(color);
    }
    return mValues[slot];
}

void PaletteQuantizer::quantize(QImage& picture)
{
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        QRgb lastIn = 0;
        QRgb lastOut = 0;
        bool haveLast = false;
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb in = line[x];
            if (!haveLast || in != lastIn) {
                lastIn = in;
                lastOut = ToQRgb(nearest(FromPixel(in)));
                haveLast = true;
            }
            line[x] = lastOut;
        }
    }
}
