// Writing 32-bit Windows bitmaps.
#include "common/bitmapfile.h"

#include "common/bytefile.h"

#include <QImage>

namespace {

void PutLE(QByteArray& bytes, qsizetype at, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

QByteArray Bitmap32Bytes(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const qsizetype width = rgb.width();
    const qsizetype height = rgb.height();
    constexpr int kHeaders = 14 + 40;
    const qsizetype dataSize = width * height * 4;
    QByteArray bytes(kHeaders + dataSize, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLE(bytes, 2, static_cast<quint32>(kHeaders + dataSize), 4);
    PutLE(bytes, 10, kHeaders, 4);
    PutLE(bytes, 14, 40, 4);
    PutLE(bytes, 18, static_cast<quint32>(width), 4);
    PutLE(bytes, 22, static_cast<quint32>(height), 4);
    PutLE(bytes, 26, 1, 2);  // planes
    PutLE(bytes, 28, 32, 2); // bits per pixel
    PutLE(bytes, 34, static_cast<quint32>(dataSize), 4);
    PutLE(bytes, 38, 2835, 4); // 72 dpi
    PutLE(bytes, 42, 2835, 4);
    char* out = bytes.data() + kHeaders;
    for (qsizetype y = height - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(static_cast<int>(y)));
        for (qsizetype x = 0; x < width; ++x) {
            *out++ = static_cast<char>(qBlue(line[x]));
            *out++ = static_cast<char>(qGreen(line[x]));
            *out++ = static_cast<char>(qRed(line[x]));
            *out++ = 0;
        }
    }
    return bytes;
}

void WriteBitmap32(const QString& fileName, const QImage& image)
{
    WriteByteFile(fileName, Bitmap32Bytes(image));
}
