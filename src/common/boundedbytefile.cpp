// Capacity-checked whole-file reading for the fixed-size sample and split buffers.
#include "common/boundedbytefile.h"

#include "common/bytefile.h"

FileTooLongError::FileTooLongError(const QString& fileName, qint64 capacity)
    : TavrelError(QStringLiteral("Datei %1 ist zu groß: höchstens %2 Bytes").arg(fileName).arg(capacity))
{
}

QByteArray ReadByteFileUpTo(const QString& fileName, qint64 capacity)
{
    if (ByteFileSize(fileName) > capacity)
        throw FileTooLongError(fileName, capacity);
    QByteArray bytes = ReadByteFile(fileName);
    // The file may have grown between the two looks; the buffer must still never overflow.
    if (bytes.size() > capacity)
        throw FileTooLongError(fileName, capacity);
    return bytes;
}

QStringList LoadReport(qint64 fileSize, qint64 bytesRead)
{
    return {QStringLiteral("%1 Dateigröße").arg(fileSize), QStringLiteral("%1 wirklich geladen").arg(bytesRead)};
}
