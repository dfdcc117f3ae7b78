// The PNG and bitmap writers of indexed pictures: a few dozen lines of byte layout and qCompress.
#include "common/indexedimage.h"

#include <QtEndian>
#include <array>
#include <cstring>

namespace {

void AppendBig32(QByteArray& bytes, quint32 value)
{
    char b[4];
    qToBigEndian(value, b);
    bytes.append(b, 4);
}

void AppendLittle16(QByteArray& bytes, quint16 value)
{
    char b[2];
    qToLittleEndian(value, b);
    bytes.append(b, 2);
}

void AppendLittle32(QByteArray& bytes, quint32 value)
{
    char b[4];
    qToLittleEndian(value, b);
    bytes.append(b, 4);
}

// The CRC-32 of the PNG chunks (polynomial 0xEDB88320, reflected), by a table made once.
quint32 Crc32(const char* data, qsizetype size)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < size; ++i)
        crc = table[(crc ^ static_cast<quint8>(data[i])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

// Length, type, data and the CRC over type and data.
void AppendChunk(QByteArray& png, const char type[4], const QByteArray& data)
{
    AppendBig32(png, static_cast<quint32>(data.size()));
    const qsizetype start = png.size();
    png.append(type, 4);
    png.append(data);
    AppendBig32(png, Crc32(png.constData() + start, png.size() - start));
}

} // namespace

int IndexedImage::colorIndex(PackedColor color)
{
    const qsizetype index = colors.indexOf(color);
    if (index >= 0)
        return static_cast<int>(index);
    Q_ASSERT(colors.size() < 256);
    colors << color;
    return static_cast<int>(colors.size() - 1);
}

QByteArray IndexedPngBytes(const IndexedImage& image)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);

    QByteArray header;
    AppendBig32(header, static_cast<quint32>(image.width));
    AppendBig32(header, static_cast<quint32>(image.height));
    header.append(char(8)); // bits per index
    header.append(char(3)); // palette
    header.append(char(0)); // deflate
    header.append(char(0)); // filters by row
    header.append(char(0)); // not interlaced
    AppendChunk(png, "IHDR", header);

    QByteArray palette;
    palette.reserve(3 * image.colors.size());
    for (PackedColor c : image.colors) {
        palette.append(static_cast<char>(Red(c)));
        palette.append(static_cast<char>(Green(c)));
        palette.append(static_cast<char>(Blue(c)));
    }
    AppendChunk(png, "PLTE", palette);

    // Each row is its filter byte (0: none) and its indices.
    const qsizetype width = image.width;
    QByteArray rows(image.height * (width + 1), Qt::Uninitialized);
    for (int y = 0; y < image.height; ++y) {
        char* row = rows.data() + y * (width + 1);
        row[0] = 0;
        std::memcpy(row + 1, image.pixels.constData() + y * width, width);
    }
    // qCompress gives a zlib stream after a 4-byte big-endian length of the data.
    AppendChunk(png, "IDAT", qCompress(rows).mid(4));
    AppendChunk(png, "IEND", QByteArray());
    return png;
}

QByteArray IndexedBitmap24Bytes(const IndexedImage& image)
{
    constexpr quint32 kHeaders = 14 + 40;
    constexpr quint32 kDotsPerMeter = 3937; // 100 dots per inch
    const qsizetype width = image.width;
    const quint32 rowBytes = static_cast<quint32>((3 * width + 3) / 4 * 4);
    const quint32 imageBytes = rowBytes * static_cast<quint32>(image.height);

    QByteArray bmp;
    bmp.reserve(kHeaders + imageBytes);
    bmp.append("BM", 2);
    AppendLittle32(bmp, kHeaders + imageBytes);
    AppendLittle32(bmp, 0);
    AppendLittle32(bmp, kHeaders);
    AppendLittle32(bmp, 40);
    AppendLittle32(bmp, static_cast<quint32>(image.width));
    AppendLittle32(bmp, static_cast<quint32>(image.height));
    AppendLittle16(bmp, 1);  // planes
    AppendLittle16(bmp, 24); // bits per pixel
    AppendLittle32(bmp, 0);  // uncompressed
    AppendLittle32(bmp, imageBytes);
    AppendLittle32(bmp, kDotsPerMeter);
    AppendLittle32(bmp, kDotsPerMeter);
    AppendLittle32(bmp, 0); // colours used
    AppendLittle32(bmp, 0); // important colours

    std::array<std::array<char, 3>, 256> bgr{};
    for (qsizetype i = 0; i < image.colors.size(); ++i)
        bgr[i] = {static_cast<char>(Blue(image.colors[i])), static_cast<char>(Green(image.colors[i])),
                  static_cast<char>(Red(image.colors[i]))};
    bmp.append(static_cast<qsizetype>(imageBytes), '\0');
    char* out = bmp.data() + kHeaders;
    for (int y = image.height - 1; y >= 0; --y) {
        const auto* in = reinterpret_cast<const quint8*>(image.pixels.constData() + y * width);
        for (qsizetype x = 0; x < width; ++x)
            std::memcpy(out + 3 * x, bgr[in[x]].data(), 3);
        out += rowBytes;
    }
    return bmp;
}
