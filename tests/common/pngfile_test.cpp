// PNG bytes: every pixel kept, with a palette up to 256 colours and 32 bits beyond; the indexed PNG and
// bitmap writers alike.
#include "common/indexedimage.h"
#include "common/pngfile.h"

#include <QImage>
#include <gtest/gtest.h>
#include <algorithm>

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

// The indexed writers of the command-line companion, read back by QImage's own readers.
TEST(IndexedImage, PngAndBitmapKeepEveryPixel)
{
    for (const QSize size : {QSize(1, 1), QSize(3, 2), QSize(17, 16)}) {
        IndexedImage image;
        image.width = size.width();
        image.height = size.height();
        // Up to 256 colours, index i = (x + y * width) mod 256, colour (i, 255 - i, 3 i).
        for (int i = 0; i < std::min(256, size.width() * size.height()); ++i)
            EXPECT_EQ(image.colorIndex(PackRgb(i, 255 - i, 3 * i)), i);
        EXPECT_EQ(image.colorIndex(PackRgb(0, 255, 0)), 0); // known colours keep their index
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.pixels.append(static_cast<char>((x + y * size.width()) % 256));

        const QImage png = QImage::fromData(IndexedPngBytes(image), "PNG");
        const QImage bmp = QImage::fromData(IndexedBitmap24Bytes(image), "BMP");
        ASSERT_EQ(png.size(), size);
        ASSERT_EQ(bmp.size(), size);
        EXPECT_EQ(png.format(), QImage::Format_Indexed8);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const int i = (x + y * size.width()) % 256;
                const QRgb want = qRgb(i, 255 - i, (3 * i) & 255);
                ASSERT_EQ(png.pixel(x, y), want) << x << "," << y;
                ASSERT_EQ(bmp.pixel(x, y), want) << x << "," << y;
            }
    }
}
