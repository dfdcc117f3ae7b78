// The nearest Atari palette colour of a screen colour, and the quantisation of a whole picture.
#pragma once

#include "palette/ataricolor.h"
#include "common/packedcolor_picture.h"

#include <QImage>

// The palette entry closest to the colour by the sum of the channel differences; of several
// equally close entries the one with the highest index wins. Exact, and a table read: the answers of a
// box of 4 x 4 x 4 colours are worked out when one of them is first asked for (from the few entries
// that can win in the box), kept for every caller alike (at most 16 MB, for pictures whose colours
// fill the whole colour cube). Safe to call from several threads.
AtariColor NearestPaletteEntry(PackedColor color);
// The colour of that entry.
PackedColor NearestPaletteColor(PackedColor color);

// Replaces every pixel of a picture by its nearest palette colour; the picture becomes 32-bit RGB.
void QuantizeToPalette(QImage& picture);

// The screen colour of a 32-bit pixel of a QImage (ToQRgb goes the other way).
constexpr PackedColor FromPixel(QRgb pixel) { return PackRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)); }
