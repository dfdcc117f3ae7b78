// Reading pictures: files that end before their picture data are refused in German, whole ones load.
#include "common/errors.h"
#include "converter/pictureloader.h"
#include "support/testutil.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A picture with enough detail that no format shrinks it to a few bytes.
QImage Sample()
{
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, (x * y) & 255, (y * 53) & 255));
    return image;
}

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes;
}

// A GIF of the sample's colours reduced to 256 grey levels (Qt writes no GIF). The codes stay 9 bits
// wide: a clear code comes before the table would need a tenth bit.
QByteArray Gif(const QImage& image)
{
    QByteArray gif("GIF89a");
    const auto put16 = [&](int v) { gif += char(v & 0xFF), gif += char(v >> 8); };
    put16(image.width());
    put16(image.height());
    gif += char(0xF7), gif += char(0), gif += char(0);
    for (int i = 0; i < 256; ++i)
        gif += char(i), gif += char(i), gif += char(i);
    gif += char(0x2C);
    put16(0), put16(0), put16(image.width()), put16(image.height());
    gif += char(0);
    gif += char(8);
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    const auto code = [&](int c) {
        bits |= quint32(c) << count;
        for (count += 9; count >= 8; count -= 8, bits >>= 8)
            data += char(bits & 0xFF);
    };
    int sinceClear = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (sinceClear++ % 100 == 0)
                code(256);
            code(qGray(image.pixel(x, y)));
        }
    code(257);
    if (count > 0)
        data += char(bits & 0xFF);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif += char(block.size());
        gif += block;
    }
    gif += char(0);
    gif += char(0x3B);
    return gif;
}

TEST(ReadPicture, AFileThatEndsBeforeItsPictureIsRefused)
{
    QTemporaryDir dir;
    const QImage sample = Sample();
    const struct {
        const char* name;
        QByteArray whole;
        qsizetype cutTo;
    } cases[] = {
        {"bild.bmp", Encoded(sample, "BMP"), 3000},
        {"bild.gif", Gif(sample), Gif(sample).size() / 3},
        {"bild.jpg", Encoded(sample, "JPEG"), Encoded(sample, "JPEG").size() / 3},
        {"bild.png", Encoded(sample, "PNG"), Encoded(sample, "PNG").size() / 3},
    };
    for (const auto& c : cases) {
        const QString whole = WriteTestFile(dir, QStringLiteral("ganz-") + QLatin1String(c.name), c.whole);
        EXPECT_EQ(ReadPicture(whole).size(), sample.size()) << c.name;
        const QString cut = WriteTestFile(dir, QLatin1String(c.name), c.whole.left(c.cutTo));
        try {
            ReadPicture(cut);
            ADD_FAILURE() << c.name << ": a cut picture was taken";
        } catch (const TavrelError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Die Datei \"%1\" enthält kein lesbares Bild (die Datei endet vor dem "
                                                  "Ende der Bilddaten).")
                                       .arg(cut))
                << c.name;
        }
    }
    // The GIF made here reads back as its grey levels.
    const QImage grey = ReadPicture(WriteTestFile(dir, QStringLiteral("grau.gif"), Gif(sample)));
    EXPECT_EQ(qRed(grey.pixel(5, 7)), qGray(sample.pixel(5, 7)));
}

} // namespace
