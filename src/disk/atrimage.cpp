// Reading, writing and filling the level disk.
#include "disk/atrimage.h"

#include "common/boundedbytefile.h"
#include "common/bytefile.h"
#include "levelio/disklevelrecord.h"
#include "levelio/xeximage.h"

#include <QDir>
#include <QFileInfo>

namespace {

int Word(const QByteArray& bytes, int at)
{
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

void CheckLevelDisk(const QString& fileName, const QByteArray& head, qsizetype fileSize)
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
    // A longer file is read no further than the image reaches; a shorter one tells its length.
    const QByteArray bytes = ReadByteFileHead(fileName, kSize);
    CheckLevelDisk(fileName, bytes, bytes.size());
    if (bytes.size() != kSize)
        throw StreamReadError();
    mBytes = bytes;
}

void AtrImage::write(const QString& fileName) const
{
    // Whatever the user's file holds after the level disk's own length stays as it was. It is read
    // before the save begins, because a save that falls back to writing in place overwrites the file.
    QByteArray bytes = mBytes;
    if (QFileInfo::exists(fileName))
        bytes += ReadByteFileUpTo(fileName, kSize + kMaxByteFileSize).mid(kSize);
    WriteByteFile(fileName, bytes);
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
