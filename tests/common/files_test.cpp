// Windows-1252 line files and whole byte files, including writes that fail.
#include "common/backupcopies.h"
#include "common/boundedbytefile.h"
#include "common/bytefile.h"
#include "common/errors.h"
#include "common/programdatafolder.h"
#include "support/childprocess.h"
#include "support/scripteddialogs.h"
#include "support/filesizelimit.h"
#include "common/textfile.h"

#include <QBuffer>
#include <QDir>
#include <QFileDevice>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray ReadRaw(const QString& fileName)
{
    QFile f(fileName);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << fileName.toStdString();
    return f.readAll();
}

void WriteRaw(const QString& fileName, const QByteArray& bytes)
{
    QFile f(fileName);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << fileName.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QString WriteRawPath(const QString& fileName, const QByteArray& bytes)
{
    WriteRaw(fileName, bytes);
    return fileName;
}

QStringList ReadAllLines(LineReader& reader, int extra)
{
    QStringList lines;
    const qsizetype n = reader.lineCount() + extra;
    for (qsizetype i = 0; i < n; ++i)
        lines << reader.next();
    return lines;
}

TEST(TextFile, WritesWindows1252WithCrLfAndReadsItBack)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("t.txt"));
    WriteLines(name, {QStringLiteral("Grüße €"), QString(), QStringLiteral("Ω≠x"), QStringLiteral("F0: 00")});

    EXPECT_EQ(ReadRaw(name), QByteArray("Gr\xFC\xDF" "e \x80\r\n\r\n??x\r\nF0: 00\r\n"));
    LineReader reader(name);
    EXPECT_EQ(reader.lineCount(), 4);
    EXPECT_EQ(ReadAllLines(reader, 0),
        QStringList({QStringLiteral("Grüße €"), QString(), QStringLiteral("??x"), QStringLiteral("F0: 00")}));
}

TEST(TextFile, ReadsCrLfAndLoneLfAndEmptyLinesPastTheEnd)
{
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const Case cases[] = {
        {"a\r\nb\nc", {"a", "b", "c"}},
        {"a\nb\n", {"a", "b"}},
        {"\r\n\r\nx\r\n", {"", "", "x"}},
        {"1;2\r\n\n3", {"1;2", "", "3"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        LineReader reader = LineReader::fromBytes(c.bytes);
        EXPECT_EQ(reader.lineCount(), c.lines.size()) << c.bytes.toStdString();
        QStringList expected = c.lines;
        expected << QString() << QString(); // past the end: empty texts, no failure
        EXPECT_EQ(ReadAllLines(reader, 2), expected) << c.bytes.toStdString();
        EXPECT_TRUE(reader.atEnd());
    }
}

TEST(TextFile, EveryByteSurvivesReadingAndWriting)
{
    // A file written by another program may hold any byte; loading and saving it again must not
    // change it. The five bytes the code page leaves undefined are passed through on reading.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            all += static_cast<char>(b);
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
    const QByteArray lines = "\x81\x8D\r\n\x8F\x90\x9D\r\n";
    LineReader reader = LineReader::fromBytes(lines);
    EXPECT_EQ(JoinWindows1252Lines(ReadAllLines(reader, 0)), lines);
}

TEST(TextFile, ShortLinesSharedAmongThemselvesStayEachTheirOwn)
{
    // Every line of up to three bytes over a few byte values, each twice, mixed with longer ones: lines
    // that are read once and shared after that must still be exactly the bytes of their own line.
    const QByteArray values = QByteArrayLiteral("0\x80 9\x00");
    QList<QByteArray> written;
    for (int n = 0; n <= 3; ++n) {
        const int combinations = n == 0 ? 1 : n == 1 ? 5 : n == 2 ? 25 : 125;
        for (int c = 0; c < combinations; ++c) {
            QByteArray line;
            for (int i = 0, rest = c; i < n; ++i, rest /= 5)
                line += values[rest % 5];
            written << line << line + "x1" << line;
        }
    }
    QByteArray bytes;
    for (const QByteArray& line : written)
        bytes += line + "\r\n";
    LineReader reader = LineReader::fromBytes(bytes);
    ASSERT_EQ(reader.lineCount(), written.size());
    for (const QByteArray& line : written)
        ASSERT_EQ(reader.next(), DecodeWindows1252(line)) << line.toHex().toStdString();
}

TEST(TextFile, MissingFileRaisesTheOpenError)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("fehlt.fa8"));
    try {
        LineReader reader(name);
        FAIL() << "no error";
    } catch (const FileOpenError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden. ").arg(name)))
            << e.message().toStdString();
        EXPECT_GT(e.message().size(), QStringLiteral("Datei %1 kann nicht geöffnet werden. ").arg(name).size())
            << "the system's reason is missing";
    }
}

// Accepts `room` bytes in total, in pieces of at most `piece`, then fails every write.
class FailingDevice : public QIODevice {
public:
    FailingDevice(qint64 room, qint64 piece) : mRoom(room), mPiece(piece) { open(QIODevice::WriteOnly); }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override
    {
        const qint64 n = std::min({len, mPiece, mRoom - static_cast<qint64>(written.size())});
        if (n <= 0) {
            setErrorString(QStringLiteral("Kein Platz"));
            return -1;
        }
        written.append(data, n);
        return n;
    }

private:
    qint64 mRoom;
    qint64 mPiece;
};

TEST(ByteFile, WriteAllFailsWhenTheDeviceStopsTakingBytes)
{
    const QByteArray bytes(1000, 'x');
    FailingDevice device(300, 1000);
    try {
        WriteAll(device, QStringLiteral("Pokey.bin"), bytes);
        FAIL() << "no error";
    } catch (const FileCreateError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Datei \"Pokey.bin\" kann nicht erstellt werden. Kein Platz"));
    }
    EXPECT_EQ(device.written.size(), 300);
}

TEST(ByteFile, WriteAllTakesShortWritesAsProgress)
{
    QByteArray bytes;
    for (int i = 0; i < 1000; ++i)
        bytes += static_cast<char>(i * 7);
    FailingDevice device(1000, 64);
    WriteAll(device, QStringLiteral("a.bin"), bytes);
    EXPECT_EQ(device.written, bytes);
}

TEST(ByteFile, RoundTripAndReplace)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("a.bin"));
    QByteArray bytes;
    for (int i = 0; i < 70000; ++i)
        bytes += static_cast<char>(i % 251);
    WriteRaw(name, QByteArray(100000, 'o'));
    WriteByteFile(name, bytes);
    EXPECT_EQ(ReadByteFile(name), bytes); // replaced, not overwritten in place: no old tail
    EXPECT_EQ(ByteFileSize(name), bytes.size());
    EXPECT_THROW(ReadByteFile(dir.filePath(QStringLiteral("fehlt.bin"))), FileOpenError);
    EXPECT_THROW(ByteFileSize(dir.filePath(QStringLiteral("fehlt.bin"))), FileOpenError);
}

TEST(ByteFile, UnwritableTargetsRaiseTheCreateErrorAndHarmNothing)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain"));
    WriteRaw(plain, "keep me");
    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));
    WriteRaw(folder + QStringLiteral("/inner.bin"), "inner");

    // Root may write anywhere, but not below a regular file, and not onto a folder.
    for (const QString& target : {plain + QStringLiteral("/x.bin"), folder}) {
        try {
            WriteByteFile(target, "new bytes");
            ADD_FAILURE() << "no error for " << target.toStdString();
        } catch (const FileCreateError& e) {
            const QString head = QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(target);
            EXPECT_TRUE(e.message().startsWith(head)) << e.message().toStdString();
            EXPECT_GT(e.message().size(), head.size()) << "the system's reason is missing";
        }
    }
    EXPECT_EQ(ReadRaw(plain), QByteArray("keep me"));
    EXPECT_EQ(ReadRaw(folder + QStringLiteral("/inner.bin")), QByteArray("inner"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
        QStringList({QStringLiteral("folder"), QStringLiteral("plain")}))
        << "a half-written file was left behind";
}

TEST(ByteFile, AWriteThatBreaksHalfWayLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("old.bin"));
    WriteRaw(name, "old content");
    // A file smaller than the device's buffer breaks only when the buffer is written out.
    for (const int size : {100000, 10000}) {
        {
            FileSizeLimit limit(4096);
            ASSERT_TRUE(limit.active());
            EXPECT_THROW(WriteByteFile(name, QByteArray(size, 'n')), FileCreateError) << size;
        }
        EXPECT_EQ(ReadRaw(name), QByteArray("old content")) << size;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("old.bin")}));
}

// A save whose last bytes do not fit fails with the file error and leaves the old file, whatever the
// remainder: a few bytes, a few KiB, or just under the write buffer of the file layer.
TEST(ByteFile, ASaveThatFallsShortByAFewBytesLeavesTheOldFile)
{
    using Writer = std::function<void(const QString&, int)>;
    const std::pair<const char*, Writer> writers[] = {
        {"WriteByteFile", [](const QString& name, int size) { WriteByteFile(name, QByteArray(size, 'n')); }},
        {"WriteLines",
         [](const QString& name, int size) { WriteLines(name, QStringList(size / 10, QStringLiteral("12345678"))); }},
    };
    const struct {
        int size;
        int shortBy;
    } cases[] = {{100000, 3000}, {100000, 1}, {100000, 16000}, {20000, 4000}, {5000, 2000}};
    for (const auto& entry : writers) {
        const auto& writerName = entry.first;
        const auto& writer = entry.second;
        for (const auto& c : cases) {
            QTemporaryDir dir;
            const QString name = dir.filePath(QStringLiteral("old.bin"));
            WriteRaw(name, "old content");
            const ChildResult result = RunWithFileSizeLimit(c.size - c.shortBy, [&] { writer(name, c.size); });
            const std::string what = std::string(writerName) + " of " + std::to_string(c.size) + " bytes, "
                + std::to_string(c.shortBy) + " too many";
            EXPECT_EQ(result.end, ChildResult::FileCreateError) << what << ": " << ChildEndName(result.end);
            EXPECT_TRUE(result.message.startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(name)))
                << what << ": " << result.message.toStdString();
            const QByteArray now = ReadRaw(name);
            EXPECT_TRUE(now == "old content") << what << ": the file now holds " << now.size() << " bytes";
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("old.bin")})) << what;
        }
    }
}

// A file the user may write in a folder where no new file can be made: the save cannot go through a
// temporary file beside it, so it writes the file in place. Run as an unprivileged child, because
// root may create files in any folder.
class InPlaceSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.filePath(QStringLiteral("nurlesen"));
        name = folder + QStringLiteral("/daten.bin");
        dataHome = dir.filePath(QStringLiteral("daten"));
        ASSERT_TRUE(QDir().mkdir(folder));
        ASSERT_TRUE(QDir().mkdir(dataHome));
        ASSERT_TRUE(QFile::setPermissions(dir.path(), kAll | kEnter | QFileDevice::WriteOwner));
        ASSERT_TRUE(QFile::setPermissions(dataHome, kAll | kEnter | kWrite));
    }
    void TearDown() override { QFile::setPermissions(folder, kAll | kEnter | QFileDevice::WriteOwner); }

    // The file with these bytes, writable by everyone, in the folder that takes no new file.
    void Prepare(const QByteArray& bytes)
    {
        QFile::setPermissions(folder, kAll | kEnter | QFileDevice::WriteOwner);
        WriteRaw(name, bytes);
        ASSERT_TRUE(QFile::setPermissions(name, kAll | kWrite));
        ASSERT_TRUE(QFile::setPermissions(folder, kAll | kEnter));
    }
    ChildResult Save(const std::function<void()>& action, rlim_t limit = RLIM_INFINITY)
    {
        return RunUnprivileged(action, limit, dataHome);
    }
    // The folder of the copies of old bytes, and the copies left there (half-made ones too).
    QString BackupDir() const { return dataHome + QStringLiteral("/Tavrel/sicherung"); }
    QStringList LeftCopies() const { return QDir(BackupDir()).entryList(QDir::Files | QDir::Hidden); }

    static constexpr auto kAll = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    static constexpr auto kEnter = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    static constexpr auto kWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    QTemporaryDir dir;
    QString folder;
    QString name;
    QString dataHome;
};

TEST_F(InPlaceSave, AWritableFileInAReadOnlyFolderIsSavedInPlace)
{
    Prepare(QByteArray(5000, 'o'));
    const ChildResult saved = Save([&] { WriteByteFile(name, "neue Bytes"); });
    EXPECT_EQ(saved.end, ChildResult::Returned) << ChildEndName(saved.end) << ": " << saved.message.toStdString();
    EXPECT_EQ(ReadRaw(name), QByteArray("neue Bytes")) << "the old tail must be gone";

    const ChildResult lines = Save([&] { WriteLines(name, {QStringLiteral("a"), QStringLiteral("b")}); });
    EXPECT_EQ(lines.end, ChildResult::Returned) << ChildEndName(lines.end) << ": " << lines.message.toStdString();
    EXPECT_EQ(ReadRaw(name), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(LeftCopies(), QStringList()) << "the copy of the old bytes is dropped after a save";

    // A new file still cannot be made there, and the error says so.
    const QString fresh = folder + QStringLiteral("/neu.bin");
    const ChildResult refused = Save([&] { WriteByteFile(fresh, "x"); });
    EXPECT_EQ(refused.end, ChildResult::FileCreateError) << ChildEndName(refused.end);
    EXPECT_EQ(refused.message, QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Keine Berechtigung").arg(fresh));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({QStringLiteral("daten.bin")}));
}

// A file-size limit stops an in-place save before the file is touched: a file longer than the limit
// cannot even be copied, and a growing file fails when its room is reserved. Either way the file
// keeps its bytes and no copy is left behind. (A save that breaks after bytes were overwritten is
// AnOverwriteThatBreaksIsUndoneFromTheCopy.)
TEST_F(InPlaceSave, ASizeLimitStopsTheSaveBeforeTheFileIsTouched)
{
    const struct {
        int oldSize;
        int newSize;
        rlim_t limit;
        const char* stage;
    } cases[] = {
        {133136, 133136, 132096, "copy"}, {20000, 5000, 3000, "copy"}, {5000, 20000, 10000, "room"},
        {8000, 8001, 8000, "room"},
    };
    for (const auto& c : cases) {
        QByteArray old(c.oldSize, Qt::Uninitialized);
        for (int i = 0; i < old.size(); ++i)
            old[i] = static_cast<char>(i % 253);
        Prepare(old);
        const ChildResult result = Save([&] { WriteByteFile(name, QByteArray(c.newSize, 'n')); }, c.limit);
        const std::string what = std::to_string(c.oldSize) + " -> " + std::to_string(c.newSize);
        EXPECT_EQ(result.end, ChildResult::FileCreateError) << what << ": " << ChildEndName(result.end);
        if (std::string(c.stage) == "copy")
            EXPECT_TRUE(result.message.startsWith(QStringLiteral("Die Sicherungskopie von \"%1\" lässt sich in %2 nicht "
                                                                 "anlegen: Die Datei wird zu groß.")
                                                      .arg(name, BackupDir())))
                << what << ": " << result.message.toStdString();
        else
            EXPECT_EQ(result.message, QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Die Datei wird zu groß "
                                                     "(Die Datei hat wieder ihren alten Inhalt.)")
                                          .arg(name))
                << what;
        const QByteArray now = ReadRaw(name);
        EXPECT_TRUE(now == old) << what << ": the file now holds " << now.size() << " bytes";
        EXPECT_EQ(LeftCopies(), QStringList()) << what;
    }
}

// An in-place save that breaks after the copy is made and bytes of the file were overwritten, in the
// write or in the flush, puts the old bytes back from the copy, whether the file would grow, stay as
// long or shrink; the copy is dropped then.
TEST_F(InPlaceSave, AnOverwriteThatBreaksIsUndoneFromTheCopy)
{
    const struct {
        int oldSize;
        int newSize;
        InPlaceFault fault;
    } cases[] = {
        {5000, 20000, {12000, false, false}},    // grows; breaks past the old end
        {5000, 20000, {3000, false, false}},     // grows; breaks inside the old bytes
        {100000, 1415, {-1, true, false}},       // shrinks; the flush fails
        {100000, 1415, {700, false, false}},     // shrinks; breaks half way
        {70000, 70000, {65536, false, false}},   // as long; breaks after the first piece
        {70000, 70000, {-1, true, false}},       // as long; the flush fails
        {20000, 50000, {-1, true, false}},       // grows; the flush fails
    };
    for (const auto& c : cases) {
        QByteArray old(c.oldSize, Qt::Uninitialized);
        for (int i = 0; i < old.size(); ++i)
            old[i] = static_cast<char>(i % 253);
        Prepare(old);
        const ChildResult result = Save([&] {
            SetInPlaceFaultForTests(c.fault);
            WriteByteFile(name, QByteArray(c.newSize, 'n'));
        });
        const std::string what = std::to_string(c.oldSize) + " -> " + std::to_string(c.newSize) + " breaking "
            + (c.fault.flushFails ? std::string("at the flush") : "after " + std::to_string(c.fault.writeFailsAfter));
        EXPECT_EQ(result.end, ChildResult::FileCreateError) << what << ": " << ChildEndName(result.end);
        EXPECT_EQ(result.message, QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Ein-/Ausgabefehler "
                                                 "(Die Datei hat wieder ihren alten Inhalt.)")
                                      .arg(name))
            << what;
        const QByteArray now = ReadRaw(name);
        EXPECT_TRUE(now == old) << what << ": the file now holds " << now.size() << " bytes, "
                                << now.count('n') << " of them new";
        EXPECT_EQ(LeftCopies(), QStringList()) << what;
    }
}

// When the old bytes cannot be written back either, the copy stays, whole, and the message says where:
// in a folder only its owner may enter, with the file's own permission bits, under a name that tells
// where the file came from; the next start finds it.
TEST_F(InPlaceSave, AFileThatCannotBeRestoredKeepsItsCopyAndTheMessageNamesIt)
{
    QByteArray old(30000, Qt::Uninitialized);
    for (int i = 0; i < old.size(); ++i)
        old[i] = static_cast<char>(i % 241);
    Prepare(old); // readable and writable by everyone: the copy's bits say so too, not the 0600 it is made with
    const ChildResult result = Save([&] {
        SetInPlaceFaultForTests({1000, false, true});
        WriteByteFile(name, QByteArray(2000, 'n'));
    });
    EXPECT_EQ(result.end, ChildResult::FileCreateError) << ChildEndName(result.end);
    const QStringList copies = LeftCopies();
    ASSERT_EQ(copies.size(), 1);
    const QString copy = BackupDir() + QLatin1Char('/') + copies.first();
    EXPECT_EQ(result.message, QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Ein-/Ausgabefehler (Die Datei "
                                             "ließ sich nicht wiederherstellen; ihr alter Inhalt liegt in der "
                                             "Sicherungskopie %2.)")
                                  .arg(name, copy));
    EXPECT_TRUE(ReadRaw(copy) == old);
    EXPECT_TRUE(ReadRaw(name).startsWith(QByteArray(1000, 'n'))) << "the fault did not overwrite the file";
    EXPECT_EQ(BackupCopyOriginal(copies.first()), name);

    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(BackupDir()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);
    ASSERT_EQ(stat(QFile::encodeName(copy).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0666u);

    const QList<LeftBackupCopy> left = LeftBackupCopies(BackupDir());
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left.first().copy, copy);
    EXPECT_EQ(left.first().original, name);
    EXPECT_EQ(left.first().size, old.size());
    const QString notice = LeftBackupCopiesNotice(left);
    EXPECT_TRUE(notice.contains(name) && notice.contains(copy)) << notice.toStdString();
}

// Without a place for the copy of the old bytes the file is not touched.
TEST_F(InPlaceSave, NoPlaceForTheCopyLeavesTheFile)
{
    Prepare("alter Inhalt");
    ASSERT_TRUE(QFile::setPermissions(dataHome, kAll | kEnter));
    const ChildResult result = Save([&] { WriteByteFile(name, "neu"); });
    EXPECT_EQ(result.end, ChildResult::FileCreateError) << ChildEndName(result.end);
    EXPECT_TRUE(result.message.contains(QStringLiteral("Sicherungskopie"))) << result.message.toStdString();
    EXPECT_EQ(ReadRaw(name), QByteArray("alter Inhalt"));
}

// A target that exists and is not a regular file is written to, never replaced by a regular file.
TEST(ByteFile, APipeGetsTheBytesAndStaysAPipe)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("rohr"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // The reading end is open before the save, and the bytes fit into the pipe's buffer, so neither
    // side waits; a save that replaced the pipe leaves the reader with nothing.
    const int reader = open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    QByteArray bytes;
    for (int i = 0; i < 30000; ++i)
        bytes += static_cast<char>(i % 251);
    WriteByteFile(fifo, bytes);
    QByteArray received(40000, Qt::Uninitialized);
    const ssize_t n = read(reader, received.data(), static_cast<size_t>(received.size()));
    close(reader);
    EXPECT_TRUE(received.left(std::max<ssize_t>(n, 0)) == bytes) << n;
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(ByteFile, ADeviceIsWrittenToNotReplaced)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root makes device nodes";
    QTemporaryDir dir;
    const QString null = dir.filePath(QStringLiteral("null"));
    const QString full = dir.filePath(QStringLiteral("full"));
    ASSERT_EQ(mknod(QFile::encodeName(null).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
    ASSERT_EQ(mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)), 0);
    EXPECT_NO_THROW(WriteByteFile(null, "verschluckt"));
    try {
        WriteLines(full, {QStringLiteral("voll")});
        ADD_FAILURE() << "a full device took the bytes";
    } catch (const FileCreateError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Auf dem Gerät ist kein "
                                              "Speicherplatz mehr verfügbar").arg(full));
    }
    for (const QString& node : {null, full}) {
        struct stat info {};
        ASSERT_EQ(stat(QFile::encodeName(node).constData(), &info), 0);
        EXPECT_TRUE(S_ISCHR(info.st_mode)) << node.toStdString();
    }
}

// The reasons are German whatever the desktop's language.
TEST(ByteFile, ReasonsAreGerman)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QString missing = dir.filePath(QStringLiteral("fehlt/x.bin"));
    const struct {
        std::function<void()> action;
        QString message;
    } cases[] = {
        {[&] { ReadByteFile(folder); }, QStringLiteral("Datei %1 kann nicht geöffnet werden. Ist ein Verzeichnis").arg(folder)},
        {[&] { LineReader reader(folder); }, QStringLiteral("Datei %1 kann nicht geöffnet werden. Ist ein Verzeichnis").arg(folder)},
        {[&] { ReadByteFile(missing); },
         QStringLiteral("Datei %1 kann nicht geöffnet werden. Datei oder Verzeichnis nicht gefunden").arg(missing)},
        {[&] { WriteByteFile(folder, "x"); }, QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Ist ein Verzeichnis").arg(folder)},
        {[&] { WriteByteFile(missing, "x"); },
         QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Datei oder Verzeichnis nicht gefunden").arg(missing)},
    };
    for (const auto& c : cases) {
        try {
            c.action();
            ADD_FAILURE() << "no error: " << c.message.toStdString();
        } catch (const TavrelError& e) {
            EXPECT_EQ(e.message(), c.message);
        }
    }
    // A file the user may not write stays as it is, though the folder would let it be replaced.
    const QString locked = WriteRawPath(dir.filePath(QStringLiteral("gesperrt.bin")), "alt");
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                      | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
    const ChildResult result = RunUnprivileged([&] { WriteByteFile(locked, "neu"); });
    EXPECT_EQ(result.message, QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Keine Berechtigung").arg(locked));
    EXPECT_EQ(ReadRaw(locked), QByteArray("alt"));
}

TEST(TextFile, LinesAreCutToTheLongestLineAFileCanUse)
{
    const QByteArray a(2000, 'A');
    const QByteArray exact(kMaxLineLength, 'E');
    const struct {
        QByteArray bytes;
        QStringList lines;
        qsizetype firstCut;
    } cases[] = {
        {a + "\r\nB\r\n", {QString(kMaxLineLength, QLatin1Char('A')), QStringLiteral("B")}, 1},
        {exact + "\r\n" + exact + "\n" + exact, {QString::fromLatin1(exact), QString::fromLatin1(exact), QString::fromLatin1(exact)}, 0},
        {exact + "Z\r\nB", {QString::fromLatin1(exact), QStringLiteral("B")}, 1},
        {exact + "\r", {QString::fromLatin1(exact)}, 0},
        {"x\r\ny\r\n" + a, {QStringLiteral("x"), QStringLiteral("y"), QString(kMaxLineLength, QLatin1Char('A'))}, 3},
    };
    for (const auto& c : cases) {
        LineReader reader = LineReader::fromBytes(c.bytes);
        EXPECT_EQ(ReadAllLines(reader, 0), c.lines) << c.bytes.size() << " bytes";
        EXPECT_EQ(reader.firstCutLine(), c.firstCut) << c.bytes.size() << " bytes";
    }
    // A conversion error of a load from such a reader names the cut line; other errors pass unchanged.
    LineReader cut = LineReader::fromBytes("1\r\n" + a + "\r\n");
    try {
        NamingCutLines(cut, QStringLiteral("x.la8"), [] { throw ConversionError(QString()); });
        ADD_FAILURE() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'' ist kein gültiger Integerwert (Zeile 2 der Datei x.la8 ist länger als "
                                              "1024 Zeichen; die Datei ist beschädigt oder von anderer Art)"));
    }
    EXPECT_THROW(NamingCutLines(cut, QStringLiteral("x.la8"), [] { throw StreamReadError(); }), StreamReadError);
    LineReader whole = LineReader::fromBytes("1\r\n");
    try {
        NamingCutLines(whole, QStringLiteral("x.la8"), [] { throw ConversionError(QStringLiteral("q")); });
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'q' ist kein gültiger Integerwert"));
    }
    LineReader two = LineReader::fromBytes("a\nb\nc\n", 2);
    EXPECT_EQ(ReadAllLines(two, 1), QStringList({QStringLiteral("a"), QStringLiteral("b"), QString()}));
}

TEST(TextFile, LinesSplitAcrossReadingPiecesComeOutWhole)
{
    // Lines of 12 bytes up to 65 532, then a line whose CR is the last byte of the first 64 KiB
    // piece and whose LF the first of the next; then an overlong line across the next boundary.
    QByteArray bytes;
    for (int i = 0; i < 5461; ++i)
        bytes += "0123456789\r\n";
    bytes += "xab\r\n";
    bytes += QByteArray(2 * 65536 - bytes.size() - 3, 'L') + "\r\n" + QByteArray(5000, 'M') + "\nEnde";
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("stuecke.txt"));
    WriteRaw(name, bytes);
    LineReader fromFile(name);
    LineReader inMemory = LineReader::fromBytes(bytes);
    const QStringList lines = ReadAllLines(fromFile, 0);
    EXPECT_EQ(lines, ReadAllLines(inMemory, 0));
    ASSERT_EQ(lines.size(), 5461 + 4);
    EXPECT_EQ(lines[5460], QStringLiteral("0123456789"));
    EXPECT_EQ(lines[5461], QStringLiteral("xab"));
    EXPECT_EQ(lines[5462], QString(kMaxLineLength, QLatin1Char('L')));
    EXPECT_EQ(lines[5463], QString(kMaxLineLength, QLatin1Char('M')));
    EXPECT_EQ(lines[5464], QStringLiteral("Ende"));

    // A long line open at the end of the first piece, ended in a last piece shorter than what it
    // carries, then a last line without an end: neither may write over the other.
    QByteArray tail(65536 - 1100, 'k');
    tail += "\r\n" + QByteArray(1098, 'A') + "\nende";
    const QString tailName = dir.filePath(QStringLiteral("kurzesende.txt"));
    WriteRaw(tailName, tail);
    LineReader tailReader(tailName);
    EXPECT_EQ(ReadAllLines(tailReader, 0),
              QStringList({QString(kMaxLineLength, QLatin1Char('k')), QString(kMaxLineLength, QLatin1Char('A')), QStringLiteral("ende")}));
}

// A pipe, a device or a socket named as a file to read is refused at once with the German reason: a
// named pipe without a writer would otherwise block the open forever, and a device may never end.
// Run in a child that an alarm ends, so a reader that waits fails the test instead of hanging it.
TEST(Reading, PipesDevicesAndSocketsAreRefusedAtOnce)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("rohr.fa8"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString socketPath = dir.filePath(QStringLiteral("sock"));
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketName = QFile::encodeName(socketPath);
    ASSERT_LT(static_cast<size_t>(socketName.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketName.constData(), static_cast<size_t>(socketName.size()));
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    // An unnamed pipe with bytes in it: even one that would end is not a file.
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    ASSERT_EQ(write(ends[1], "F0: 90\r\n", 8), 8);
    close(ends[1]);
    const QString unnamed = QStringLiteral("/dev/fd/%1").arg(ends[0]);

    const QString pipeReason = QStringLiteral("Das ist keine gewöhnliche Datei, sondern eine Pipe (FIFO)");
    const QString deviceReason = QStringLiteral("Das ist keine gewöhnliche Datei, sondern ein Gerät");
    const struct {
        QString file;
        QString reason;
    } files[] = {
        {fifo, pipeReason},
        {unnamed, pipeReason},
        {QStringLiteral("/dev/zero"), deviceReason},
        {QStringLiteral("/dev/null"), deviceReason},
        {socketPath, QStringLiteral("Das ist keine gewöhnliche Datei, sondern ein Socket")},
    };
    const std::pair<const char*, std::function<void(const QString&)>> readers[] = {
        {"ReadByteFile", [](const QString& f) { ReadByteFile(f); }},
        {"ReadByteFileUpTo", [](const QString& f) { ReadByteFileUpTo(f, 5000); }},
        {"ReadByteFileHead", [](const QString& f) { ReadByteFileHead(f, 16); }},
        {"ByteFileSize", [](const QString& f) { ByteFileSize(f); }},
        {"LineReader", [](const QString& f) { LineReader reader(f, 100); }},
    };
    for (const auto& file : files) {
        for (const auto& [readerName, reader] : readers) {
            const auto& read = reader; // clang 14 captures no structured binding in a lambda
            const ChildResult result = RunInChild(
                [] {
                    alarm(5);
                    return true;
                },
                [&] { read(file.file); });
            EXPECT_EQ(result.end, ChildResult::OtherTavrelError) << readerName << " of " << file.file.toStdString()
                                                                  << ": " << ChildEndName(result.end);
            EXPECT_EQ(result.message, QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(file.file, file.reason))
                << readerName;
        }
    }
    close(ends[0]);
    close(listener);
}

// A regular file that claims a size is still read no further than the capacity.
TEST(Reading, AFileIsReadNoFurtherThanTheCapacity)
{
    QTemporaryDir dir;
    const QString name = WriteRawPath(dir.filePath(QStringLiteral("lang.bin")), QByteArray(6000, 'x'));
    try {
        ReadByteFileUpTo(name, 5000);
        FAIL() << "a file too long was taken";
    } catch (const FileTooLongError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Datei %1 ist zu groß: höchstens 5000 Bytes").arg(name));
    }
    EXPECT_EQ(ReadByteFileUpTo(name, 6000).size(), 6000);
    EXPECT_EQ(ReadByteFileHead(name, 100), QByteArray(100, 'x'));
}

TEST(ProgramData, OneFolderBelowTheUsersDataFolder)
{
    QTemporaryDir dir;
    const QByteArray old = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
    EXPECT_EQ(ProgramDataFolder(), dir.path() + QStringLiteral("/Tavrel"));
    EXPECT_EQ(BackupFolder(), dir.path() + QStringLiteral("/Tavrel/sicherung"));
    if (old.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", old);
    EXPECT_TRUE(ProgramDataFolder().endsWith(QStringLiteral("/Tavrel")));
}

// A copy's name tells the whole path of the file it came from, and is read back to it.
TEST(BackupCopies, NamesTellWhereTheFileCameFrom)
{
    const QString deep = QStringLiteral("/daten") + QString(40, QLatin1Char('/')).replace(QLatin1Char('/'), QStringLiteral("/ordner")) + QStringLiteral("/spiel.la8");
    const struct {
        QString original;
        QString name;
        QString readBack;
    } cases[] = {
        {QStringLiteral("/home/anna/level.la8"), QStringLiteral("%2Fhome%2Fanna%2Flevel.la8.Ab12Cd"),
         QStringLiteral("/home/anna/level.la8")},
        {QStringLiteral("/x/100%/grün.fa8"), QStringLiteral("%2Fx%2F100%25%2Fgrün.fa8.Ab12Cd"),
         QStringLiteral("/x/100%/grün.fa8")},
        {deep, QString(), QString()},
    };
    for (const auto& c : cases) {
        const QString name = BackupCopyFileName(c.original, QStringLiteral("Ab12Cd"));
        EXPECT_LE(QFile::encodeName(name).size(), 255) << c.original.toStdString();
        if (!c.name.isEmpty()) {
            EXPECT_EQ(name, c.name);
            EXPECT_EQ(BackupCopyOriginal(name), c.readBack);
        } else {
            // Too long for a file name: the end of the path stays, after "…".
            EXPECT_TRUE(name.startsWith(QStringLiteral("…%2Fordner"))) << name.toStdString();
            EXPECT_TRUE(BackupCopyOriginal(name).endsWith(QStringLiteral("/ordner/ordner/spiel.la8")))
                << BackupCopyOriginal(name).toStdString() << " from " << name.toStdString();
        }
    }
    EXPECT_EQ(BackupCopyOriginal(QStringLiteral(".halb-12.Ab12Cd")), QString());
}

// Copies left by saves that did not end are listed, oldest first, and told together once; a half-made
// copy of a save whose process has ended is removed, one of a save still running stays.
TEST(BackupCopies, LeftCopiesAreListedAndHalfMadeOnesOfEndedSavesRemoved)
{
    QTemporaryDir dir;
    const pid_t ended = fork();
    if (ended == 0)
        _exit(0);
    ASSERT_GT(ended, 0);
    waitpid(ended, nullptr, 0);
    const QString deadHalf = QStringLiteral(".halb-%1.xYz123").arg(ended);
    const QString liveHalf = QStringLiteral(".halb-%1.xYz123").arg(getpid());
    const QString first = BackupCopyFileName(QStringLiteral("/a/eins.la8"), QStringLiteral("AAAAAA"));
    const QString second = BackupCopyFileName(QStringLiteral("/b/zwei.fa8"), QStringLiteral("BBBBBB"));
    for (const QString& file : {deadHalf, liveHalf, first, second})
        WriteRaw(dir.filePath(file), "alt");
    const QDateTime now = QDateTime::currentDateTime();
    for (const auto& [file, age] : {std::pair{first, -60}, std::pair{second, -3600}}) {
        QFile copy(dir.filePath(file));
        ASSERT_TRUE(copy.open(QIODevice::Append));
        ASSERT_TRUE(copy.setFileTime(now.addSecs(age), QFileDevice::FileModificationTime));
    }

    const QList<LeftBackupCopy> left = LeftBackupCopies(dir.path());
    ASSERT_EQ(left.size(), 2);
    EXPECT_EQ(left[0].original, QStringLiteral("/b/zwei.fa8"));
    EXPECT_EQ(left[0].copy, dir.filePath(second));
    EXPECT_EQ(left[1].original, QStringLiteral("/a/eins.la8"));
    EXPECT_EQ(left[1].size, 3);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(deadHalf)));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(liveHalf)));

    const QString notice = LeftBackupCopiesNotice(left);
    EXPECT_TRUE(notice.startsWith(QStringLiteral("Speichervorgänge wurden unterbrochen."))) << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("/a/eins.la8")) && notice.contains(dir.filePath(first)));
    EXPECT_EQ(LeftBackupCopiesNotice({}), QString());
    EXPECT_EQ(LeftBackupCopiesKey(left), LeftBackupCopiesKey({left[1], left[0]}));
    EXPECT_NE(LeftBackupCopiesKey(left), LeftBackupCopiesKey({left[1]}));
    EXPECT_EQ(LeftBackupCopies(dir.filePath(QStringLiteral("fehlt"))).size(), 0);

    // Told once per set, in a message box at start: again only when the set changes.
    QSettings settings(dir.filePath(QStringLiteral("einstellungen.ini")), QSettings::IniFormat);
    ScriptedDialogs dialogs;
    TellLeftBackupCopiesOnce(dialogs, dir.path(), settings);
    TellLeftBackupCopiesOnce(dialogs, dir.path(), settings);
    EXPECT_EQ(dialogs.messages, QStringList({notice}));
    EXPECT_EQ(dialogs.errors, QStringList());
    ASSERT_TRUE(QFile::remove(dir.filePath(first)));
    EXPECT_EQ(LeftBackupCopiesNoticeOnce(dir.path(), settings), LeftBackupCopiesNotice({left[0]}));
    EXPECT_EQ(LeftBackupCopiesNoticeOnce(dir.path(), settings), QString());
    ASSERT_TRUE(QFile::remove(dir.filePath(second)));
    ASSERT_TRUE(QFile::remove(dir.filePath(liveHalf)));
    EXPECT_EQ(LeftBackupCopiesNoticeOnce(dir.path(), settings), QString());
}

} // namespace
