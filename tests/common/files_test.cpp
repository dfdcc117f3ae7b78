// Windows-1252 line files and whole byte files, including writes that fail.
#include "common/bytefile.h"
#include "common/errors.h"
#include "common/filesizelimit.h"
#include "common/textfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

} // namespace
