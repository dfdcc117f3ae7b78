// Picture reading through Qt's image readers; the size is checked from the file header first.
#include "converter/pictureloader.h"

#include "common/boundedbytefile.h"
#include "common/errors.h"

#include <QBuffer>
#include <QImageReader>
#include <cstdlib>

namespace {

void CheckSize(const QString& fileName, QSize size)
{
    if (size.width() <= kMaxPictureWidth && size.height() <= kMaxPictureHeight
        && qint64{size.width()} * size.height() <= kMaxPicturePixels)
        return;
    throw TavrelError(QStringLiteral("Das Bild \"%1\" ist %2 x %3 Pixel groß. Der Grafik Converter nimmt "
                                     "höchstens %4 x %5 Pixel und insgesamt höchstens %6 Pixel.")
                          .arg(fileName)
                          .arg(size.width())
                          .arg(size.height())
                          .arg(kMaxPictureWidth)
                          .arg(kMaxPictureHeight)
                          .arg(kMaxPicturePixels));
}

QString ReasonOf(QImageReader::ImageReaderError error)
{
    switch (error) {
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("unbekanntes Bildformat");
    case QImageReader::InvalidDataError:
        return QStringLiteral("ungültige oder unvollständige Bilddaten");
    case QImageReader::DeviceError:
    case QImageReader::FileNotFoundError:
        return QStringLiteral("Lesefehler");
    case QImageReader::UnknownError:
        break;
    }
    return QStringLiteral("unbekannter Fehler");
}

quint32 LittleEndian(const QByteArray& b, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(b[at + i]);
    return value;
}

quint32 BigEndian(const QByteArray& b, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | static_cast<unsigned char>(b[at + i]);
    return value;
}

// A bitmap's pixel rows end where its header says; the last row needs no padding.
bool BitmapEndsEarly(const QByteArray& b)
{
    if (b.size() < 30)
        return false; // too short for a header: the reader refuses it itself
    const quint32 offset = LittleEndian(b, 10, 4);
    const bool core = LittleEndian(b, 14, 4) == 12;
    const qint64 width = core ? LittleEndian(b, 18, 2) : static_cast<qint32>(LittleEndian(b, 18, 4));
    const qint64 height = core ? LittleEndian(b, 20, 2) : std::abs(qint64{static_cast<qint32>(LittleEndian(b, 22, 4))});
    const qint64 bits = LittleEndian(b, core ? 24 : 28, 2);
    const quint32 compression = core || b.size() < 34 ? 0 : LittleEndian(b, 30, 4);
    // Dimensions beyond the converter's bounds are refused by the size check; nothing to compute.
    if (width <= 0 || height <= 0 || width > kMaxPictureWidth || height > kMaxPictureHeight || bits > 64)
        return false;
    if (compression == 1 || compression == 2) { // run-length coded: the header gives the data size
        const quint32 dataSize = b.size() >= 38 ? LittleEndian(b, 34, 4) : 0;
        return dataSize > 0 && b.size() < qint64{offset} + dataSize;
    }
    if (compression != 0 && compression != 3 && compression != 6)
        return false;
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return b.size() < qint64{offset} + rowBytes * (height - 1) + (width * bits + 7) / 8;
}

// The first picture of a GIF: its blocks up to the end of the first image's data.
bool GifEndsEarly(const QByteArray& b)
{
    qsizetype pos = 13;
    if (b.size() < pos)
        return true;
    const auto colorTable = [&](int flags) {
        if (flags & 0x80)
            pos += 3 * (qsizetype{1} << ((flags & 7) + 1));
    };
    // Data sub-blocks up to the empty one; false when the file ends before it.
    const auto subBlocks = [&] {
        while (pos < b.size()) {
            const int n = static_cast<unsigned char>(b[pos++]);
            if (n == 0)
                return true;
            pos += n;
        }
        return false;
    };
    colorTable(static_cast<unsigned char>(b[10]));
    while (pos < b.size()) {
        const int block = static_cast<unsigned char>(b[pos]);
        if (block == 0x3B)
            return false;
        if (block == 0x21) {
            pos += 2;
            if (!subBlocks())
                return true;
        } else if (block == 0x2C) {
            if (pos + 10 >= b.size())
                return true;
            colorTable(static_cast<unsigned char>(b[pos + 9]));
            pos += 11; // descriptor, then the code size
            return !subBlocks();
        } else {
            return false; // not a block: the reader decides
        }
    }
    return true;
}

// A JPEG's markers up to the end-of-picture marker; the coded data after a scan header runs to the
// next marker.
bool JpegEndsEarly(const QByteArray& b)
{
    qsizetype pos = 2;
    while (pos + 1 < b.size()) {
        if (static_cast<unsigned char>(b[pos]) != 0xFF)
            return false; // not a marker: the reader decides
        const int marker = static_cast<unsigned char>(b[pos + 1]);
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (marker == 0xD9)
            return false;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2;
            continue;
        }
        if (pos + 3 >= b.size())
            return true;
        pos += 2 + BigEndian(b, pos + 2, 2);
        if (marker != 0xDA)
            continue;
        // Inside coded data 0xFF is followed by 0 or a restart marker; anything else ends it.
        for (;; ++pos) {
            if (pos + 1 >= b.size())
                return true;
            const int next = static_cast<unsigned char>(b[pos + 1]);
            if (static_cast<unsigned char>(b[pos]) == 0xFF && next != 0 && next != 0xFF && (next < 0xD0 || next > 0xD7))
                break;
        }
    }
    return true;
}

// A PNG's chunks up to the end chunk.
bool PngEndsEarly(const QByteArray& b)
{
    qsizetype pos = 8;
    while (pos + 8 <= b.size()) {
        const qint64 length = BigEndian(b, pos, 4);
        if (b.mid(pos + 4, 4) == "IEND")
            return false;
        pos += 12 + length;
    }
    return true;
}

// Whether the picture's data ends before its format says it does. The image readers take such a
// file and fill what is missing with black or grey; a PNG reader even writes its complaint to the
// error output.
bool EndsEarly(const QByteArray& b)
{
    if (b.startsWith("BM"))
        return BitmapEndsEarly(b);
    if (b.startsWith("GIF87a") || b.startsWith("GIF89a"))
        return GifEndsEarly(b);
    if (b.startsWith("\xFF\xD8"))
        return JpegEndsEarly(b);
    if (b.startsWith("\x89PNG\r\n\x1A\n"))
        return PngEndsEarly(b);
    return false;
}

// The image readers' complaints stay out of the user's output: what went wrong is told in German.
class QuietImageReaders {
public:
    QuietImageReaders() : mPrevious(qInstallMessageHandler(&QuietImageReaders::handle)) { sPrevious = mPrevious; }
    ~QuietImageReaders() { qInstallMessageHandler(mPrevious); }
    QuietImageReaders(const QuietImageReaders&) = delete;
    QuietImageReaders& operator=(const QuietImageReaders&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (context.category && QByteArray(context.category).startsWith("qt.gui.imageio"))
            return;
        if (sPrevious)
            sPrevious(type, context, text);
        else
            qt_message_output(type, context, text);
    }
    QtMessageHandler mPrevious;
    static inline QtMessageHandler sPrevious = nullptr;
};

// The biggest file a picture within the bounds takes: 32 bits a pixel and room for headers.
constexpr qint64 kMaxPictureFileSize = kMaxPicturePixels * 4 + 1024 * 1024;

QString NoPicture(const QString& fileName, const QString& reason)
{
    return QStringLiteral("Die Datei \"%1\" enthält kein lesbares Bild (%2).").arg(fileName, reason);
}

} // namespace

QImage ReadPicture(const QString& fileName)
{
    QByteArray bytes = ReadByteFileUpTo(fileName, kMaxPictureFileSize);
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const QuietImageReaders quiet;
    QImageReader reader(&file);
    // The content decides, not the file name: a bitmap saved as ".png" still loads.
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid())
        CheckSize(fileName, size);
    if (EndsEarly(bytes))
        throw TavrelError(NoPicture(fileName, QStringLiteral("die Datei endet vor dem Ende der Bilddaten")));
    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        throw TavrelError(NoPicture(fileName, ReasonOf(reader.error())));
    CheckSize(fileName, picture.size());
    return picture.convertToFormat(QImage::Format_RGB32);
}
