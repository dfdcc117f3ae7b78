// The code exports in each assembler dialect, assembled with the real assemblers: they must give
// exactly the bytes that the standard text's data lines list.
#include "cli/dialectfixture.h"
#include "common/asmdialect.h"
#include "support/clirun.h"
#include "support/testutil.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Assembler {
    const char* dialect;
    const char* program;
    const char* package;
};

const Assembler kAssemblers[] = {
    {"ca65", "cl65", "cc65"}, {"xa", "xa", "xa65"}, {"dasm", "dasm", "dasm"}, {"acme", "acme", "acme"},
    {"64tass", "64tass", "64tass"},
};

void PrintTo(const Assembler& assembler, std::ostream* os) { *os << assembler.dialect; }

// The values of every data line of a standard text, read here without the program's own code:
// ".byte" up to the comment, values decimal or "$" hex.
QByteArray StandardBytes(const QByteArray& text)
{
    QByteArray bytes;
    for (QByteArray line : text.split('\n')) {
        const qsizetype directive = line.indexOf(".byte");
        if (directive < 0 || line.trimmed().startsWith("//"))
            continue;
        line = line.mid(directive + 5);
        for (const char* marker : {"//", ";"})
            if (line.indexOf(marker) >= 0)
                line.truncate(line.indexOf(marker));
        for (const QByteArray& item : line.split(',')) {
            const QByteArray value = item.trimmed();
            bool ok = false;
            const int v = value.startsWith('$') ? value.mid(1).toInt(&ok, 16) : value.toInt(&ok, 10);
            EXPECT_TRUE(ok && v >= 0 && v <= 255) << "no byte: " << value.constData();
            bytes += static_cast<char>(v);
        }
    }
    return bytes;
}

struct Assembled {
    int exitCode = -1;
    QByteArray bytes;
    QByteArray messages;
};

// Assembles a source file as a user would: origin and header lines put before it as the issue of
// each assembler wants them, nothing in the file itself changed. `extra` comes after the origin.
class AssemblerRun {
public:
    explicit AssemblerRun(const Assembler& assembler) : mAssembler(assembler)
    {
        mProgram = QStandardPaths::findExecutable(QLatin1String(assembler.program));
    }
    bool installed() const { return !mProgram.isEmpty(); }

    Assembled run(const QTemporaryDir& dir, const QByteArray& source, int origin, const QByteArray& extra = {}) const
    {
        const QString dialect = QLatin1String(mAssembler.dialect);
        const QByteArray org = "$" + QByteArray::number(origin, 16);
        const QString out = dir.filePath(dialect + QStringLiteral(".bin"));
        QFile::remove(out);
        QStringList args;
        QByteArray file;
        if (dialect == QLatin1String("ca65")) {
            file = extra + source;
            args << QStringLiteral("-t") << QStringLiteral("none") << QStringLiteral("--start-addr")
                 << QStringLiteral("0x%1").arg(origin, 0, 16) << QStringLiteral("-o") << out;
        } else if (dialect == QLatin1String("dasm")) {
            file = "  processor 6502\r\n  org " + org + "\r\n" + extra + source;
        } else {
            file = "*=" + org + "\r\n" + extra + source;
        }
        const QString name = WriteTestFile(dir, dialect + QStringLiteral(".s"), file);
        if (dialect == QLatin1String("xa"))
            args << QStringLiteral("-o") << out << name;
        else if (dialect == QLatin1String("dasm"))
            args << name << QStringLiteral("-f3") << QStringLiteral("-o") + out;
        else if (dialect == QLatin1String("acme"))
            args << QStringLiteral("-f") << QStringLiteral("plain") << QStringLiteral("-o") << out << name;
        else if (dialect == QLatin1String("64tass"))
            args << QStringLiteral("--nostart") << QStringLiteral("-o") << out << name;
        else
            args << name;
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(mProgram, args);
        Assembled result;
        if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
            result.exitCode = process.exitCode();
        result.messages = process.readAll();
        result.bytes = ReadTestFile(out);
        return result;
    }

private:
    Assembler mAssembler;
    QString mProgram;
};

// The fixture's pattern file, level file and picture, and the exports of each.
class DialectFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SaveDialectPatternFile(path("muster.fa8"));
        SaveDialectLevelFile(path("level.la8"));
        ASSERT_TRUE(DialectPicture().save(path("bild.png"), "PNG"));
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    struct Export {
        const char* name;
        QStringList args; // without -o and --dialect
    };
    QList<Export> exports() const
    {
        return {
            {"font 1-3", {"font-asm", path("muster.fa8")}},
            {"font 8-8", {"font-asm", path("muster.fa8"), "--from", "8", "--to", "8"}},
            {"player", {"player-asm", path("muster.fa8"), "--pattern", "5"}},
            {"level", {"level-asm", path("level.la8")}},
        };
    }

    // The export's file as the command writes it with -o; empty when it failed.
    QByteArray exported(QStringList args, const QString& dialect = QString()) const
    {
        const QString out = path("export.asm");
        QFile::remove(out);
        args << QStringLiteral("-o") << out;
        if (!dialect.isNull())
            args << QStringLiteral("--dialect") << dialect;
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 0) << args.join(' ').toStdString() << ": " << run.err.toStdString();
        return run.exitCode == 0 ? ReadTestFile(out) : QByteArray();
    }
    QByteArray pictureCode(const QString& dialect = QString()) const
    {
        QStringList args = {QStringLiteral("picture"), QStringLiteral("compact"), path("bild.png"), QStringLiteral("--code"),
                            path("code.asm")};
        if (!dialect.isNull())
            args << QStringLiteral("--dialect") << dialect;
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return ReadTestFile(path("code.asm"));
    }

    QTemporaryDir dir;
};

QByteArray Golden(const char* name)
{
    return ReadTestFile(QStringLiteral(TAVREL_TEST_DATA "/dialects/") + QLatin1String(name));
}

class DialectAssemblyTest : public DialectFiles, public ::testing::WithParamInterface<Assembler> {
protected:
    void SetUp() override
    {
        DialectFiles::SetUp();
        if (!assembler.installed())
            GTEST_SKIP() << GetParam().program << " is not installed (Debian package " << GetParam().package
                         << "): the " << GetParam().dialect << " dialect was not assembled";
    }
    QString dialect() const { return QLatin1String(GetParam().dialect); }

    AssemblerRun assembler{GetParam()};
};

} // namespace

TEST_F(DialectFiles, StandardAndNoDialectGiveTodaysText)
{
    const struct {
        const char* golden;
        QStringList args;
    } cases[] = {
        {"font8.asm", {"font-asm", path("muster.fa8"), "--from", "8", "--to", "8"}},
        {"player5.asm", {"player-asm", path("muster.fa8"), "--pattern", "5"}},
        {"level.asm", {"level-asm", path("level.la8")}},
    };
    for (const auto& c : cases) {
        const QByteArray today = Golden(c.golden);
        ASSERT_GT(today.size(), 100) << c.golden;
        EXPECT_EQ(exported(c.args), today) << c.golden;
        EXPECT_EQ(exported(c.args, QStringLiteral("standard")), today) << c.golden;
    }
    EXPECT_EQ(pictureCode(), Golden("picture.asm"));
    EXPECT_EQ(pictureCode(QStringLiteral("standard")), Golden("picture.asm"));
}

TEST_F(DialectFiles, UnknownDialectIsAUsageError)
{
    const CliRun run = RunCli({QStringLiteral("font-asm"), path("muster.fa8"), QStringLiteral("--dialect"), QStringLiteral("masm")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("ca65, xa, dasm, acme und 64tass")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}

TEST_P(DialectAssemblyTest, EveryExportAssemblesIntoTheStandardBytes)
{
    for (const Export& e : exports()) {
        const QByteArray expected = StandardBytes(exported(e.args));
        ASSERT_GT(expected.size(), 0) << e.name;
        const QByteArray source = exported(e.args, dialect());
        const Assembled result = assembler.run(dir, source, 0x4000);
        EXPECT_EQ(result.exitCode, 0) << e.name << ":\n" << result.messages.toStdString();
        EXPECT_EQ(result.bytes.size(), expected.size()) << e.name;
        EXPECT_TRUE(result.bytes == expected) << e.name << ": other bytes than the standard text lists";
        EXPECT_FALSE(source.contains("//")) << e.name;
    }
}

// Behind a start that is no multiple of 1024 the first bank moves to the next one; ca65 leaves the
// placement to the linker and must refuse a segment that does not put it there.
TEST_P(DialectAssemblyTest, FontBanksLandOnA1024ByteBoundaryOrTheBuildFails)
{
    const QByteArray expected = StandardBytes(exported(exports()[1].args));
    const Assembled result = assembler.run(dir, exported(exports()[1].args, dialect()), 0x4001);
    if (dialect() == QLatin1String("ca65")) {
        EXPECT_NE(result.exitCode, 0);
        EXPECT_TRUE(result.messages.contains("nicht auf 1024 Bytes ausgerichtet")) << result.messages.toStdString();
        return;
    }
    EXPECT_EQ(result.exitCode, 0) << result.messages.toStdString();
    EXPECT_TRUE(result.bytes == QByteArray(0x3FF, '\0') + expected) << "size " << result.bytes.size();
}

// The colour-register code keeps its empty LDA operands for the user; filled in, and WSYNC defined,
// it assembles into the instructions the standard text names.
TEST_P(DialectAssemblyTest, PictureCodeAssemblesOnceTheUserFillsItIn)
{
    QByteArray expected;
    for (const QByteArray& raw : pictureCode().split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith("LDA")) {
            const QByteArray operand = line.mid(3).trimmed();
            expected += '\xA9';
            expected += static_cast<char>(operand.isEmpty() ? 0 : operand.mid(2).toInt(nullptr, 16));
        } else if (line.startsWith("STA")) {
            const QByteArray operand = line.mid(3).trimmed();
            const int address = operand == "WSYNC" ? 0xD40A : operand.mid(1).toInt(nullptr, 16);
            expected += '\x8D';
            expected += static_cast<char>(address & 0xFF);
            expected += static_cast<char>(address >> 8);
        }
    }
    ASSERT_GT(expected.size(), 100);

    QByteArray source = pictureCode(dialect());
    EXPECT_FALSE(source.contains("//"));
    source.replace("LDA \r\n", "LDA #$00\r\n");
    const Assembled result = assembler.run(dir, source, 0x4000, "WSYNC = $D40A\r\n");
    EXPECT_EQ(result.exitCode, 0) << result.messages.toStdString();
    EXPECT_TRUE(result.bytes == expected) << "size " << result.bytes.size() << " of " << expected.size();
}

// Data lines without a label, in column 0 or indented, with comments that hold colons, beside
// labelled ones: each dialect's lines assemble into the bytes they list.
TEST_P(DialectAssemblyTest, ByteLinesWithoutALabelConvertWhateverTheirCommentHolds)
{
    const char* const lines[] = {
        ".byte 1,2,3 // Zeile 1: Farben",
        "  .byte 4, 5 // a: b: c",
        ".byte 6,7 ; Zeile 2: Farben",
        ".byte 8",
        "    .byte $09,$0A",
        ".byte 11,12//x:y",
        ".byte 13,14 // Zeile:",
        ".byte 0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16 // Zeile 3: 17 Werte",
        "        .byte 20,21,22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37 // 18: Werte",
        "Daten: .byte 40,41 // Zeile 4: mit Marke",
        "Lang:  .byte 0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16 // Zeile 5: 17 Werte",
        // Comments whose colon an assembler could take for the end of a statement.
        "// Hinweis: lda #1",
        "; Hinweis: lda #2",
        ".byte 50 // a: */ lda #3",
    };
    QByteArray standard;
    QStringList converted;
    for (const char* line : lines) {
        standard += QByteArray(line) + "\r\n";
        const QStringList out = DialectLines(*AsmDialectFromName(dialect()), QString::fromUtf8(line));
        for (const QString& o : out)
            EXPECT_FALSE(o.contains(QStringLiteral("//"))) << dialect().toStdString() << ": " << line;
        converted << out;
    }
    const QByteArray expected = StandardBytes(standard);
    ASSERT_EQ(expected.size(), 3 + 2 + 2 + 1 + 2 + 2 + 2 + 17 + 18 + 2 + 17 + 1);
    const QByteArray source = converted.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
    const Assembled result = assembler.run(dir, source, 0x4000);
    EXPECT_EQ(result.exitCode, 0) << source.toStdString() << "\n" << result.messages.toStdString();
    EXPECT_TRUE(result.bytes == expected) << source.toStdString() << "\nsize " << result.bytes.size();
}

INSTANTIATE_TEST_SUITE_P(Assemblers, DialectAssemblyTest, ::testing::ValuesIn(kAssemblers),
                         [](const ::testing::TestParamInfo<Assembler>& info) {
                             return std::string(info.param.dialect[0] == '6' ? "tass64" : info.param.dialect);
                         });

TEST_F(DialectFiles, FontBinIsTheFontExportsBytes)
{
    for (const auto& [from, to] : {std::pair{"1", "3"}, std::pair{"8", "8"}}) {
        const QStringList range = {QStringLiteral("--from"), QLatin1String(from), QStringLiteral("--to"), QLatin1String(to)};
        const QByteArray expected = StandardBytes(exported(QStringList{"font-asm", path("muster.fa8")} + range));
        const CliRun run = RunCli(QStringList{"font-bin", path("muster.fa8")} + range);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out.size(), 2048 * (QByteArray(to).toInt() - QByteArray(from).toInt() + 1));
        EXPECT_TRUE(run.out == expected) << from << "-" << to;
    }
}
