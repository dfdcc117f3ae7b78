// Whole-file binary reading and writing.
#include "common/bytefile.h"

#include "common/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QByteArray ReadByteFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw FileOpenError(fileName, file.errorString());
    const qint64 size = file.size();
    QByteArray bytes = file.readAll();
    if (bytes.size() != size && file.error() != QFileDevice::NoError)
        throw StreamReadError();
    return bytes;
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
    if (!file.open(QIODevice::WriteOnly))
        throw FileCreateError(fileName, file.errorString());
    WriteAll(file, fileName, bytes);
    // Bytes still in the device's buffer are written here; a failure at this point is not seen by
    // commit(), which would then replace the old file with a cut one.
    if (!file.flush())
        throw FileCreateError(fileName, file.errorString());
    if (!file.commit())
        throw FileCreateError(fileName, file.errorString());
}
