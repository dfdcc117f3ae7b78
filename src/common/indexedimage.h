// Pictures of one byte per pixel over a colour table, and their PNG and bitmap files, on Qt Core alone:
// the command-line companion writes level pictures with them without loading QtGui.
#pragma once

#include "common/packedcolor.h"

#include <QByteArray>
#include <QList>

struct IndexedImage {
    int width = 0;
    int height = 0;
    QByteArray pixels; // width x height indices into colors, rows top-down
    QList<PackedColor> colors; // at most 256

    // The index of the colour, added to the table when new; at most 256 distinct colours are asked for.
    int colorIndex(PackedColor color);
};

// A PNG file with colour type 3 (palette), 8 bits per pixel, no filter, compressed by zlib.
QByteArray IndexedPngBytes(const IndexedImage& image);

// A Windows bitmap file with 24 bits per pixel (rows bottom-up, blue-green-red, padded to 4 bytes),
// at 100 dots per inch.
QByteArray IndexedBitmap24Bytes(const IndexedImage& image);
