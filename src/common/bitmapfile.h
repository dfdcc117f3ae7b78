// Windows bitmap files with 32 bits per pixel, written byte for byte.
#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// The file bytes: a 14-byte file header, a 40-byte info header (uncompressed, 32 bits), then the rows
// bottom-up, each pixel blue, green, red and a zero byte.
QByteArray Bitmap32Bytes(const QImage& image);

// Replaces the file with the picture through a save file. Throws FileCreateError.
void WriteBitmap32(const QString& fileName, const QImage& image);
