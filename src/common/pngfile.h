// PNG files that keep every pixel and stay small and quick to write.
#pragma once

#include <QByteArray>

class QImage;

// The picture as PNG file bytes, lossless: with a palette when it has at most 256 colours (the level
// picture has a few dozen, and compressing one byte per pixel is several times quicker than four),
// else 32 bits per pixel.
QByteArray PngBytes(const QImage& image);
