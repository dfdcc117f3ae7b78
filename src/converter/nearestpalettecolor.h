// The nearest Atari palette colour of a screen colour, and the quantisation of a whole picture.
#pragma once

#include "palette/ataricolor.h"

#include <QImage>

// The palette entry closest to the colour by the sum of the channel differences; of several
// equally close entries the one with the highest index wins. Exact, and fast through a table over
// small colour boxes that holds each box's only possible entries (built once, on first use, for
// every caller alike): most boxes have a single one, so most colours cost a table read.
AtariColor NearestPaletteEntry(PackedColor color);
// The colour of that entry.
PackedColor NearestPaletteColor(PackedColor color);

// Replaces every pixel of a picture by its nearest palette colour; the picture becomes 32-bit RGB.
void QuantizeToPalette(QImage& picture);

// The screen colour of a 32-bit pixel of a QImage (ToQRgb goes the other way).
constexpr PackedColor FromPixel(QRgb pixel) { return PackRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)); }
