// The fixed 256-entry RGB table of Atari colours.
#pragma once

#include "palette/ataricolor.h"

#include <array>

// 768 bytes: entry i (the AtariColor) is R, G, B at 3i, 3i + 1, 3i + 2.
class AtariPalette {
public:
    static const std::array<std::uint8_t, 768>& table();
    static int red(AtariColor c) { return table()[3 * c]; }
    static int green(AtariColor c) { return table()[3 * c + 1]; }
    static int blue(AtariColor c) { return table()[3 * c + 2]; }
};

// The screen colour of an Atari colour.
PackedColor PaletteColor(AtariColor c);
// The same with hue and luminance given apart (each 0-15).
PackedColor PaletteColor(int hue, int luminance);
