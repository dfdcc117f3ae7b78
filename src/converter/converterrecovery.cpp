// The painted picture as a recovery part: a lossless PNG of the picture as the converter holds it.
#include "converter/converterrecovery.h"

#include "common/errors.h"
#include "common/recoverystore.h"
#include "converter/graphicsconverter.h"
#include "converter/pictureloader.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

namespace {

constexpr quint32 kConverterRecoveryVersion = 1;

} // namespace

std::function<QByteArray()> ConverterRecoverySnapshot(const GraphicsConverter& converter)
{
    return [picture = converter.picture()] {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        // Speed before size: the copy is written often and read once.
        writer.setCompression(1);
        if (!writer.write(picture))
            throw TavrelError(QStringLiteral("Das bemalte Bild lässt sich nicht sichern: %1").arg(writer.errorString()));
        return RecoveryPartBytes(kConverterRecoveryVersion, QSize(picture.width(), picture.height()), png);
    };
}

void RestoreConverterRecovery(GraphicsConverter& converter, const QByteArray& bytes, const QString& source)
{
    QSize size;
    const std::optional<QByteArray> png = ReadRecoveryPart(bytes, kConverterRecoveryVersion, size);
    const auto damaged = [&source] {
        return FileContentError(source, 1, QStringLiteral("Das bemalte Bild darin ist beschädigt"));
    };
    if (!png || size.width() < 0 || size.height() < 0 || size.width() > kMaxPictureWidth ||
        size.height() > kMaxPictureHeight || qint64(size.width()) * size.height() > kMaxPicturePixels)
        throw damaged();
    QImage picture;
    if (!size.isEmpty()) {
        QBuffer buffer;
        buffer.setData(*png);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "png");
        // The size is checked before the pixels are decoded.
        if (reader.size() != size || !reader.read(&picture) || picture.size() != size)
            throw damaged();
    }
    converter.takePaintedPicture(std::move(picture));
}
