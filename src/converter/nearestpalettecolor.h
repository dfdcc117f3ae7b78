// The nearest Atari palette colour of a screen colour, and the quantisation of a whole picture.
#pragma once

#include "palette/ataricolor.h"
#include "common/packedcolor_picture.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// The palette entry closest to the colour by the sum of the channel differences; of several
// equally close entries the one with the highest index wins. Exact, and fast through candidate lists
// per colour box (shared by all callers, built on first use of a box).
AtariColor NearestPaletteEntry(PackedColor color);
// The colour of that entry.
PackedColor NearestPaletteColor(PackedColor color);

// Quantises many pixels: remembers the answers of recently seen colours in a small direct-mapped
// cache, so a photo with runs of equal colours costs a table probe per pixel.
class PaletteQuantizer {
public:
    PaletteQuantizer();
    PackedColor nearest(PackedColor color);

    // Replaces every pixel of a 32-bit RGB picture by its nearest palette colour.
    void quantize(QImage& picture);

private:
    static constexpr int kCacheBits = 16;
    // Key: the colour with bit 31 set (so an empty slot never matches); value: the answer.
    std::vector<std::uint32_t> mKeys;
    std::vector<PackedColor> mValues;
};

// The screen colour of a 32-bit pixel of a QImage (ToQRgb goes the other way).
constexpr PackedColor FromPixel(QRgb pixel) { return PackRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)); }
