// Picture reading through Qt's image readers; the size is checked from the file header first.
#include "converter/pictureloader.h"

#include "common/errors.h"

#include <QFile>
#include <QImageReader>

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

} // namespace

QImage ReadPicture(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw FileOpenError(fileName, file.errorString());
    QImageReader reader(&file);
    // The content decides, not the file name: a bitmap saved as ".png" still loads.
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid())
        CheckSize(fileName, size);
    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        throw TavrelError(QStringLiteral("Die Datei \"%1\" enthält kein lesbares Bild (%2).")
                              .arg(fileName, ReasonOf(reader.error())));
    CheckSize(fileName, picture.size());
    return picture.convertToFormat(QImage::Format_RGB32);
}
