// Runs the built tavrel-cli on pattern files and checks its output and exit codes against the model.
#include "pattern/codeexport.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"
#include "support/clirun.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Joined(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + '\n';
    return bytes;
}

// A small pattern file with a few bytes and registers that differ from the defaults.
class CliFontTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        editor.document().setRegisterCaption(2, QStringLiteral("F2: 44"));
        editor.document().setEntry(3, 17, 1, QStringLiteral("60"));
        editor.document().setPatternByte(2, 4, 3, 0, QStringLiteral("228"));
        editor.document().setPatternByte(7, 4, 3, 0, QStringLiteral("228"));
        SaveFontFile(editor, file());
    }
    QString file() const { return dir.filePath(QStringLiteral("fixture.fa8")); }

    QTemporaryDir dir;
    PatternEditor editor;
};

TEST_F(CliFontTest, FontAsmPrintsTheWindowExport)
{
    const CliRun defaults = RunCli({QStringLiteral("font-asm"), file()});
    EXPECT_EQ(defaults.exitCode, 0) << defaults.err.toStdString();
    EXPECT_EQ(defaults.out, Joined(FontAssemblerCode(editor, 1, 3)));

    const CliRun range = RunCli({QStringLiteral("font-asm"), file(), QStringLiteral("--from"), QStringLiteral("2"),
                              QStringLiteral("--to"), QStringLiteral("8")});
    EXPECT_EQ(range.exitCode, 0);
    EXPECT_EQ(range.out, Joined(FontAssemblerCode(editor, 2, 8)));
}

TEST_F(CliFontTest, PlayerAsmPrintsTheSixteenLines)
{
    const CliRun run = RunCli({QStringLiteral("player-asm"), file(), QStringLiteral("--pattern"), QStringLiteral("4"),
                            QStringLiteral("--name"), QStringLiteral("Frosch")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList lines;
    PlayerAssemblerCode(editor, 4, QStringLiteral("Frosch"), [&lines](const QString& line) { lines << line; });
    EXPECT_EQ(run.out, Joined(lines));
    EXPECT_TRUE(run.out.contains("Player1Frosch2:  .byte 0, 0, 0, 160, 0"));
}

TEST_F(CliFontTest, ErrorsAndUsage)
{
    editor.document().setPatternByte(5, 1, 0, 0, QStringLiteral("abc"));
    SaveFontFile(editor, dir.filePath(QStringLiteral("broken.fa8")));
    const struct {
        QStringList args;
        int exitCode;
        QByteArray errPart;
    } cases[] = {
        {{"font-asm", dir.filePath(QStringLiteral("missing.fa8"))}, 1, "kann nicht ge"},
        {{"player-asm", dir.filePath(QStringLiteral("broken.fa8"))}, 1, "'abc' ist kein g"},
        {{"font-asm", file(), "--bogus", "1"}, 2, "Aufruf"},
        {{"font-asm", file(), "--from", "eins"}, 2, "Aufruf"},
        {{"player-asm"}, 2, "Aufruf"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.errPart)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.args.join(' ').toStdString(); // no half export on stdout
    }
}

} // namespace
