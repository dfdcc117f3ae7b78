// Writing PNG files, with a palette where the picture allows it.
#include "common/pngfile.h"

#include <QBuffer>
#include <QImage>
#include <QList>
#include <optional>

namespace {

constexpr int kMaxPaletteColors = 256;

// The picture with one byte per pixel over its own colours, exact; nothing when it has more than 256.
std::optional<QImage> Indexed(const QImage& rgb)
{
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    QRgb last = 0;
    int lastIndex = -1;
    const int width = rgb.width();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < width; ++x) {
            // Runs of one colour are the rule: the last colour is checked first.
            if (lastIndex < 0 || in[x] != last) {
                last = in[x];
                lastIndex = static_cast<int>(table.indexOf(last));
                if (lastIndex < 0) {
                    if (table.size() == kMaxPaletteColors)
                        return std::nullopt;
                    lastIndex = static_cast<int>(table.size());
                    table << last;
                }
            }
            out[x] = static_cast<uchar>(lastIndex);
        }
    }
    indexed.setColorTable(table);
    return indexed;
}

} // namespace

QByteArray PngBytes(const QImage& image)
{
    const QImage rgb = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const std::optional<QImage> indexed = Indexed(rgb);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    (indexed ? *indexed : rgb).save(&buffer, "PNG");
    return bytes;
}
