// Reading a picture file for the graphics converter, with a bound on its size.
#pragma once

#include <QImage>
#include <QString>

// The largest picture the converter takes: every pixel gets a log line and every line a table row,
// so a picture of absurd dimensions is refused before any pixel memory is taken.
constexpr int kMaxPictureWidth = 8192;
constexpr int kMaxPictureHeight = 8192;
constexpr qint64 kMaxPicturePixels = qint64{4096} * 4096;

// Reads a Windows bitmap, PNG, GIF or JPEG file as a 32-bit RGB picture.
// Throws FileOpenError when the file cannot be opened, FileTooLongError when it is longer than any
// picture within the bounds, and TavrelError with a German message when it holds no readable picture
// (a file that ends before its picture data does among them) or one larger than the bounds above.
QImage ReadPicture(const QString& fileName);
