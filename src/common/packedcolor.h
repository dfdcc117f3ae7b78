// Screen colours packed into one integer, the form every window and file of the program shares.
#pragma once

#include <cstdint>
#if __has_include(<QColor>)
#include <QColor>
#endif

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

#if __has_include(<QColor>)
// Where QtGui is at hand (pictures and windows); the model code on Qt Core alone keeps to PackedColor.
inline QColor ToQColor(PackedColor c) { return QColor(Red(c), Green(c), Blue(c)); }
inline PackedColor FromQColor(const QColor& c) { return PackRgb(c.red(), c.green(), c.blue()); }
inline QRgb ToQRgb(PackedColor c) { return qRgb(Red(c), Green(c), Blue(c)); }
#endif
