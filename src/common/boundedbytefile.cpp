// Capacity-checked whole-file reading for the fixed-size sample and split buffers.
#include "common/boundedbytefile.h"

#include "common/bytefile.h"

#include <algorithm>

FileTooLongError::FileTooLongError(const QString& fileName, qint64 capacity)
    : TavrelError(QStringLiteral("Datei %1 ist zu groß: höchstens %2 Bytes").arg(fileName).arg(capacity))
{
}

namespace {

constexpr qint64 kPiece = 64 * 1024;

// Appends pieces until the buffer holds `limit` bytes or the file ends.
void ReadPieces(ByteFileReader& reader, QByteArray& bytes, qint64 limit)
{
    for (;;) {
        const qint64 old = bytes.size();
        const qint64 want = std::min(kPiece, limit - old);
        if (want <= 0)
            break;
        bytes.resize(old + want);
        const qint64 n = reader.read(bytes.data() + old, want);
        bytes.resize(old + n);
        if (n == 0)
            break;
    }
}

} // namespace

QByteArray ReadByteFileHead(const QString& fileName, qint64 count)
{
    ByteFileReader reader(fileName);
    QByteArray bytes;
    bytes.reserve(count);
    ReadPieces(reader, bytes, count);
    return bytes;
}

QByteArray ReadByteFile(const QString& fileName)
{
    return ReadByteFileUpTo(fileName, kMaxByteFileSize);
}

QByteArray ReadByteFileUpTo(const QString& fileName, qint64 capacity)
{
    ByteFileReader reader(fileName);
    // A file that claims too much is refused before reading; one that grows while it is read is read
    // only one byte past the capacity, which tells it is too long.
    if (reader.claimedSize() > capacity)
        throw FileTooLongError(fileName, capacity);
    QByteArray bytes;
    bytes.reserve(std::min(reader.claimedSize(), capacity) + 1);
    ReadPieces(reader, bytes, capacity + 1);
    if (bytes.size() > capacity)
        throw FileTooLongError(fileName, capacity);
    return bytes;
}

QStringList LoadReport(qint64 fileSize, qint64 bytesRead)
{
    return {QStringLiteral("%1 Dateigröße").arg(fileSize), QStringLiteral("%1 wirklich geladen").arg(bytesRead)};
}
