// The palette, built from a 16-row table of per-hue channel offsets plus 16 per luminance step.
#include "palette/ataripalette.h"

#include <algorithm>

namespace {

constexpr int kBase[16][3] = {
    {0, 0, 0},       {56, 0, -148},  {63, -14, -93}, {58, -26, -20},
    {42, -31, 56},   {17, -31, 122}, {-11, -24, 164}, {-37, -13, 173},
    {-56, 0, 148},   {-63, 14, 93},  {-58, 26, 20},  {-42, 31, -56},
    {-17, 31, -122}, {11, 24, -164}, {37, 13, -173}, {56, 0, -148},
};

constexpr std::array<std::uint8_t, 768> BuildTable()
{
    std::array<std::uint8_t, 768> t{};
    for (int h = 0; h < 16; ++h)
        for (int l = 0; l < 16; ++l)
            for (int c = 0; c < 3; ++c)
                t[3 * (16 * h + l) + c] = static_cast<std::uint8_t>(std::clamp(kBase[h][c] + 16 * l, 0, 255));
    return t;
}

constexpr std::array<std::uint8_t, 768> kTable = BuildTable();

} // namespace

const std::array<std::uint8_t, 768>& AtariPalette::table()
{
    return kTable;
}

PackedColor PaletteColor(AtariColor c)
{
    return PackRgb(kTable[3 * c], kTable[3 * c + 1], kTable[3 * c + 2]);
}

PackedColor PaletteColor(int hue, int luminance)
{
    return PaletteColor(static_cast<AtariColor>(((hue & 15) << 4) | (luminance & 15)));
}
