// Nearest palette colour: the colour cube is cut into boxes of 4 x 4 x 4 colours. When a colour of a box
// is first asked for, the entries that can be closest for some colour of the box are found (from those
// of the box of 16 x 16 x 16 around it, found the same way from all entries) and scanned in index order
// with the same rule as a scan of all 256 entries, for each of the box's 64 colours; after that every
// colour of the box is a table read.
#include "converter/nearestpalettecolor.h"

#include "palette/ataripalette.h"
#include "common/packedcolor_picture.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <atomic>
#include <memory>
#include <new>
#include <mutex>
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

// The answers for every colour, 64 bytes per small box, in boxes filled on first use: a picture pays
// for the boxes its colours fall into (the memory of the others is never touched). Filling a box scans
// only its possible entries, taken from the possible entries of the big box around it.
class NearestTable {
public:
    NearestTable() : mAnswers(static_cast<AtariColor*>(std::calloc(std::size_t{1} << 24, 1)), &std::free)
    {
        if (!mAnswers)
            throw std::bad_alloc();
        const auto& t = AtariPalette::table();
        for (int i = 0; i < 256; ++i) {
            bool repeated = false;
            for (int j = i + 1; j < 256 && !repeated; ++j)
                repeated = t[3 * i] == t[3 * j] && t[3 * i + 1] == t[3 * j + 1] && t[3 * i + 2] == t[3 * j + 2];
            if (!repeated)
                mDistinct.push_back(static_cast<AtariColor>(i));
            else
                mNever = static_cast<AtariColor>(i);
        }
        // Hue 15 repeats hue 1, so there is an entry that never wins.
        Q_ASSERT(mDistinct.size() < 256);
    }

    AtariColor nearest(int r, int g, int b)
    {
        const std::size_t box = (std::size_t(r >> kFineBits) * kFinePerChannel + std::size_t(g >> kFineBits)) * kFinePerChannel
            + std::size_t(b >> kFineBits);
        constexpr int kMask = kFineSide - 1;
        const std::size_t at =
            box << (3 * kFineBits) | std::size_t((r & kMask) << (2 * kFineBits) | (g & kMask) << kFineBits | (b & kMask));
        AtariColor stored = std::atomic_ref(mAnswers.get()[at]).load(std::memory_order_relaxed);
        if (stored == 0) {
            fill(box, r & ~(kFineSide - 1), g & ~(kFineSide - 1), b & ~(kFineSide - 1));
            stored = std::atomic_ref(mAnswers.get()[at]).load(std::memory_order_relaxed);
        }
        return static_cast<AtariColor>(stored ^ mNever);
    }

private:
    static constexpr int kFineSide = 1 << kFineBits;
    static constexpr int kCoarseSide = 1 << kCoarseBits;
    static constexpr int kCoarsePerChannel = 256 >> kCoarseBits;

    void fill(std::size_t box, int r0, int g0, int b0)
    {
        const std::lock_guard lock(mMutex);
        AtariColor* answer = mAnswers.get() + (box << (3 * kFineBits));
        if (std::atomic_ref(*answer).load(std::memory_order_relaxed) != 0)
            return;
        const int coarse = ((r0 >> kCoarseBits) * kCoarsePerChannel + (g0 >> kCoarseBits)) * kCoarsePerChannel + (b0 >> kCoarseBits);
        std::vector<AtariColor>& around = mCoarse[coarse];
        if (around.empty())
            PossibleEntries(mDistinct, r0 & ~(kCoarseSide - 1), g0 & ~(kCoarseSide - 1), b0 & ~(kCoarseSide - 1),
                            kCoarseSide, around);
        std::vector<AtariColor> possible;
        PossibleEntries(around, r0, g0, b0, kFineSide, possible);
        // Each channel's share of the distance to each possible entry, for the box's 4 values.
        const auto& t = AtariPalette::table();
        std::vector<std::array<std::array<int, kFineSide>, 3>> shares(possible.size());
        for (std::size_t k = 0; k < possible.size(); ++k)
            for (int v = 0; v < kFineSide; ++v) {
                shares[k][0][v] = std::abs(r0 + v - t[3 * possible[k]]);
                shares[k][1][v] = std::abs(g0 + v - t[3 * possible[k] + 1]);
                shares[k][2][v] = std::abs(b0 + v - t[3 * possible[k] + 2]);
            }
        for (int r = 0; r < kFineSide; ++r)
            for (int g = 0; g < kFineSide; ++g)
                for (int b = 0; b < kFineSide; ++b) {
                    int best = 768;
                    AtariColor choice = 0;
                    for (std::size_t k = 0; k < possible.size(); ++k) {
                        const int d = shares[k][0][r] + shares[k][1][g] + shares[k][2][b];
                        if (d <= best) {
                            best = d;
                            choice = possible[k];
                        }
                    }
                    std::atomic_ref(*answer++).store(static_cast<AtariColor>(choice ^ mNever), std::memory_order_relaxed);
                }
    }

    std::vector<AtariColor> mDistinct; // the entries whose colour no higher entry repeats
    // An entry that never wins: the answers are kept as answer ^ mNever, so 0 stands for "not yet
    // worked out", and the zeroed memory of boxes never asked for is never touched.
    AtariColor mNever = 0;
    std::unique_ptr<AtariColor, decltype(&std::free)> mAnswers;
    std::array<std::vector<AtariColor>, kCoarsePerChannel * kCoarsePerChannel * kCoarsePerChannel> mCoarse;
    std::mutex mMutex;
};

NearestTable& Table()
{
    static NearestTable table;
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
    NearestTable& table = Table();
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
