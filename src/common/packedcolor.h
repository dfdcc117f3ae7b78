// Screen colours packed into one integer, the form every window and file of the program shares.
#pragma once

#include <cstdint>

// A screen colour as R + G * 256 + B * 65536 (red in the low byte).
using PackedColor = std::uint32_t;

constexpr PackedColor kWhite = 0xFFFFFF;
constexpr PackedColor kBlack = 0x000000;
constexpr PackedColor kCream = 0xF0FBFF;

constexpr PackedColor PackRgb(int r, int g, int b)
{
    return static_cast<PackedColor>(r & 255) | (static_cast<PackedColor>(g & 255) << 8)
        | (static_cast<PackedColor>(b & 255) << 16);
}
constexpr int Red(PackedColor c) { return c & 255; }
constexpr int Green(PackedColor c) { return (c >> 8) & 255; }
constexpr int Blue(PackedColor c) { return (c >> 16) & 255; }
