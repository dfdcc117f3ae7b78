// Runs tavrel-cli level-xex, level-bin, atr-put and atr-get and compares with the level editor's own saves.
#include "disk/levelgamefiles.h"
#include "level/leveldocument.h"
#include "level/levelfile.h"
#include "pattern/colorregisterset.h"
#include "support/clirun.h"
#include "support/gamefixtures.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace {

class CliGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        WriteTestFile(dir, QStringLiteral("oxil.xex"), MakeTestXex());
        disk = MakeTestAtr();
        WriteTestFile(dir, QStringLiteral("oxildisk.atr"), disk);
        level.InitEmptyLevel(1);
        level.Farbenstandard(ColorRegisterSet());
        level.writeCell(12, 3, 44);
        level.writeCell(100, 6, 17);
        level.setTitle(QStringLiteral("Wald"));
        level.setAuthor(QStringLiteral("Ich"));
        level.setTip1(QStringLiteral("Tipp"));
        level.setTableCell(LevelTable::Monsters, 1, 4, QStringLiteral("4"));
        level.setTableCell(LevelTable::Monsters, 2, 4, QStringLiteral("70"));
        level.setTableCell(LevelTable::Monsters, 7, 4, QStringLiteral("R"));
        level.setTableCell(LevelTable::Switches, 1, 2, QStringLiteral("33"));
        level.setTableCell(LevelTable::Switches, 5, 2, QStringLiteral("12"));
        level.setTimeDigit(1, 2);
        SaveLevelFile(level, levelFile());
        // What the windows hold after loading that file.
        LoadLevelFile(loaded, levelFile());
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QString levelFile() const { return path("level.la8"); }
    QString xexFile() const { return path("oxil.xex"); }
    QString atrFile() const { return path("oxildisk.atr"); }

    QTemporaryDir dir;
    QByteArray disk;
    LevelDocument level;
    LevelDocument loaded;
};

} // namespace

TEST_F(CliGameTest, LevelXexAndLevelBinAreWhatTheWindowWrites)
{
    // "Play Level" and "Level Binär 15 Sektoren speichern" with the program folder holding oxil.xex.
    QTemporaryDir current;
    const QString old = QDir::currentPath();
    QDir::setCurrent(current.path());
    LevelGameFiles files(dir.path());
    RecordingOpener opener;
    QStringList log;
    files.playLevel(loaded, 7, opener, log);
    QDir::setCurrent(old);
    const QByteArray played = ReadTestFile(current.filePath(QStringLiteral("oxil-neu.xex")));
    const QString bin = files.saveBinary15(loaded, 7, QImage(8, 8, QImage::Format_RGB32), log);

    const CliRun xex = RunCli({QStringLiteral("level-xex"), levelFile(), QStringLiteral("--xex"), xexFile(),
                               QStringLiteral("--slot"), QStringLiteral("7"), QStringLiteral("-o"), path("out.xex")});
    EXPECT_EQ(xex.exitCode, 0) << xex.err.toStdString();
    EXPECT_EQ(ReadTestFile(path("out.xex")), played);

    const CliRun binRun = RunCli({QStringLiteral("level-bin"), levelFile(), QStringLiteral("--xex"), xexFile(),
                                  QStringLiteral("--slot"), QStringLiteral("7"), QStringLiteral("-o"), path("out.bin")});
    EXPECT_EQ(binRun.exitCode, 0) << binRun.err.toStdString();
    EXPECT_EQ(ReadTestFile(path("out.bin")), ReadTestFile(bin));
    EXPECT_EQ(ReadTestFile(path("out.bin")).size(), 1920);

    // Without --slot the level line says slot 1; standard output takes the bytes as they are.
    const CliRun standard = RunCli({QStringLiteral("level-xex"), levelFile(), QStringLiteral("--xex"), xexFile()});
    EXPECT_EQ(standard.exitCode, 0);
    ASSERT_EQ(standard.out.size(), 38677);
    EXPECT_EQ(standard.out.mid(8969 + 1376 + 6, 2), QByteArray("\x10\x11", 2)); // "01"
}

TEST_F(CliGameTest, AtrPutThenAtrGetGivesTheLevelBack)
{
    const CliRun put = RunCli({QStringLiteral("atr-put"), levelFile(), QStringLiteral("--atr"), atrFile(),
                               QStringLiteral("--slot"), QStringLiteral("12")});
    EXPECT_EQ(put.exitCode, 0) << put.err.toStdString();
    // The same as "Level auf ATR speichern" on a copy of the disk.
    const QString copy = WriteTestFile(dir, QStringLiteral("copy.atr"), disk);
    AtrImage atr;
    SaveLevelToDisk(loaded, 12, copy, atr);
    EXPECT_EQ(ReadTestFile(atrFile()), ReadTestFile(copy));
    const QByteArray after = ReadTestFile(atrFile());
    EXPECT_EQ(after.left(AtrImage::slotOffset(12)), disk.left(AtrImage::slotOffset(12)));
    EXPECT_EQ(after.mid(AtrImage::slotOffset(13)), disk.mid(AtrImage::slotOffset(13)));

    const CliRun get = RunCli({QStringLiteral("atr-get"), QStringLiteral("--atr"), atrFile(), QStringLiteral("--slot"),
                               QStringLiteral("12"), QStringLiteral("-o"), path("back.la8")});
    EXPECT_EQ(get.exitCode, 0) << get.err.toStdString();
    LevelDocument back;
    LoadLevelFile(back, path("back.la8"));
    EXPECT_EQ(back.gridCodes(), level.gridCodes());
    EXPECT_EQ(back.tableCells(LevelTable::Switches), level.tableCells(LevelTable::Switches));
    EXPECT_EQ(back.tableCells(LevelTable::Monsters), level.tableCells(LevelTable::Monsters));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(back.timeDigit(i), level.timeDigit(i));
    for (int line = 1; line <= 10; ++line)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(back.colorEntry(c, line).hexText, level.colorEntry(c, line).hexText);
    // Texts come back as the disk holds them and the level file stores them: padded, lower-cased.
    EXPECT_EQ(back.title(), QStringLiteral("wald") + QString(27, u' '));
    EXPECT_EQ(back.author(), QStringLiteral("ich") + QString(13, u' '));

    // The same lines as "Level von ATR laden" then the level file's lines.
    LevelDocument windowDoc;
    XexImage image;
    LoadLevelFromDisk(windowDoc, 12, atrFile(), atr, image);
    SaveLevelFile(windowDoc, path("window.la8"));
    EXPECT_EQ(ReadTestFile(path("back.la8")), ReadTestFile(path("window.la8")));
}

TEST_F(CliGameTest, ErrorsAndUsage)
{
    struct Case {
        QStringList args;
        int exitCode;
        QString message; // a usage error's usage line follows it
    };
    const QString notAtr = WriteTestFile(dir, QStringLiteral("bad.atr"), QByteArray(133136, 'x'));
    const Case cases[] = {
        {{QStringLiteral("level-xex"), levelFile()}, 2, QStringLiteral("tavrel-cli level-xex: --xex SPIEL.xex fehlt")},
        {{QStringLiteral("level-xex"), levelFile(), QStringLiteral("--xex"), xexFile(), QStringLiteral("--slot"),
          QStringLiteral("41")},
         2, QStringLiteral("tavrel-cli level-xex: --slot: erlaubt sind 1 bis 40")},
        {{QStringLiteral("level-bin"), levelFile(), QStringLiteral("--xex"), path("none.xex")}, 1,
         QStringLiteral("Datei %1 kann nicht geöffnet werden. Datei oder Verzeichnis nicht gefunden").arg(path("none.xex"))},
        {{QStringLiteral("atr-put"), levelFile(), QStringLiteral("--atr"), atrFile()}, 2,
         QStringLiteral("tavrel-cli atr-put: --slot 1-40 fehlt")},
        {{QStringLiteral("atr-put"), levelFile(), QStringLiteral("--atr"), notAtr, QStringLiteral("--slot"),
          QStringLiteral("1")},
         1, QStringLiteral("Datei %1 ist keine ATR-Diskette: die Kennung 96 02 fehlt am Anfang.").arg(notAtr)},
        {{QStringLiteral("atr-get"), QStringLiteral("--atr"), atrFile(), QStringLiteral("--slot"), QStringLiteral("0")},
         2, QStringLiteral("tavrel-cli atr-get: --slot: erlaubt sind 1 bis 40")},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(u' ').toStdString() << "\n" << run.err.toStdString();
        const QString err = QString::fromUtf8(run.err);
        if (c.exitCode == 2)
            EXPECT_TRUE(err.startsWith(c.message + QStringLiteral("\nAufruf: tavrel-cli %1 ").arg(c.args[0]))) << run.err.toStdString();
        else
            EXPECT_EQ(err, c.message + u'\n');
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    }
    EXPECT_EQ(ReadTestFile(notAtr), QByteArray(133136, 'x'));
    EXPECT_EQ(ReadTestFile(atrFile()), disk);
}
