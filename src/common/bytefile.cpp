// Whole-file binary reading and writing.
#include "common/bytefile.h"

#include "common/boundedbytefile.h"
#include "common/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

QByteArray NativePath(const QString& fileName)
{
    return QFile::encodeName(fileName);
}

// A file descriptor that is closed when it goes out of scope (errors of that close are not seen;
// a save closes its file itself and checks the result).
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : mFd(fd) {}
    ~Descriptor()
    {
        if (mFd >= 0)
            ::close(mFd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    void reset(int fd)
    {
        if (mFd >= 0)
            ::close(mFd);
        mFd = fd;
    }
    int get() const { return mFd; }
    bool valid() const { return mFd >= 0; }
    // Closes now; the error number of a failed close, or 0.
    int close()
    {
        const int fd = mFd;
        mFd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int mFd;
};

int OpenFile(const QString& fileName, int flags, mode_t mode = 0)
{
    int fd;
    do
        fd = ::open(NativePath(fileName).constData(), flags | O_CLOEXEC | O_NOCTTY, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Writes all bytes at the descriptor's position (offset < 0) or from offset on; the error number,
// or 0 when every byte was taken.
int WriteFully(int fd, const char* data, qint64 size, qint64 offset = -1)
{
    qint64 done = 0;
    while (done < size) {
        const size_t piece = static_cast<size_t>(std::min<qint64>(size - done, qint64{1} << 30));
        const ssize_t n = offset < 0 ? ::write(fd, data + done, piece) : ::pwrite(fd, data + done, piece, offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        done += n;
    }
    return 0;
}

// Reads exactly size bytes from offset on; the error number, or EIO when the file ends before.
int ReadFully(int fd, char* data, qint64 size, qint64 offset)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, data + done, static_cast<size_t>(size - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        done += n;
    }
    return 0;
}

// fsync, where the file system offers it.
int Sync(int fd)
{
    if (::fsync(fd) == 0 || errno == EINVAL || errno == EROFS || errno == EOPNOTSUPP)
        return 0;
    return errno;
}

// The file a save lands in: a symbolic link is followed to its target (which need not exist yet),
// so that the link stays a link.
QString SaveTarget(const QString& fileName)
{
    QFileInfo info(fileName);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? fileName : info.filePath();
}

// Thrown inside a save, turned into the file error naming the file the caller gave.
struct SaveFailure {
    int error = 0;
    QString extra;
};

QString RandomSuffix()
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString suffix = QStringLiteral(".");
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
    return suffix;
}

// Creates a new file beside `target` that nobody else has opened; its name goes to `tempName`.
// The error number when the folder takes no new file.
int CreateTemporary(const QString& target, mode_t mode, QString& tempName, Descriptor& out)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = target + RandomSuffix();
        const int fd = OpenFile(tempName, O_WRONLY | O_CREAT | O_EXCL, mode);
        if (fd >= 0) {
            out.reset(fd);
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

// Writes a new file beside target through `fill`, to be put in target's place later in one rename,
// so that target holds either its old or its new bytes, never a mixture. `existing` is target's state
// when it exists (its permissions are kept). Returns 0 with the new file's name in tempName, or the
// error number of the folder refusing a new file (nothing was made then); throws SaveFailure for
// every other failure, leaving nothing behind.
int WriteTemporary(const QString& target, const struct stat* existing, const std::function<int(int fd)>& fill,
                   QString& tempName)
{
    Descriptor fd;
    // A file that exists keeps its permissions; until they are copied nobody else may read the new one.
    if (const int error = CreateTemporary(target, existing ? 0600 : 0666, tempName, fd))
        return error;
    const auto fail = [&](int error) {
        ::unlink(NativePath(tempName).constData());
        throw SaveFailure{error, {}};
    };
    if (existing)
        ::fchmod(fd.get(), existing->st_mode & 07777);
    if (const int error = fill(fd.get()))
        fail(error);
    if (const int error = Sync(fd.get()))
        fail(error);
    if (const int error = fd.close())
        fail(error);
    return 0;
}

// Puts a written temporary file in target's place; throws SaveFailure, leaving nothing behind.
void CommitTemporary(const QString& tempName, const QString& target)
{
    if (::rename(NativePath(tempName).constData(), NativePath(target).constData()) != 0) {
        const int error = errno;
        ::unlink(NativePath(tempName).constData());
        throw SaveFailure{error, {}};
    }
}

// Where a file that must be written in place keeps its old bytes until the save is done.
QString RecoveryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tavrel/sicherung");
}

// A writable file in a folder that takes no new file cannot be replaced through a temporary file
// beside it; it is overwritten in place. The old bytes are first copied whole into the recovery
// folder, and the part that is overwritten is kept in memory: a write that fails puts them back and
// the file ends as it was. Only a kill or a crash during the write can leave the file mixed; the
// copy is then still in the recovery folder. Growing files get their room reserved before any byte
// is overwritten, so a full disk or a size limit usually fails before the file is touched.
void WriteInPlace(const QString& target, const QByteArray& bytes)
{
    Descriptor fd(OpenFile(target, O_RDWR));
    if (!fd.valid())
        throw SaveFailure{errno, {}};
    struct stat old {};
    if (::fstat(fd.get(), &old) != 0)
        throw SaveFailure{errno, {}};
    const qint64 oldSize = old.st_size;
    const qint64 newSize = bytes.size();

    QByteArray overwritten(std::min(oldSize, newSize), Qt::Uninitialized);
    if (const int error = ReadFully(fd.get(), overwritten.data(), overwritten.size(), 0))
        throw SaveFailure{error, {}};

    const QString folder = RecoveryFolder();
    const QString copy = folder + QLatin1Char('/') + QFileInfo(target).fileName();
    QDir().mkpath(folder);
    // The copy is a file of its own, made through a temporary file too: a copy that exists is whole.
    const QString copyName = copy + RandomSuffix();
    try {
        QString copyTemp;
        const int refused = WriteTemporary(copyName, nullptr, [&](int out) {
            QByteArray piece(64 * 1024, Qt::Uninitialized);
            for (qint64 at = 0; at < oldSize; at += piece.size()) {
                const qint64 n = std::min<qint64>(piece.size(), oldSize - at);
                if (const int error = ReadFully(fd.get(), piece.data(), n, at))
                    return error;
                if (const int error = WriteFully(out, piece.constData(), n))
                    return error;
            }
            return 0;
        }, copyTemp);
        if (refused)
            throw SaveFailure{refused, {}};
        CommitTemporary(copyTemp, copyName);
    } catch (const SaveFailure& failure) {
        throw SaveFailure{failure.error, QStringLiteral(" (Die Datei müsste an Ort und Stelle überschrieben werden, "
                                                        "aber die Sicherungskopie in %1 lässt sich nicht anlegen.)")
                                             .arg(folder)};
    }
    const QByteArray copyPath = NativePath(copyName);

    const auto restore = [&](int error) {
        const bool back = WriteFully(fd.get(), overwritten.constData(), overwritten.size(), 0) == 0
            && ::ftruncate(fd.get(), oldSize) == 0 && Sync(fd.get()) == 0;
        if (!back)
            throw SaveFailure{error, QStringLiteral(" (Der alte Inhalt liegt in %1.)").arg(copyName)};
        ::unlink(copyPath.constData());
        throw SaveFailure{error, {}};
    };
    if (newSize > oldSize) {
        if (const int error = ::posix_fallocate(fd.get(), oldSize, newSize - oldSize))
            restore(error);
    }
    if (const int error = WriteFully(fd.get(), bytes.constData(), newSize, 0))
        restore(error);
    if (newSize < oldSize && ::ftruncate(fd.get(), newSize) != 0)
        restore(errno);
    if (const int error = Sync(fd.get()))
        restore(error);
    if (const int error = fd.close())
        throw SaveFailure{error, QStringLiteral(" (Der alte Inhalt liegt in %1.)").arg(copyName)};
    ::unlink(copyPath.constData());
}

} // namespace

ByteFileReader::ByteFileReader(const QString& fileName)
{
    mFd = OpenFile(fileName, O_RDONLY);
    if (mFd < 0)
        throw FileOpenError(fileName, SystemErrorText(errno));
    struct stat info {};
    if (::fstat(mFd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(mFd);
        throw FileOpenError(fileName, SystemErrorText(error));
    }
    // Pipes and devices claim nothing; their size is what they deliver.
    mClaimedSize = S_ISREG(info.st_mode) ? info.st_size : 0;
}

ByteFileReader::~ByteFileReader()
{
    ::close(mFd);
}

qint64 ByteFileReader::read(char* buffer, qint64 maxBytes)
{
    for (;;) {
        const ssize_t n = ::read(mFd, buffer, static_cast<size_t>(std::min<qint64>(maxBytes, qint64{1} << 30)));
        if (n >= 0)
            return n;
        if (errno != EINTR)
            throw StreamReadError();
    }
}

QByteArray ReadByteFile(const QString& fileName)
{
    return ReadByteFileUpTo(fileName, kMaxByteFileSize);
}

qint64 ByteFileSize(const QString& fileName)
{
    return ByteFileReader(fileName).claimedSize();
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

namespace {

// One file of a save: how it is written, and the temporary file that waits for the commit.
struct StagedFile {
    enum Kind { Replace, InPlace, Direct };
    QString fileName;
    QString target;
    const QByteArray* bytes = nullptr;
    Kind kind = Replace;
    QString tempName;
};

// Decides how the file is saved and, for a regular file, writes its new bytes beside it.
// Throws SaveFailure.
StagedFile Stage(const QString& fileName, const QByteArray& bytes)
{
    StagedFile file;
    file.fileName = fileName;
    file.target = SaveTarget(fileName);
    file.bytes = &bytes;
    struct stat existing {};
    const bool exists = ::stat(NativePath(file.target).constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        throw SaveFailure{EISDIR, {}};
    if (exists && !S_ISREG(existing.st_mode)) {
        // A pipe, a terminal or a device is written to, never replaced by a regular file.
        file.kind = StagedFile::Direct;
        return file;
    }
    // A file the user may not write stays as it is, though the folder would let it be replaced.
    if (exists && ::access(NativePath(file.target).constData(), W_OK) != 0)
        throw SaveFailure{errno, {}};
    const int refused = WriteTemporary(
        file.target, exists ? &existing : nullptr,
        [&](int fd) { return WriteFully(fd, bytes.constData(), bytes.size()); }, file.tempName);
    if (refused == 0)
        return file;
    if (!exists || refused != EACCES)
        throw SaveFailure{refused, {}};
    file.kind = StagedFile::InPlace;
    return file;
}

// Puts the file's new bytes in place. Throws SaveFailure.
void Finish(const StagedFile& file)
{
    switch (file.kind) {
    case StagedFile::Replace:
        CommitTemporary(file.tempName, file.target);
        return;
    case StagedFile::InPlace:
        WriteInPlace(file.target, *file.bytes);
        return;
    case StagedFile::Direct: {
        Descriptor fd(OpenFile(file.target, O_WRONLY));
        if (!fd.valid())
            throw SaveFailure{errno, {}};
        if (const int error = WriteFully(fd.get(), file.bytes->constData(), file.bytes->size()))
            throw SaveFailure{error, {}};
        if (const int error = fd.close())
            throw SaveFailure{error, {}};
        return;
    }
    }
}

} // namespace

void WriteByteFiles(const QList<std::pair<QString, QByteArray>>& files)
{
    std::vector<StagedFile> staged;
    staged.reserve(static_cast<size_t>(files.size()));
    const QString* current = nullptr;
    try {
        for (const auto& [fileName, bytes] : files) {
            current = &fileName;
            staged.push_back(Stage(fileName, bytes));
        }
        // Every regular file is written now; they replace their old files one after another, and the
        // files that cannot be replaced (written in place, pipes, devices) come last.
        for (const bool replacing : {true, false}) {
            for (StagedFile& file : staged) {
                if ((file.kind == StagedFile::Replace) != replacing)
                    continue;
                current = &file.fileName;
                Finish(file);
                file.tempName.clear();
            }
        }
    } catch (const SaveFailure& failure) {
        for (const StagedFile& file : staged)
            if (!file.tempName.isEmpty())
                ::unlink(NativePath(file.tempName).constData());
        throw FileCreateError(*current, SystemErrorText(failure.error) + failure.extra);
    }
}

void WriteByteFile(const QString& fileName, const QByteArray& bytes)
{
    WriteByteFiles({{fileName, bytes}});
}
