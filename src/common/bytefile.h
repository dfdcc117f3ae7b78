// Binary files, read whole in bounded pieces and written whole through a save file.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

class QIODevice;

// Larger than any file the program reads whole. A reader that knows its format passes its own bound
// to ReadByteFileUpTo (common/boundedbytefile.h), which also holds ReadByteFile.
constexpr qint64 kMaxByteFileSize = 16 * 1024 * 1024;

// A regular file opened for reading in pieces. A pipe, a device or a socket is refused at once (the
// file is opened without waiting for a writer), so that no reader can hang on one. The size a file
// claims is still never trusted: a file may grow while it is read, so every reader stops at the most
// its format can use.
class ByteFileReader {
public:
    // Throws FileOpenError with the system's reason (a folder, a pipe, a device or a socket is refused).
    explicit ByteFileReader(const QString& fileName);
    ~ByteFileReader();
    ByteFileReader(const ByteFileReader&) = delete;
    ByteFileReader& operator=(const ByteFileReader&) = delete;
    // Up to maxBytes bytes into buffer; 0 at the end of the file. Throws StreamReadError.
    qint64 read(char* buffer, qint64 maxBytes);
    // The size the file claims: a hint for reserving, 0 for pipes and devices.
    qint64 claimedSize() const { return mClaimedSize; }

private:
    int mFd = -1;
    qint64 mClaimedSize = 0;
};

// The size of a regular file without reading it. Throws FileOpenError.
qint64 ByteFileSize(const QString& fileName);

// Saves the bytes as the file. A regular file (or none) is replaced through a temporary file beside
// it, committed only when every byte was written, so a failed save leaves the old file as it was.
// A writable file in a folder that takes no new file is overwritten in place, guarded by a whole copy
// of its old bytes in BackupFolder() (common/programdatafolder.h; see WriteInPlace in bytefile.cpp):
// a failed overwrite puts the old bytes back from that copy and drops it; only when even that fails
// is the copy kept, and the message names it. Without a copy the file is not touched. A pipe or a
// device is written to, never replaced. Throws FileCreateError with the system's reason in German.
void WriteByteFile(const QString& fileName, const QByteArray& bytes);

// Saves several files together: each regular file's new bytes are written beside it first, and only
// when all of them are written do they replace the old files, so a failure while writing leaves every
// old file as it was. Files that cannot be replaced (written in place, pipes, devices) are written
// last. Throws FileCreateError naming the file that failed.
void WriteByteFiles(const QList<std::pair<QString, QByteArray>>& files);

// Writes the bytes to an already opened device; throws FileCreateError naming fileName if the device
// takes fewer bytes. For output that is no file of its own (the command line's standard output); files
// are saved through WriteByteFile, which writes on the descriptor itself.
void WriteAll(QIODevice& device, const QString& fileName, const QByteArray& bytes);

// A fault an in-place save meets on purpose, for tests: after the copy of the old bytes is made, the
// write of the new bytes stops with an input/output error once writeFailsAfter bytes are written
// (-1: it does not), or all bytes are written and the flush fails; restoreFails makes writing the old
// bytes back fail as well. The fault holds for every in-place save until it is set again.
struct InPlaceFault {
    qint64 writeFailsAfter = -1;
    bool flushFails = false;
    bool restoreFails = false;
};
void SetInPlaceFaultForTests(const InPlaceFault& fault);
