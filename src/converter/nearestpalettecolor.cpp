// Nearest palette colour: the colour cube is cut into boxes of 4 x 4 x 4 colours; for each box a table
// holds the entries that can be closest for some colour of it, in index order, and those are scanned
// with the same rule as a scan of all 256 entries. The lists are made in two steps: first for boxes
// of 16 x 16 x 16 from all entries, then for each small box from the list of the big box around it.
#include "converter/nearestpalettecolor.h"

#include "palette/ataripalette.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

constexpr int kCoarseBits = 4;
constexpr int kFineBits = 2;
constexpr int kFinePerChannel = 256 >> kFineBits;

// Distance of a channel value to the nearest and the farthest value of [low, high].
int NearestInRange(int value, int low, int high)
{
    return value < low ? low - value : value > high ? value - high : 0;
}
int FarthestInRange(int value, int low, int high)
{
    return std::max(std::abs(value - low), std::abs(value - high));
}

// The entries of from that can be closest (or tie and win) somewhere in the box of the given side
// whose lowest corner is (r0, g0, b0). An entry can only if its nearest possible distance is at most
// the smallest farthest distance of any entry: every other entry loses everywhere in the box. An
// entry whose colour a higher entry repeats never wins, since the higher one wins the tie.
void PossibleEntries(std::span<const AtariColor> from, int r0, int g0, int b0, int side, std::vector<AtariColor>& out)
{
    const auto& t = AtariPalette::table();
    const int r1 = r0 + side - 1, g1 = g0 + side - 1, b1 = b0 + side - 1;
    std::array<int, 256> nearest{};
    int bound = 768;
    for (const AtariColor i : from) {
        const int r = t[3 * i], g = t[3 * i + 1], b = t[3 * i + 2];
        nearest[i] = NearestInRange(r, r0, r1) + NearestInRange(g, g0, g1) + NearestInRange(b, b0, b1);
        bound = std::min(bound, FarthestInRange(r, r0, r1) + FarthestInRange(g, g0, g1) + FarthestInRange(b, b0, b1));
    }
    for (const AtariColor i : from)
        if (nearest[i] <= bound)
            out.push_back(i);
}

class NearestTable {
public:
    NearestTable()
    {
        const auto& t = AtariPalette::table();
        std::vector<AtariColor> all;
        for (int i = 0; i < 256; ++i) {
            bool repeated = false;
            for (int j = i + 1; j < 256 && !repeated; ++j)
                repeated = t[3 * i] == t[3 * j] && t[3 * i + 1] == t[3 * j + 1] && t[3 * i + 2] == t[3 * j + 2];
            if (!repeated)
                all.push_back(static_cast<AtariColor>(i));
        }
        constexpr int kCoarseSide = 1 << kCoarseBits;
        constexpr int kFineSide = 1 << kFineBits;
        constexpr int kFinePerCoarse = kCoarseSide / kFineSide;
        mBoxes.resize(std::size_t{1} << (3 * (8 - kFineBits)));
        std::vector<AtariColor> coarse;
        for (int cr = 0; cr < 256; cr += kCoarseSide)
            for (int cg = 0; cg < 256; cg += kCoarseSide)
                for (int cb = 0; cb < 256; cb += kCoarseSide) {
                    coarse.clear();
                    PossibleEntries(all, cr, cg, cb, kCoarseSide, coarse);
                    for (int i = 0; i < kFinePerCoarse * kFinePerCoarse * kFinePerCoarse; ++i) {
                        const int r0 = cr + (i / (kFinePerCoarse * kFinePerCoarse)) * kFineSide;
                        const int g0 = cg + (i / kFinePerCoarse % kFinePerCoarse) * kFineSide;
                        const int b0 = cb + (i % kFinePerCoarse) * kFineSide;
                        const std::size_t first = mEntries.size();
                        PossibleEntries(coarse, r0, g0, b0, kFineSide, mEntries);
                        mBoxes[boxOf(r0, g0, b0)] = static_cast<std::uint32_t>(first << 8 | (mEntries.size() - first));
                    }
                }
    }

    AtariColor nearest(int r, int g, int b) const
    {
        const std::uint32_t box = mBoxes[boxOf(r, g, b)];
        const AtariColor* entry = mEntries.data() + (box >> 8);
        const int count = static_cast<int>(box & 255);
        if (count == 1)
            return *entry;
        const auto& t = AtariPalette::table();
        int best = 768;
        AtariColor choice = 0;
        for (int k = 0; k < count; ++k) {
            const int i = entry[k];
            const int d = std::abs(r - t[3 * i]) + std::abs(g - t[3 * i + 1]) + std::abs(b - t[3 * i + 2]);
            if (d <= best) {
                best = d;
                choice = entry[k];
            }
        }
        return choice;
    }

private:
    static std::size_t boxOf(int r, int g, int b)
    {
        return (std::size_t(r >> kFineBits) * kFinePerChannel + std::size_t(g >> kFineBits)) * kFinePerChannel
            + std::size_t(b >> kFineBits);
    }

    // Per small box: the index of its first entry in mEntries (upper 24 bits) and their count (lower 8).
    std::vector<std::uint32_t> mBoxes;
    std::vector<AtariColor> mEntries;
};

const NearestTable& Table()
{
    static const NearestTable table;
    return table;
}

} // namespace

AtariColor NearestPaletteEntry(PackedColor color)
{
    return Table().nearest(Red(color), Green(color), Blue(color));
}

PackedColor NearestPaletteColor(PackedColor color)
{
    return PaletteColor(NearestPaletteEntry(color));
}

void QuantizeToPalette(QImage& picture)
{
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    const NearestTable& table = Table();
    std::array<QRgb, 256> pixelOf{};
    for (int i = 0; i < 256; ++i)
        pixelOf[i] = ToQRgb(PaletteColor(static_cast<AtariColor>(i)));
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        // Runs of one colour are looked up once.
        QRgb lastIn = 0;
        QRgb lastOut = pixelOf[table.nearest(0, 0, 0)];
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb in = line[x] & 0xFFFFFF;
            if (in != lastIn) {
                lastIn = in;
                lastOut = pixelOf[table.nearest(qRed(in), qGreen(in), qBlue(in))];
            }
            line[x] = lastOut;
        }
    }
}
