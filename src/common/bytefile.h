// Binary files, read and written whole.
#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Reads the whole file. Throws FileOpenError, or StreamReadError when reading fails half way.
QByteArray ReadByteFile(const QString& fileName);

// The size of a file without reading it. Throws FileOpenError when it cannot be opened.
qint64 ByteFileSize(const QString& fileName);

// Replaces the file with the bytes, committing only when every byte was written.
// Throws FileCreateError with the system's reason.
void WriteByteFile(const QString& fileName, const QByteArray& bytes);

// Writes the bytes to an already opened device; throws FileCreateError naming fileName
// if the device takes fewer bytes. Used by WriteByteFile and by tests with failing devices.
void WriteAll(QIODevice& device, const QString& fileName, const QByteArray& bytes);
