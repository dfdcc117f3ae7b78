// Atari colour bytes, their two-digit text form, and packed RGB screen colours.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

// One Atari colour: hue in the high nibble, luminance in the low nibble.
using AtariColor = std::uint8_t;

// A screen colour as R + G * 256 + B * 65536 (red in the low byte).
using PackedColor = std::uint32_t;

constexpr PackedColor kWhite = 0xFFFFFF;
constexpr PackedColor kBlack = 0x000000;
constexpr PackedColor kCream = 0xF0FBFF;

constexpr int Hue(AtariColor c) { return c >> 4; }
constexpr int Luminance(AtariColor c) { return c & 15; }

constexpr PackedColor PackRgb(int r, int g, int b)
{
    return static_cast<PackedColor>(r & 255) | (static_cast<PackedColor>(g & 255) << 8)
        | (static_cast<PackedColor>(b & 255) << 16);
}
constexpr int Red(PackedColor c) { return c & 255; }
constexpr int Green(PackedColor c) { return (c >> 8) & 255; }
constexpr int Blue(PackedColor c) { return (c >> 16) & 255; }

inline QColor ToQColor(PackedColor c) { return QColor(Red(c), Green(c), Blue(c)); }
inline PackedColor FromQColor(const QColor& c) { return PackRgb(c.red(), c.green(), c.blue()); }
inline QRgb ToQRgb(PackedColor c) { return qRgb(Red(c), Green(c), Blue(c)); }

// Value of one ColorCode digit: "0"-"9" and upper-case "A"-"F"; anything else counts 0.
int ColorCodeDigitValue(QChar digit);

// Upper-case hex digit of a value 0-15.
QChar HexDigitChar(int value);

// The two-character ColorCode of an Atari colour, hue digit first ("A4").
QString ColorCodeOf(AtariColor c);
// The ColorCode of hue and luminance given apart.
QString ColorCodeOf(int hue, int luminance);

// The caption text colour on a panel of this luminance: white for 0-9, black for 10-15.
constexpr PackedColor ContrastTextColor(int luminance) { return luminance < 10 ? kWhite : kBlack; }
