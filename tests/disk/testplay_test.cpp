// Test-play and the exports of the level editor's game files: Play Level, Test ATR, the 15-sector file.
#include "common/errors.h"
#include "disk/levelgamefiles.h"
#include "level/leveldocument.h"
#include "levelio/gamelevelrecord.h"
#include "pattern/colorregisterset.h"
#include "support/gamefixtures.h"
#include "disk/emulatorcommand.h"
#include "disk/gamestarter.h"
#include "support/scripteddialogs.h"
#include "support/standinemulator.h"
#include "support/testutil.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// How to choose an emulator, the second line of both messages when none started.
const QString kHint =
    QStringLiteral("\nEin Emulator lässt sich mit \u201EEmulator\u2026\u201C neben \u201ETest ATR\u201C wählen.");

// The program's folder with the stand-ins, and a different current folder for the outputs.
class TestPlayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programDir.isValid() && workDir.isValid());
        oldCurrent = QDir::currentPath();
        QDir::setCurrent(workDir.path());
        xex = MakeTestXex();
        WriteTestFile(programDir, QStringLiteral("oxil.xex"), xex);
        WriteTestFile(programDir, QStringLiteral("oxildisk.atr"), MakeTestAtr());
        doc.InitEmptyLevel(1);
        doc.Farbenstandard(ColorRegisterSet());
        doc.writeCell(40, 5, 44);
        doc.setTitle(QStringLiteral("Wald"));
        doc.setAuthor(QStringLiteral(" ich "));
    }
    void TearDown() override { QDir::setCurrent(oldCurrent); }
    QString output() const { return workDir.filePath(QStringLiteral("oxil-neu.xex")); }

    QTemporaryDir programDir, workDir;
    QString oldCurrent;
    QByteArray xex;
    LevelDocument doc;
    RecordingOpener opener;
};

} // namespace

TEST_F(TestPlayTest, PlayLevelTwiceWritesTheSameFileIntoTheCurrentFolder)
{
    LevelGameFiles files(programDir.path());
    QStringList log;
    EXPECT_EQ(files.playLevel(doc, 3, opener, log), std::nullopt);
    const QByteArray first = ReadTestFile(output());
    EXPECT_EQ(files.playLevel(doc, 3, opener, log), std::nullopt);
    EXPECT_EQ(ReadTestFile(output()), first);
    EXPECT_EQ(log.size(), 2560);
    EXPECT_EQ(opener.opened, QStringList({output(), output()}));
    EXPECT_FALSE(QFileInfo::exists(programDir.filePath(QStringLiteral("oxil-neu.xex"))));

    ASSERT_EQ(first.size(), 38677);
    int firstDiff = -1, lastDiff = -1;
    for (int i = 0; i < first.size(); ++i)
        if (first[i] != xex[i]) {
            lastDiff = i;
            if (firstDiff < 0)
                firstDiff = i;
        }
    EXPECT_GE(firstDiff, 8969);
    EXPECT_LE(lastDiff, 10558);
    EXPECT_EQ(first.mid(8969 + 1280, 4), GameText(QStringLiteral("WALD"), 4));
    EXPECT_EQ(first.mid(8969 + 1376, 15), GameText(QStringLiteral("LEVEL 03: FROM "), 15));
}

TEST_F(TestPlayTest, LongerExecutableGivesTheImageLength)
{
    WriteTestFile(programDir, QStringLiteral("oxil.xex"), xex + QByteArray(3000, 'x'));
    LevelGameFiles files(programDir.path());
    QStringList log;
    files.playLevel(doc, 1, opener, log);
    EXPECT_EQ(ReadTestFile(output()).size(), 38677);
    EXPECT_EQ(log.size(), 1280); // well formed: no note
}

TEST_F(TestPlayTest, FailuresStopBeforeTheDesktopIsAsked)
{
    QStringList log;
    {
        LevelGameFiles files(programDir.path());
        WriteTestFile(programDir, QStringLiteral("oxil.xex"), xex.left(100));
        EXPECT_THROW(files.playLevel(doc, 1, opener, log), StreamReadError);
    }
    {
        QTemporaryDir empty;
        LevelGameFiles files(empty.path());
        EXPECT_THROW(files.playLevel(doc, 1, opener, log), FileOpenError);
    }
    WriteTestFile(programDir, QStringLiteral("oxil.xex"), xex);
    {
        LevelGameFiles files(programDir.path());
        doc.setCode(0, 0, QStringLiteral("?"));
        EXPECT_THROW(files.playLevel(doc, 1, opener, log), ConversionError);
    }
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(output()));
}

TEST_F(TestPlayTest, NoDesktopAndNoEmulatorGiveTheMessagesAndKeepTheFile)
{
    StandinEmulators none; // a PATH without any emulator
    LevelGameFiles files(programDir.path());
    opener.answer = false;
    QStringList log;
    EXPECT_EQ(files.playLevel(doc, 1, opener, log),
              QStringLiteral("Es ist ein Fehler aufgetreten beim Starten der Atari-Datei") + kHint);
    EXPECT_TRUE(QFileInfo::exists(output()));
    EXPECT_EQ(files.testAtr(opener), QStringLiteral("Es ist ein Fehler aufgetreten beim Starten der Atari-Datei: \r") +
                                         programDir.filePath(QStringLiteral("oxildisk.atr")) + kHint);
}

TEST_F(TestPlayTest, MalformedExecutableIsNotedButStillWrittenAndOpened)
{
    QByteArray broken = xex;
    broken[38673] = static_cast<char>(0xDF); // the run-address segment ends before it starts
    WriteTestFile(programDir, QStringLiteral("oxil.xex"), broken);
    LevelGameFiles files(programDir.path());
    QStringList log;
    EXPECT_EQ(files.playLevel(doc, 1, opener, log), std::nullopt);
    ASSERT_EQ(log.size(), 1281);
    EXPECT_EQ(log.last(), QStringLiteral("Achtung, oxil-neu.xex ist keine saubere Atari-Binärdatei: das Segment bei "
                                         "Offset 38671 endet vor seinem Anfang ($02E0 bis $02DF)."));
    EXPECT_EQ(opener.opened, QStringList{output()});
    EXPECT_EQ(ReadTestFile(output()).size(), 38677);
}

TEST_F(TestPlayTest, TestAtrOpensTheChosenDiskAsStored)
{
    LevelGameFiles files(programDir.path());
    EXPECT_EQ(files.atrLabel(), QStringLiteral("oxildisk.atr"));
    EXPECT_EQ(files.atrPath(), programDir.filePath(QStringLiteral("oxildisk.atr")));
    const QString other = workDir.filePath(QStringLiteral("andere.atr"));
    files.chooseAtr(other);
    EXPECT_EQ(files.atrLabel(), QStringLiteral("ATR: andere.atr"));
    EXPECT_EQ(files.testAtr(opener), std::nullopt);
    EXPECT_EQ(opener.opened, QStringList{other});
}

TEST_F(TestPlayTest, BinaryExportWritesTheWindowAndThePictureIntoTheProgramFolder)
{
    LevelGameFiles files(programDir.path());
    QImage picture(4096, 320, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    QStringList log;
    const QString name = files.saveBinary15(doc, 5, picture, log);
    EXPECT_EQ(name, programDir.filePath(QStringLiteral("DAD-Level-5-ich-Wald.bin")));
    EXPECT_EQ(log.size(), 1280);
    const QByteArray bin = ReadTestFile(name);
    ASSERT_EQ(bin.size(), 1920);
    EXPECT_EQ(bin, files.xexImage().mid(8777, 1920));
    EXPECT_EQ(ReadTestFile(programDir.filePath(QStringLiteral("DAD-Level-5-ich-Wald.bmp"))).size(),
              54 + 4096 * 320 * 4);

    doc.setTitle(QStringLiteral("Was?"));
    EXPECT_THROW(files.saveBinary15(doc, 5, picture, log), FileCreateError);
    EXPECT_FALSE(QFileInfo::exists(programDir.filePath(QStringLiteral("DAD-Level-5-ich-Was?.bmp"))));
}

// Where the desktop knows no program, the emulator on PATH or the one the user named is started.
TEST_F(TestPlayTest, EmulatorOnPathStartsWithTheAbsoluteFileNames)
{
    StandinEmulators path;
    path.add(QStringLiteral("atari800"));
    opener.answer = false;
    LevelGameFiles files(programDir.path());
    QStringList log;
    EXPECT_EQ(files.playLevel(doc, 1, opener, log), std::nullopt);
    EXPECT_EQ(path.arguments(QStringLiteral("atari800")), QStringList{output()});
    path.clear(QStringLiteral("atari800"));
    files.chooseAtr(QStringLiteral("andere.atr")); // relative to the current folder
    EXPECT_EQ(files.testAtr(opener), std::nullopt);
    EXPECT_EQ(path.arguments(QStringLiteral("atari800")), QStringList{workDir.filePath(QStringLiteral("andere.atr"))});
    EXPECT_EQ(opener.opened.size(), 2); // the desktop was asked first both times
}

TEST_F(TestPlayTest, DesktopThatOpensTheFileIsEnough)
{
    StandinEmulators path;
    path.add(QStringLiteral("atari800"));
    LevelGameFiles files(programDir.path());
    EXPECT_EQ(files.testAtr(opener), std::nullopt);
    EXPECT_EQ(opener.opened, QStringList{files.atrPath()});
    EXPECT_TRUE(path.arguments(QStringLiteral("atari800"), 500).isEmpty());
}

TEST_F(TestPlayTest, EmulatorCommandComesBeforeDesktopAndPath)
{
    StandinEmulators path;
    path.add(QStringLiteral("atari800"));
    path.add(QStringLiteral("emu-aus-env"));
    path.add(QStringLiteral("emu-gewaehlt"));
    LevelGameFiles files(programDir.path());
    QStringList log;

    qputenv("TAVREL_EMULATOR", "emu-aus-env --flag %f -x");
    EXPECT_EQ(files.playLevel(doc, 1, opener, log), std::nullopt);
    EXPECT_EQ(path.arguments(QStringLiteral("emu-aus-env")),
              QStringList({QStringLiteral("--flag"), output(), QStringLiteral("-x")}));

    // The user's own choice wins over the environment; without %f the file comes last.
    StoreEmulatorCommand(QStringLiteral("  emu-gewaehlt \"-a b\"  "));
    EXPECT_EQ(StoredEmulatorCommand(), QStringLiteral("emu-gewaehlt \"-a b\""));
    EXPECT_EQ(files.testAtr(opener), std::nullopt);
    EXPECT_EQ(path.arguments(QStringLiteral("emu-gewaehlt")), QStringList({QStringLiteral("-a b"), files.atrPath()}));

    StoreEmulatorCommand(QString()); // "Standard"
    qunsetenv("TAVREL_EMULATOR");
    EXPECT_EQ(EmulatorCommand(), QString());
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(path.arguments(QStringLiteral("atari800"), 500).isEmpty());
}

TEST_F(TestPlayTest, CommandThatCannotStartNamesItselfAndTheReason)
{
    StandinEmulators path;
    path.add(QStringLiteral("atari800"));
    StoreEmulatorCommand(QStringLiteral("gibt-es-nicht --vollbild"));
    LevelGameFiles files(programDir.path());
    const std::optional<QString> message = files.testAtr(opener);
    StoreEmulatorCommand(QString());
    ASSERT_TRUE(message.has_value());
    EXPECT_TRUE(message->startsWith(
        QStringLiteral("Der Emulator \"gibt-es-nicht --vollbild\" kann nicht gestartet werden. ")))
        << message->toStdString();
    EXPECT_GT(message->size(), 60); // the system's reason follows
    EXPECT_TRUE(opener.opened.isEmpty()); // no other program in its place
    EXPECT_TRUE(path.arguments(QStringLiteral("atari800"), 500).isEmpty());
}

TEST(EmulatorCall, FileTakesThePlaceOfPercentFOrComesLast)
{
    const QString file = QStringLiteral("/home/ich/mein spiel.xex");
    const struct {
        const char* command;
        const char* program;
        QStringList arguments;
    } cases[] = {
        {"atari800", "atari800", {file}},
        {"emu -run %f -pal", "emu", {QStringLiteral("-run"), file, QStringLiteral("-pal")}},
        {"emu --datei=%f", "emu", {QStringLiteral("--datei=") + file}},
        {"\"/opt/mein emu/emu\" -x", "/opt/mein emu/emu", {QStringLiteral("-x"), file}},
        {"emu %f %f", "emu", {file, file}},
        // Single quotes are no quoting to the command's splitting: around %f they go with it.
        {"emu -run '%f'", "emu", {QStringLiteral("-run"), file}},
        {"emu --datei='%f' '%f'x", "emu", {QStringLiteral("--datei=") + file, file + QStringLiteral("x")}},
        {"emu \"-run %f\"", "emu", {QStringLiteral("-run ") + file}},
    };
    for (const auto& c : cases) {
        const std::optional<EmulatorCall> call = EmulatorCallFor(QString::fromUtf8(c.command), file);
        ASSERT_TRUE(call.has_value()) << c.command;
        EXPECT_EQ(call->program, QString::fromUtf8(c.program)) << c.command;
        EXPECT_EQ(call->arguments, c.arguments) << c.command;
    }
    for (const char* nothing : {"", "   ", "\"\""})
        EXPECT_FALSE(EmulatorCallFor(QString::fromUtf8(nothing), file).has_value()) << nothing;
}

TEST(EmulatorCall, FileNameHoldingPercentFIsPutInAsItIs)
{
    const QString file = QStringLiteral("/tmp/100%f '%f'/spiel.xex");
    const std::optional<EmulatorCall> call = EmulatorCallFor(QStringLiteral("emu '%f' -x=%f"), file);
    ASSERT_TRUE(call.has_value());
    EXPECT_EQ(call->arguments, QStringList({file, QStringLiteral("-x=") + file}));
}

TEST(EmulatorCall, ChosenProgramStaysOneWordWhateverItsPathHolds)
{
    const QString file = QStringLiteral("/home/ich/spiel.xex");
    const char* const paths[] = {
        "/usr/bin/atari800",
        "/opt/mein emu/atari800",
        "/opt/tab\there/atari800",
        "/opt/neue\nzeile/atari800",
        "/opt/\"zitat\"/atari800",
        "/opt/\"/atari800",
        "\"\"",
        "/opt/a\" b/\"\"\"/c\"",
        "\"/opt/anfang",
        "/opt/ende\"",
        "/opt/it's/atari800",
        "/opt/'ganz'/atari800",
        "C:\\Programme\\Atari\\atari800.exe",
        "/opt/ende\\",
        "/opt/\\\"/x",
        "/opt/%f/emu",
        "/opt/ \t\r\n\v\f/ ",
        " /opt/blank-davor",
        "/opt/gesch\u00fctzt\u00a0leer/emu",
    };
    for (const char* p : paths) {
        const QString path = QString::fromUtf8(p);
        const QString command = QuotedProgram(path) + QStringLiteral(" %f");
        EXPECT_EQ(QProcess::splitCommand(command), QStringList({path, QStringLiteral("%f")})) << p;
        const std::optional<EmulatorCall> call = EmulatorCallFor(command, file);
        ASSERT_TRUE(call.has_value()) << p;
        EXPECT_EQ(call->program, path) << p;
        EXPECT_EQ(call->arguments, QStringList({file})) << p;
    }
    // A plain path stays as it is, so the command reads as typed.
    EXPECT_EQ(QuotedProgram(QStringLiteral("/usr/bin/atari800")), QStringLiteral("/usr/bin/atari800"));
    EXPECT_EQ(QuotedProgram(QStringLiteral("/opt/it's")), QStringLiteral("/opt/it's"));
}
