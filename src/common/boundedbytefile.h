// Reading a binary file into a buffer of fixed capacity, refusing files that do not fit.
#pragma once

#include "common/errors.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A file longer than the buffer it is meant for; nothing was read.
class FileTooLongError : public TavrelError {
public:
    FileTooLongError(const QString& fileName, qint64 capacity);
};

// Reads the whole file, at most kMaxByteFileSize bytes (common/bytefile.h). Throws FileOpenError,
// FileTooLongError or StreamReadError.
QByteArray ReadByteFile(const QString& fileName);

// Reads the whole file if it holds at most capacity bytes, in bounded pieces, whatever size it
// claims: a file that grows while it is read is read to one byte past the capacity and refused.
// A refused file leaves the caller's buffers untouched. Throws FileOpenError, FileTooLongError or
// StreamReadError.
QByteArray ReadByteFileUpTo(const QString& fileName, qint64 capacity);

// The first count bytes of the file, or all of it when it ends before, read in bounded pieces.
// Throws FileOpenError or StreamReadError.
QByteArray ReadByteFileHead(const QString& fileName, qint64 count);

// The two lines a loader logs: the file's size and the number of bytes actually read.
QStringList LoadReport(qint64 fileSize, qint64 bytesRead);
