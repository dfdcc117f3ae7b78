// The level disk in memory: an ATR image of 1040 sectors of 128 bytes with 40 level slots.
#pragma once

#include "common/errors.h"

#include <QByteArray>
#include <QString>

class LevelDocument;
class XexImage;

// A file that is not a level disk: no ATR signature, sectors of another size, or too short to hold slot 40.
class NotALevelDiskError : public TavrelError {
public:
    using TavrelError::TavrelError;
};

class AtrImage {
public:
    static constexpr int kSize = 133136;
    static constexpr int kHeaderSize = 16;
    static constexpr int kSectorSize = 128;
    static constexpr int kSlotSize = 3200;
    static constexpr int kSlots = 40;
    // The end of slot 40: a shorter file holds no complete level disk.
    static constexpr int kMinimumSize = kHeaderSize + kSlotSize * (kSlots + 1);

    AtrImage() : mBytes(kSize, '\0') {}

    const QByteArray& bytes() const { return mBytes; }
    // File offset of slot 1-40 (16 + 3200 n); -1 for any other number.
    static int slotOffset(int slot);
    QByteArray slot(int slot) const;
    void setSlot(int slot, const QByteArray& record);

    // Reads the first 133 136 bytes of the file (never more). Refuses, with the image unchanged, a file
    // that cannot be opened (FileOpenError), whose header has no ATR signature or sectors other than
    // 128 bytes, or that is too short for slot 40 (NotALevelDiskError), or that ends before 133 136
    // bytes (StreamReadError).
    void read(const QString& fileName);
    // Replaces the file's first 133 136 bytes with the image through WriteByteFile; bytes the file holds
    // beyond them are carried over unchanged. Throws FileCreateError (the old file keeps its bytes, as
    // WriteByteFile in common/bytefile.h keeps them, in place too), or
    // FileOpenError, StreamReadError or FileTooLongError (more than 16 MB beyond the disk) when a
    // longer file cannot be read for its tail; nothing is written then.
    void write(const QString& fileName) const;

private:
    QByteArray mBytes;
};

// "oxildisk.atr" in the program's folder.
QString AtrPathIn(const QString& programFolder);

// Copies slot n of the disk to image offsets 9-3208, where ReadDiskLevelRecord reads it.
void TakeLevelFromSlot(const AtrImage& atr, int slot, XexImage& image);
// Writes the document's disk record into slot n (see WriteDiskLevelRecord). Throws ConversionError
// for a code or table cell that is not a number; the disk image is unchanged then.
void PutLevelIntoSlot(const LevelDocument& document, int slot, AtrImage& atr);
