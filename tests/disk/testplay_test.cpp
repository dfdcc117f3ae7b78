// Test-play and the exports of the level editor's game files: Play Level, Test ATR, the 15-sector file.
#include "common/errors.h"
#include "disk/levelgamefiles.h"
#include "level/leveldocument.h"
#include "levelio/gamelevelrecord.h"
#include "pattern/colorregisterset.h"
#include "support/gamefixtures.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

namespace {

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

TEST_F(TestPlayTest, DesktopThatCannotOpenGivesTheMessagesAndKeepsTheFile)
{
    LevelGameFiles files(programDir.path());
    opener.answer = false;
    QStringList log;
    EXPECT_EQ(files.playLevel(doc, 1, opener, log),
              QStringLiteral("Es ist ein Fehler aufgetreten beim Starten der Atari-Datei"));
    EXPECT_TRUE(QFileInfo::exists(output()));
    EXPECT_EQ(files.testAtr(opener), QStringLiteral("Es ist ein Fehler aufgetreten beim Starten der Atari-Datei: \r") +
                                         programDir.filePath(QStringLiteral("oxildisk.atr")));
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
