// Atari colour bytes and their two-digit text form.
#pragma once

#include "common/packedcolor.h"

#include <QString>
#include <cstdint>

// One Atari colour: hue in the high nibble, luminance in the low nibble.
using AtariColor = std::uint8_t;

constexpr int Hue(AtariColor c) { return c >> 4; }
constexpr int Luminance(AtariColor c) { return c & 15; }

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
