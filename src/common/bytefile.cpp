// Whole-file binary reading and writing.
#include "common/bytefile.h"

#include "common/backupcopies.h"
#include "common/errors.h"
#include "common/programdatafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
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
    SaveFailure(int error_, QString extra_ = {}, QString message_ = {})
        : error(error_), extra(std::move(extra_)), message(std::move(message_))
    {
    }
    int error = 0;
    QString extra;
    // When set, the whole message: its first sentence names another cause than the file itself.
    QString message;
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

// The fault in-place saves meet in tests (SetInPlaceFaultForTests).
InPlaceFault gFault;

// Thrown when the copy of a file's old bytes cannot be made; the file is untouched then.
struct CopyFailure {
    int error = 0;
};

// Syncs a folder, so that a name just made in it survives a crash.
int SyncFolder(const QString& folder)
{
    Descriptor fd(OpenFile(folder, O_RDONLY | O_DIRECTORY));
    if (!fd.valid())
        return errno;
    return Sync(fd.get());
}

// The backup folder, made when missing; only its owner may enter it, since it holds copies of the
// user's files. The error number when it cannot be made so.
int PrepareBackupFolder(const QString& folder)
{
    const QByteArray path = NativePath(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        // The folders above it are made as any folder of the user's.
        if (errno != ENOENT)
            return errno;
        const QString parent = QFileInfo(folder).path();
        if (parent != folder && !QDir().mkpath(parent) && ::mkdir(NativePath(parent).constData(), 0777) != 0)
            return errno;
        if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
            return errno;
    }
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        return errno;
    if (!S_ISDIR(info.st_mode))
        return ENOTDIR;
    if ((info.st_mode & 07777) != 0700 && ::chmod(path.constData(), 0700) != 0)
        return errno;
    return 0;
}

// Copies the old bytes of the open file (oldSize of them) whole into the backup folder: under a
// half-made name first, given its final name (which tells where it came from) only once every byte
// is written and flushed, with the original's permission bits. Returns the copy's path; throws
// CopyFailure, leaving nothing behind.
QString MakeBackupCopy(int fd, qint64 oldSize, mode_t mode, const QString& target)
{
    const QString folder = BackupFolder();
    if (const int error = PrepareBackupFolder(folder))
        throw CopyFailure{error};
    RemoveHalfMadeBackupCopies(folder);
    QString tempName;
    Descriptor out;
    const QString half = folder + QLatin1Char('/') + HalfMadeBackupCopyPrefix() + QString::number(::getpid());
    if (const int error = CreateTemporary(half, 0600, tempName, out))
        throw CopyFailure{error};
    const QByteArray tempPath = NativePath(tempName);
    const auto fail = [&](int error) {
        ::unlink(tempPath.constData());
        throw CopyFailure{error};
    };
    QByteArray piece(64 * 1024, Qt::Uninitialized);
    for (qint64 at = 0; at < oldSize; at += piece.size()) {
        const qint64 n = std::min<qint64>(piece.size(), oldSize - at);
        if (const int error = ReadFully(fd, piece.data(), n, at))
            fail(error);
        if (const int error = WriteFully(out.get(), piece.constData(), n))
            fail(error);
    }
    if (::fchmod(out.get(), mode & 0777) != 0)
        fail(errno);
    if (const int error = Sync(out.get()))
        fail(error);
    if (const int error = out.close())
        fail(error);
    // A new name that no other copy has: link() never replaces a file.
    const QString original = QFileInfo(target).absoluteFilePath();
    for (int attempt = 0;; ++attempt) {
        const QString copy = folder + QLatin1Char('/') + BackupCopyFileName(original, RandomSuffix().mid(1));
        const QByteArray copyPath = NativePath(copy);
        bool named = ::link(tempPath.constData(), copyPath.constData()) == 0;
        if (!named) {
            const int error = errno;
            const bool noLinks = error == EPERM || error == EOPNOTSUPP;
            // A file system without links: a rename onto a name that no file has.
            struct stat taken {};
            if (noLinks && ::lstat(copyPath.constData(), &taken) != 0 && errno == ENOENT) {
                if (::rename(tempPath.constData(), copyPath.constData()) != 0)
                    fail(errno);
                named = true;
            } else if (!noLinks && error != EEXIST) {
                fail(error);
            }
        }
        if (named) {
            ::unlink(tempPath.constData());
            if (const int error = SyncFolder(folder)) {
                ::unlink(NativePath(copy).constData());
                throw CopyFailure{error};
            }
            return copy;
        }
        if (attempt >= 100)
            fail(EEXIST);
    }
}

// Writes the copy's bytes back over the file and gives it the old length again; true when the file
// holds its old bytes and they are flushed.
bool RestoreFromCopy(int fd, const QString& copy, qint64 oldSize)
{
    if (gFault.restoreFails)
        return false;
    Descriptor in(OpenFile(copy, O_RDONLY));
    struct stat info {};
    if (!in.valid() || ::fstat(in.get(), &info) != 0 || info.st_size != oldSize)
        return false;
    QByteArray piece(64 * 1024, Qt::Uninitialized);
    for (qint64 at = 0; at < oldSize; at += piece.size()) {
        const qint64 n = std::min<qint64>(piece.size(), oldSize - at);
        if (ReadFully(in.get(), piece.data(), n, at) != 0 || WriteFully(fd, piece.constData(), n, at) != 0)
            return false;
    }
    return ::ftruncate(fd, oldSize) == 0 && Sync(fd) == 0;
}

// The new bytes over the file's start, from offset 0; the error number, or 0. Meets the test fault.
int OverwriteWith(int fd, const QByteArray& bytes)
{
    if (gFault.writeFailsAfter >= 0 && gFault.writeFailsAfter < bytes.size()) {
        WriteFully(fd, bytes.constData(), gFault.writeFailsAfter, 0);
        return EIO;
    }
    return WriteFully(fd, bytes.constData(), bytes.size(), 0);
}

// A writable file in a folder that takes no new file cannot be replaced through a temporary file
// beside it; it is overwritten in place. Its old bytes are first copied whole into the backup folder
// (MakeBackupCopy), and the file is touched only once that copy is flushed. Then the new bytes are
// written over the old ones and flushed; only after that is a longer old file cut to the new length,
// so until the new bytes are safe every old byte is in the copy and the file keeps its old length.
// A step that fails writes the old bytes back from the copy, which is dropped once the file is whole
// again; when even that fails, the copy stays and the message names it. A kill or a crash during the
// write leaves the copy too, for the next start to name (LeftBackupCopies). Growing files get their
// room reserved before any byte is overwritten, so a full disk or a size limit usually fails before
// the file is touched.
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

    QString copy;
    try {
        copy = MakeBackupCopy(fd.get(), oldSize, old.st_mode, target);
    } catch (const CopyFailure& failure) {
        throw SaveFailure{failure.error, {},
                          QStringLiteral("Die Sicherungskopie von \"%1\" lässt sich in %2 nicht anlegen: %3. Ohne sie "
                                         "wird die Datei nicht an Ort und Stelle überschrieben (in ihrem Ordner kann "
                                         "keine neue Datei angelegt werden); sie ist unverändert.")
                              .arg(target, QDir::toNativeSeparators(BackupFolder()), SystemErrorText(failure.error))};
    }

    const auto restore = [&](int error) {
        if (!fd.valid())
            fd.reset(OpenFile(target, O_RDWR));
        if (fd.valid() && RestoreFromCopy(fd.get(), copy, oldSize)) {
            ::unlink(NativePath(copy).constData());
            throw SaveFailure{error, QStringLiteral(" (Die Datei hat wieder ihren alten Inhalt.)")};
        }
        throw SaveFailure{error, QStringLiteral(" (Die Datei ließ sich nicht wiederherstellen; ihr alter Inhalt "
                                                "liegt in der Sicherungskopie %1.)")
                                     .arg(QDir::toNativeSeparators(copy))};
    };
    if (newSize > oldSize) {
        if (const int error = ::posix_fallocate(fd.get(), oldSize, newSize - oldSize))
            restore(error);
    }
    if (const int error = OverwriteWith(fd.get(), bytes))
        restore(error);
    if (const int error = gFault.flushFails ? EIO : Sync(fd.get()))
        restore(error);
    if (newSize < oldSize) {
        if (::ftruncate(fd.get(), newSize) != 0)
            restore(errno);
        if (const int error = Sync(fd.get()))
            restore(error);
    }
    if (const int error = fd.close())
        restore(error);
    ::unlink(NativePath(copy).constData());
}

// Why a file that is not a regular file is not read.
QString SpecialFileReason(mode_t mode)
{
    if (S_ISFIFO(mode))
        return QStringLiteral("Das ist keine gewöhnliche Datei, sondern eine Pipe (FIFO)");
    if (S_ISSOCK(mode))
        return QStringLiteral("Das ist keine gewöhnliche Datei, sondern ein Socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("Das ist keine gewöhnliche Datei, sondern ein Gerät");
    return QStringLiteral("Das ist keine gewöhnliche Datei");
}

} // namespace

void SetInPlaceFaultForTests(const InPlaceFault& fault)
{
    gFault = fault;
}

ByteFileReader::ByteFileReader(const QString& fileName)
{
    // Without O_NONBLOCK the open of a pipe waits for a writer, which may never come.
    mFd = OpenFile(fileName, O_RDONLY | O_NONBLOCK);
    if (mFd < 0) {
        const int error = errno;
        // A socket cannot be opened at all; say what it is rather than "no such device".
        struct stat info {};
        if (error == ENXIO && ::stat(NativePath(fileName).constData(), &info) == 0 && S_ISSOCK(info.st_mode))
            throw FileOpenError(fileName, SpecialFileReason(info.st_mode));
        throw FileOpenError(fileName, SystemErrorText(error));
    }
    struct stat info {};
    if (::fstat(mFd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = errno;
        ::close(mFd);
        mFd = -1;
        if (S_ISDIR(info.st_mode))
            throw FileOpenError(fileName, SystemErrorText(EISDIR));
        if (info.st_mode != 0)
            throw FileOpenError(fileName, SpecialFileReason(info.st_mode));
        throw FileOpenError(fileName, SystemErrorText(error));
    }
    // A regular file never blocks; the flag goes so that reads behave as usual.
    ::fcntl(mFd, F_SETFL, ::fcntl(mFd, F_GETFL) & ~O_NONBLOCK);
    mClaimedSize = info.st_size;
}

ByteFileReader::~ByteFileReader()
{
    if (mFd >= 0)
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
        if (!failure.message.isEmpty())
            throw FileCreateError::WithText(failure.message);
        throw FileCreateError(*current, SystemErrorText(failure.error) + failure.extra);
    }
}

void WriteByteFile(const QString& fileName, const QByteArray& bytes)
{
    WriteByteFiles({{fileName, bytes}});
}
