// PNG bytes: every pixel kept, with a palette up to 256 colours and 32 bits beyond.
#include "common/pngfile.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage Decoded(const QImage& image)
{
    return QImage::fromData(PngBytes(image), "PNG");
}

// Pixel (x, y) takes colour (x + y * width) mod `colors`, with the alpha given.
QImage Colors(int colors, QImage::Format format, int alpha = 255)
{
    QImage image(40, 9, format);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int c = (x + y * image.width()) % colors;
            image.setPixel(x, y, qRgba(c & 255, 40 + 100 * (c >> 8), 50, alpha));
        }
    return image;
}

} // namespace

TEST(PngFile, EveryPixelKept)
{
    struct Case {
        int colors;
        QImage::Format format;
        int alpha;
        bool palette;
    } const cases[] = {
        {1, QImage::Format_RGB32, 255, true},
        {256, QImage::Format_RGB32, 255, true},
        {257, QImage::Format_RGB32, 255, false},
        {360, QImage::Format_RGB32, 255, false},
        {30, QImage::Format_ARGB32, 100, true},
        {300, QImage::Format_ARGB32, 100, false},
    };
    for (const Case& c : cases) {
        const QImage picture = Colors(c.colors, c.format, c.alpha);
        const QImage decoded = Decoded(picture);
        EXPECT_EQ(decoded.format() == QImage::Format_Indexed8, c.palette) << c.colors;
        EXPECT_EQ(decoded.convertToFormat(picture.format()), picture) << c.colors;
    }
}
