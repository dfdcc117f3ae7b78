// Whole-file binary reading and writing.
#include "common/bytefile.h"

#include "common/boundedbytefile.h"
#include "common/errors.h"

#include <QSaveFile>

ByteFileReader::ByteFileReader(const QString& fileName) : mFile(fileName)
{
    // Unbuffered: the pieces go straight into the caller's buffer.
    if (!mFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw FileOpenError(fileName, mFile.errorString());
}

qint64 ByteFileReader::read(char* buffer, qint64 maxBytes)
{
    const qint64 n = mFile.read(buffer, maxBytes);
    if (n < 0)
        throw StreamReadError();
    return n;
}

QByteArray ReadByteFile(const QString& fileName)
{
    return ReadByteFileUpTo(fileName, kMaxByteFileSize);
}

qint64 ByteFileSize(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw FileOpenError(fileName, file.errorString());
    return file.size();
}

void WriteAll(QIODevice& device, const QString& fileName, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            throw FileCreateError(fileName, device.errorString());
        done += n;
    }
}

void WriteByteFile(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    // A writable file in a folder that takes no new file cannot be replaced through a temporary
    // file beside it; it is written in place then, as the user may write it.
    file.setDirectWriteFallback(true);
    // Unbuffered: every write reaches the file system at once and reports how much it took. A
    // buffered remainder whose flush fails at commit would otherwise pass as written.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw FileCreateError(fileName, file.errorString());
    WriteAll(file, fileName, bytes);
    // Bytes still in the device's buffer are written here; a failure at this point is not seen by
    // commit(), which would then replace the old file with a cut one.
    if (!file.flush())
        throw FileCreateError(fileName, file.errorString());
    if (!file.commit())
        throw FileCreateError(fileName, file.errorString());
}
