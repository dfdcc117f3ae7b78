// tavrel-cli under faults: outputs that do not fit, a full standard output, endless inputs, options out
// of range and messages with odd characters. Each command either does its whole work or says why not.
#include "support/clirun.h"
#include "common/textfile.h"
#include "pattern/codeexport.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"
#include "support/testutil.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QString Q(const char* text)
{
    return QString::fromUtf8(text);
}

std::string Shown(const QStringList& args)
{
    return args.join(QLatin1Char(' ')).toStdString();
}

class CliFaultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        PatternEditor editor;
        for (int i = 1; i <= PatternStore::kSlotsI; ++i)
            for (int j = 1; j <= PatternStore::kBanks; ++j)
                editor.document().setSlot(i, j, QString::number((i * 3 + j) % 256));
        SaveFontFile(editor, font());
        QByteArray bytes(30000, Qt::Uninitialized);
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(i * 7 + (i >> 8));
        WriteTestFile(dir, QStringLiteral("in.bin"), bytes);
    }
    QString font() const { return dir.filePath(QStringLiteral("muster.fa8")); }
    QString input() const { return dir.filePath(QStringLiteral("in.bin")); }
    QString out() const { return dir.filePath(QStringLiteral("out.bin")); }

    // A command of each kind that writes its result with -o: text lines, a byte range, a sound layout.
    QList<QStringList> writers() const
    {
        return {
            {Q("font-asm"), font(), Q("-o"), out()},
            {Q("split"), input(), Q("--start"), Q("11"), Q("--stop"), Q("25010"), Q("-o"), out()},
            {Q("sound"), Q("packed"), input(), Q("-o"), out()},
        };
    }

    QTemporaryDir dir;
};

TEST_F(CliFaultsTest, AnOutputFileThatDoesNotFitKeepsTheOldFile)
{
    for (const QStringList& args : writers()) {
        const CliRun full = RunCli(args);
        ASSERT_EQ(full.exitCode, 0) << Shown(args) << full.err.toStdString();
        const qsizetype size = ReadTestFile(out()).size();
        ASSERT_GT(size, 8000) << Shown(args);

        WriteTestFile(dir, QStringLiteral("out.bin"), "old output");
        CliSetup limited;
        limited.fileSizeLimit = static_cast<rlim_t>(size - 3000);
        const CliRun cut = RunCli(args, limited);
        EXPECT_EQ(cut.exitCode, 1) << Shown(args);
        EXPECT_TRUE(cut.err.startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(out()).toUtf8()))
            << Shown(args) << ": " << cut.err.toStdString();
        EXPECT_TRUE(ReadTestFile(out()) == "old output") << Shown(args) << ": the old file was replaced";
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3) << Shown(args) << ": a temporary file was left";
    }
}

// With the system's default handling of the file-size signal too: the program ignores it itself, so
// the write fails with the file error instead of ending the program without a word.
TEST_F(CliFaultsTest, AFileSizeLimitIsTheFileErrorWhateverTheSignalHandling)
{
    const QStringList args = writers().first();
    WriteTestFile(dir, QStringLiteral("out.bin"), "old output");
    CliSetup limited;
    limited.fileSizeLimit = 4000;
    limited.defaultFileSizeSignal = true;
    const CliRun cut = RunCli(args, limited);
    EXPECT_EQ(cut.exitCode, 1) << Shown(args);
    EXPECT_EQ(QString::fromUtf8(cut.err),
              QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Die Datei wird zu groß\n").arg(out()));
    EXPECT_TRUE(ReadTestFile(out()) == "old output");
}

// An output that exists and is not a regular file is written to: a pipe gets the bytes, a device
// takes them or fails with the file error, and each stays what it was.
TEST_F(CliFaultsTest, PipesAndDevicesAsOutputAreWrittenNotReplaced)
{
    const QStringList split = {Q("split"), input(), Q("--start"), Q("1"), Q("--stop"), Q("5000"), Q("-o")};
    const QByteArray expected = ReadTestFile(input()).left(5000);
    const QString fifo = dir.filePath(QStringLiteral("rohr"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Open before the run, and the bytes fit the pipe's buffer: nobody waits.
    const int reader = open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const CliRun piped = RunCli(split + QStringList{fifo});
    EXPECT_EQ(piped.exitCode, 0) << piped.err.toStdString();
    QByteArray received(10000, Qt::Uninitialized);
    const ssize_t n = read(reader, received.data(), static_cast<size_t>(received.size()));
    close(reader);
    EXPECT_TRUE(received.left(std::max<ssize_t>(n, 0)) == expected) << n;
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    if (geteuid() != 0)
        GTEST_SKIP() << "only root makes device nodes";
    const QString null = dir.filePath(QStringLiteral("null"));
    const QString full = dir.filePath(QStringLiteral("full"));
    ASSERT_EQ(mknod(QFile::encodeName(null).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
    ASSERT_EQ(mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)), 0);
    EXPECT_EQ(RunCli(split + QStringList{null}).exitCode, 0);
    const CliRun onFull = RunCli(split + QStringList{full});
    EXPECT_EQ(onFull.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(onFull.err), QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Auf dem Gerät ist "
                                                            "kein Speicherplatz mehr verfügbar\n")
                                                 .arg(full));
    for (const QString& node : {null, full}) {
        ASSERT_EQ(stat(QFile::encodeName(node).constData(), &info), 0);
        EXPECT_TRUE(S_ISCHR(info.st_mode)) << node.toStdString();
    }
}

// German reasons, and nothing of the libraries' own complaints on standard error.
TEST_F(CliFaultsTest, ReasonsAreGermanAndTheLibrariesStayQuiet)
{
    QImage picture(200, 100, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y * 2, (x ^ y) & 255));
    for (const char* format : {"JPEG", "PNG"}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(picture.save(&buffer, format));
        const QString cut = WriteTestFile(dir, QStringLiteral("bild.") + QLatin1String(format), bytes.left(bytes.size() / 3));
        const CliRun run = RunCli({Q("picture"), Q("compact"), cut});
        EXPECT_EQ(run.exitCode, 1) << format;
        EXPECT_EQ(QString::fromUtf8(run.err), QStringLiteral("Die Datei \"%1\" enthält kein lesbares Bild (die Datei endet "
                                                             "vor dem Ende der Bilddaten).\n")
                                                  .arg(cut))
            << format;
    }
    const struct {
        QStringList args;
        QString err;
    } cases[] = {
        {{Q("split"), input(), Q("-o"), dir.path()},
         QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Ist ein Verzeichnis\n").arg(dir.path())},
        {{Q("split"), dir.path(), Q("-o"), out()},
         QStringLiteral("Datei %1 kann nicht geöffnet werden. Ist ein Verzeichnis\n").arg(dir.path())},
        {{Q("font-asm"), dir.path()}, QStringLiteral("Datei %1 kann nicht geöffnet werden. Ist ein Verzeichnis\n").arg(dir.path())},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 1) << Shown(c.args);
        EXPECT_EQ(QString::fromUtf8(run.err), c.err) << Shown(c.args);
    }
}

TEST_F(CliFaultsTest, AFullStandardOutputIsTheFileError)
{
    // Small outputs too: they fit into any write buffer and fail only when it is flushed.
    const QList<QStringList> commands = {
        {Q("font-asm"), font()},
        {Q("player-asm"), font()},
        {Q("split"), input(), Q("--start"), Q("1"), Q("--stop"), Q("10")},
        {Q("sound"), Q("packed"), input(), Q("-o"), Q("-")},
    };
    for (const QStringList& args : commands) {
        CliSetup full;
        full.stdoutFile = QStringLiteral("/dev/full");
        const CliRun run = RunCli(args, full);
        EXPECT_EQ(run.exitCode, 1) << Shown(args);
        EXPECT_TRUE(run.err.startsWith("Datei \"Standardausgabe\" kann nicht erstellt werden. "))
            << Shown(args) << ": " << run.err.toStdString();
        EXPECT_GT(run.err.size(), qsizetype(strlen("Datei \"Standardausgabe\" kann nicht erstellt werden. ")) + 2)
            << "the system's reason is missing";
    }
}

TEST_F(CliFaultsTest, DashAsOutputFileIsStandardOutput)
{
    for (const QStringList& args : writers()) {
        const CliRun toFile = RunCli(args);
        ASSERT_EQ(toFile.exitCode, 0) << Shown(args);
        QStringList dash = args;
        dash.last() = QStringLiteral("-");
        CliSetup here;
        here.workingDirectory = dir.path();
        const CliRun toOut = RunCli(dash, here);
        EXPECT_EQ(toOut.exitCode, 0) << Shown(dash) << toOut.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("-"))));
        EXPECT_FALSE(toOut.out.isEmpty());
        if (args.first() == QLatin1String("font-asm")) // text goes to a terminal with plain line ends
            EXPECT_EQ(toOut.out, ReadTestFile(out()).replace("\r\n", "\n")) << Shown(dash);
        else
            EXPECT_TRUE(toOut.out == ReadTestFile(out())) << Shown(dash);
    }
}

// A pipe, a device or a named pipe without a writer as an input is refused at once: not read, not
// waited on.
TEST_F(CliFaultsTest, PipesAndDevicesAsInputAreRefusedPromptly)
{
    const QString fifo = dir.filePath(QStringLiteral("rohr.fa8"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QByteArray pipe = " kann nicht geöffnet werden. Das ist keine gewöhnliche Datei, sondern eine Pipe (FIFO)\n";
    const QByteArray device = " kann nicht geöffnet werden. Das ist keine gewöhnliche Datei, sondern ein Gerät\n";
    const struct {
        QStringList args;
        bool piped;
        QByteArray err;
    } cases[] = {
        {{Q("sound"), Q("packed"), Q("/dev/stdin"), Q("-o"), out()}, true, "Datei /dev/stdin" + pipe},
        {{Q("split"), Q("/dev/stdin"), Q("-o"), out()}, true, "Datei /dev/stdin" + pipe},
        {{Q("sound"), Q("lownibble"), Q("/dev/zero"), Q("-o"), out()}, false, "Datei /dev/zero" + device},
        {{Q("font-asm"), Q("/dev/stdin")}, true, "Datei /dev/stdin" + pipe},
        {{Q("player-asm"), Q("/dev/zero")}, false, "Datei /dev/zero" + device},
        // Nobody writes into the named pipe: an open that waited for a writer would never return.
        {{Q("player-asm"), fifo}, false, "Datei " + QFile::encodeName(fifo) + pipe},
        {{Q("split"), fifo, Q("-o"), out()}, false, "Datei " + QFile::encodeName(fifo) + pipe},
    };
    for (const auto& c : cases) {
        CliSetup setup;
        if (c.piped)
            setup.stdinProducer = {QStringLiteral("cat"), QStringLiteral("/dev/zero")};
        const CliRun run = RunCli(c.args, setup);
        EXPECT_EQ(run.exitCode, 1) << Shown(c.args);
        EXPECT_EQ(run.err, c.err) << Shown(c.args);
        EXPECT_TRUE(run.out.isEmpty()) << Shown(c.args);
        EXPECT_LT(run.milliseconds, 5000) << Shown(c.args);
        EXPECT_FALSE(QFileInfo::exists(out())) << Shown(c.args);
    }
}

TEST_F(CliFaultsTest, OptionsOutsideTheirFieldsAreRefused)
{
    const struct {
        QStringList args;
        QByteArray err;
    } cases[] = {
        {{Q("font-asm"), font(), Q("--from"), Q("0")}, "--from: erlaubt sind 1 bis 8"},
        {{Q("font-asm"), font(), Q("--from"), Q("0"), Q("--to"), Q("9")}, "--from: erlaubt sind 1 bis 8"},
        {{Q("font-asm"), font(), Q("--to"), Q("9")}, "--to: erlaubt sind 1 bis 8"},
        {{Q("font-asm"), font(), Q("--to"), Q("-2147483648")}, "--to: erlaubt sind 1 bis 8"},
        {{Q("player-asm"), font(), Q("--pattern"), Q("0")}, "--pattern: erlaubt sind 1 bis 64"},
        {{Q("player-asm"), font(), Q("--pattern"), Q("65")}, "--pattern: erlaubt sind 1 bis 64"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << Shown(c.args);
        EXPECT_TRUE(run.err.contains(c.err)) << Shown(c.args) << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("Aufruf: tavrel-cli ")) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << Shown(c.args);
    }
    // The edges of the fields are taken.
    EXPECT_EQ(RunCli({Q("font-asm"), font(), Q("--from"), Q("8"), Q("--to"), Q("8")}).exitCode, 0);
    EXPECT_EQ(RunCli({Q("player-asm"), font(), Q("--pattern"), Q("64")}).exitCode, 0);
}

// Number options at the 32-bit edges and as long tokens: a value beyond 32 bits is refused, never wrapped.
TEST_F(CliFaultsTest, NumberOptionsAtThe32BitEdgesAndLongTokens)
{
    const struct {
        const char* start;
        qsizetype bytes; // -1: refused as no whole number
    } cases[] = {
        {"2147483647", 0},
        {"2147483648", -1},
        {"-2147483648", 30000},
        {"-2147483649", -1},
        {"4294967297", -1},           // 1 after a 32-bit wrap
        {"6666666661", -1},           // 10 digits
        {"0000029999", 2},            // 10 digits
        {"00000029999", 2},           // 11 digits
        {"18446744073709551617", -1}, // 20 digits: 1 after a 64-bit wrap
        {"00000000000000029999", 2},  // 20 digits
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli({Q("split"), input(), Q("--start"), QLatin1String(c.start), Q("-o"), out()});
        if (c.bytes < 0) {
            EXPECT_EQ(run.exitCode, 2) << c.start;
            EXPECT_TRUE(run.err.contains("--start erwartet eine ganze Zahl")) << c.start << ": " << run.err.toStdString();
        } else {
            EXPECT_EQ(run.exitCode, 0) << c.start << ": " << run.err.toStdString();
            EXPECT_EQ(ReadTestFile(out()).size(), c.bytes) << c.start;
        }
    }
}

TEST_F(CliFaultsTest, WrongArgumentsAreNamedWithTheCommandsUsage)
{
    // Nothing here is read: each call fails on its arguments before any file is opened.
    const QString level = dir.filePath(QStringLiteral("nicht.la8"));
    const struct {
        QStringList args;
        const char* text;
    } cases[] = {
        {{Q("font-asm")}, "genau eine Musterdatei erwartet"},
        {{Q("font-bin"), font(), font()}, "genau eine Musterdatei erwartet"},
        {{Q("font-put"), Q("--bank"), Q("1"), Q("--fnt"), input()}, "genau eine Musterdatei erwartet"},
        {{Q("font-put"), font(), Q("--bank"), Q("1")}, "--bank und --fnt erwartet"},
        {{Q("player-asm"), font(), font()}, "genau eine Musterdatei erwartet"},
        {{Q("level-asm")}, "genau eine Leveldatei erwartet"},
        {{Q("level-xex"), level, level}, "genau eine Leveldatei erwartet"},
        {{Q("render-level"), Q("--font"), font()}, "genau eine Leveldatei erwartet"},
        {{Q("render-level"), level}, "--font DATEI.fa8 fehlt"},
        {{Q("picture"), Q("compact")}, "eine Analyse (compact oder isolated) und eine Bilddatei erwartet"},
        {{Q("split")}, "genau eine Eingabedatei erwartet"},
        {{Q("sound"), input()}, "eine Umwandlung und eine Sounddatei erwartet"},
        {{Q("atr-get"), level, Q("--atr"), input(), Q("--slot"), Q("1")}, "keine weiteren Argumente erwartet"},
        {{Q("atr-get"), Q("--slot"), Q("1")}, "--atr DISKETTE.atr fehlt"},
        {{Q("atr-get"), Q("--atr"), input()}, "--slot 1-40 fehlt"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << Shown(c.args);
        const QString usageLine = QStringLiteral("tavrel-cli %1: %2\nAufruf: tavrel-cli %1 ").arg(c.args[0], Q(c.text));
        EXPECT_TRUE(run.err.startsWith(usageLine.toUtf8())) << Shown(c.args) << ": " << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << Shown(c.args);
    }
}

TEST_F(CliFaultsTest, UsageIsGerman)
{
    const CliRun none = RunCli({});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_TRUE(none.err.startsWith("Aufruf: tavrel-cli BEFEHL ARGUMENTE...\nBefehle:\n")) << none.err.toStdString();
    const CliRun unknown = RunCli({Q("zaubern")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.startsWith("tavrel-cli: unbekannter Befehl zaubern\n")) << unknown.err.toStdString();
    const CliRun missing = RunCli({Q("font-asm"), font(), Q("--from")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains("--from braucht einen Wert")) << missing.err.toStdString();
}

TEST_F(CliFaultsTest, AMessageWithANulCharacterIsPrintedWhole)
{
    const QString broken = dir.filePath(QStringLiteral("nul.fa8"));
    WriteTestFile(dir, QStringLiteral("nul.fa8"), QByteArray("F0: 00\r\nab\0cd\xE4\r\n", 16));
    const CliRun run = RunCli({Q("font-asm"), broken});
    EXPECT_EQ(run.exitCode, 1);
    // The NUL is shown as an escape, as in every log, and nothing after it is lost.
    const QByteArray expected = QStringLiteral("Datei %1, Zeile 2: ").arg(broken).toUtf8() +
        QByteArray("'ab\\0cd\xC3\xA4' ist kein g\xC3\xBCltiger Integerwert\n");
    EXPECT_EQ(run.err, expected);
}

} // namespace
