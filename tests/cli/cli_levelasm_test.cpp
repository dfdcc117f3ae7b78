// tavrel-cli level-asm against the level code text of the same file, and its errors.
#include "common/textfile.h"
#include "level/leveldocument.h"
#include "gui/level/levelwindow.h"
#include "levelio/levelcode.h"
#include "level/levelfile.h"
#include "pattern/colorregisterset.h"
#include "support/clirun.h"
#include "support/mapwindowfixture.h"
#include "support/testutil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A level with colours, cells, an inverse pattern and a monster: saved, loaded back, exported.
class CliLevelAsmTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const ColorRegisterSet registers;
        LevelDocument doc;
        doc.InitEmptyLevel(1);
        doc.Farbenstandard(registers);
        doc.writeCell(40, 3, 44);
        doc.writeCell(41, 9, 108);
        doc.setTableCell(LevelTable::Monsters, 1, 5, QStringLiteral("5"));
        SaveLevelFile(doc, file());
        LevelDocument loaded;
        LoadLevelFile(loaded, file());
        expected = LevelAssemblerCode(loaded);
    }
    QString file() const { return dir.filePath(QStringLiteral("fixture.la8")); }

    QTemporaryDir dir;
    QStringList expected;
};

} // namespace

TEST_F(CliLevelAsmTest, PrintsTheLevelCodeTextWithCrLf)
{
    const CliRun run = RunCli({QStringLiteral("level-asm"), file()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, JoinWindows1252Lines(expected));
    EXPECT_EQ(run.out.count("\r\n"), kLevelCodeLines);
    EXPECT_TRUE(run.out.contains("LevelLine4:           .byte 0, 0, 0, 0, 0, 6, 2,"));
    EXPECT_TRUE(run.out.contains(", 2, 88, 2, ")); // cell 40 of row 3
    EXPECT_TRUE(run.out.contains(", 2, 216, 2, ")); // cell 41 of row 9

    const QString out = dir.filePath(QStringLiteral("level.asm"));
    const CliRun toFile = RunCli({QStringLiteral("level-asm"), file(), QStringLiteral("-o"), out});
    EXPECT_EQ(toFile.exitCode, 0) << toFile.err.toStdString();
    EXPECT_TRUE(toFile.out.isEmpty());
    EXPECT_EQ(ReadTestFile(out), run.out);
}

TEST_F(CliLevelAsmTest, ErrorsAndUsage)
{
    const QString broken = WriteTestFile(dir, QStringLiteral("broken.la8"), "00\r\nkeine Farbe\r\n");
    const struct {
        QStringList args;
        int exitCode;
        QByteArray errPart;
    } cases[] = {
        {{"level-asm", dir.filePath(QStringLiteral("missing.la8"))}, 1, "kann nicht ge"},
        {{"level-asm", broken}, 1, "'keine Farbe' ist kein g"},
        {{"level-asm"}, 2, "Aufruf"},
        {{"level-asm", file(), file()}, 2, "Aufruf"},
        {{"level-asm", file(), "--from", "1"}, 2, "Aufruf"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.errPart)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.args.join(' ').toStdString();
    }
}

namespace {

class CliLevelAsmWindowTest : public MapWindowFixture {};

} // namespace

// The level editor loads the file and writes its code; the command prints the same lines.
TEST_F(CliLevelAsmWindowTest, PrintsWhatTheWindowWrites)
{
    open();
    LevelDocument doc;
    doc.InitEmptyLevel(17);
    doc.writeCell(77, 8, 100);
    doc.setCode(30, 1, QStringLiteral("x"));
    doc.setColorEntry(3, 4, {QStringLiteral("C4"), 0, 0});
    const QString level = folder.filePath(QStringLiteral("window.la8"));
    SaveLevelFile(doc, level);
    dialogs.fileAnswers = {level};
    Control<QTabWidget>(map, "PageControl1")->setCurrentIndex(0);
    click("ButtonLoadFile");
    click("Button1");
    const QStringList written = Control<QPlainTextEdit>(map, "Memo")->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(written.size(), kLevelCodeLines);
    EXPECT_TRUE(written[18].contains(QStringLiteral(", x, ")));

    const CliRun run = RunCli({QStringLiteral("level-asm"), level});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, JoinWindows1252Lines(written));
}
