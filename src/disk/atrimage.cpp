// Reading, writing and filling the level disk.
#include "disk/atrimage.h"

#include "common/bytefile.h"
#include "levelio/disklevelrecord.h"
#include "levelio/xeximage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

int Word(const QByteArray& bytes, int at)
{
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

void CheckLevelDisk(const QString& fileName, const QByteArray& head, qint64 fileSize)
{
    if (head.size() < AtrImage::kHeaderSize || Word(head, 0) != 0x0296)
        throw NotALevelDiskError(
            QStringLiteral("Datei %1 ist keine ATR-Diskette: die Kennung 96 02 fehlt am Anfang.").arg(fileName));
    const int sectorSize = Word(head, 4);
    if (sectorSize != AtrImage::kSectorSize)
        throw NotALevelDiskError(
            QStringLiteral("Datei %1 ist keine Level-Diskette: sie hat Sektoren zu %2 Bytes statt 128 Bytes.")
                .arg(fileName)
                .arg(sectorSize));
    if (fileSize < AtrImage::kMinimumSize)
        throw NotALevelDiskError(
            QStringLiteral("Datei %1 ist keine Level-Diskette: mit %2 Bytes ist sie zu kurz für 40 Level "
                           "(mindestens %3 Bytes).")
                .arg(fileName)
                .arg(fileSize)
                .arg(AtrImage::kMinimumSize));
}

} // namespace

int AtrImage::slotOffset(int slot)
{
    if (slot < 1 || slot > kSlots)
        return -1;
    return kHeaderSize + kSlotSize * slot;
}

QByteArray AtrImage::slot(int slot) const
{
    const int offset = slotOffset(slot);
    return offset < 0 ? QByteArray() : mBytes.mid(offset, kSlotSize);
}

void AtrImage::setSlot(int slot, const QByteArray& record)
{
    const int offset = slotOffset(slot);
    if (offset < 0)
        return;
    mBytes.replace(offset, kSlotSize, record.leftJustified(kSlotSize, '\0', true));
}

void AtrImage::read(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw FileOpenError(fileName, file.errorString());
    const QByteArray bytes = file.read(kSize);
    CheckLevelDisk(fileName, bytes, std::max<qint64>(file.size(), bytes.size()));
    if (bytes.size() != kSize)
        throw StreamReadError();
    mBytes = bytes;
}

void AtrImage::write(const QString& fileName) const
{
    QFile old(fileName);
    const bool hasTail = QFileInfo(fileName).size() > kSize;
    if (hasTail && !old.open(QIODevice::ReadOnly))
        throw FileOpenError(fileName, old.errorString());
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw FileCreateError(fileName, file.errorString());
    WriteAll(file, fileName, mBytes);
    if (hasTail) {
        // Whatever the user's disk holds after the level disk's own length stays as it was.
        if (!old.seek(kSize))
            throw FileOpenError(fileName, old.errorString());
        constexpr qint64 kChunk = 64 * 1024;
        while (!old.atEnd()) {
            const QByteArray chunk = old.read(kChunk);
            if (chunk.isEmpty() && old.error() != QFileDevice::NoError)
                throw StreamReadError();
            if (chunk.isEmpty())
                break;
            WriteAll(file, fileName, chunk);
        }
        old.close();
    }
    if (!file.flush() || !file.commit())
        throw FileCreateError(fileName, file.errorString());
}

QString AtrPathIn(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("oxildisk.atr"));
}

void TakeLevelFromSlot(const AtrImage& atr, int slot, XexImage& image)
{
    image.put(XexImage::kDiskRecordOffset, atr.slot(slot));
}

void PutLevelIntoSlot(const LevelDocument& document, int slot, AtrImage& atr)
{
    QByteArray record = atr.slot(slot);
    WriteDiskLevelRecord(document, slot, record);
    atr.setSlot(slot, record);
}
