// tavrel-cli font-bin and font-put: raw 1024-byte fonts out of and into a pattern file.
#include "pattern/fontbankfile.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"
#include "support/clirun.h"
#include "support/testutil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A pattern file whose bank b, character c, row r holds (b * 16 + c + r) mod 256.
class CliFontBankTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (int b = 1; b <= PatternStore::kBanks; ++b)
            for (int c = 0; c < PatternStore::kCharacters; ++c)
                for (int r = 0; r < PatternStore::kRows; ++r)
                    editor.document().setEntry(b, c, r, QString::number((b * 16 + c + r) % 256));
        SaveFontFile(editor, file());
        original = ReadTestFile(file());
    }
    QString file() const { return dir.filePath(QStringLiteral("muster.fa8")); }
    // A font whose bytes differ from every bank of the file.
    static QByteArray Font()
    {
        QByteArray font(kFontBankFileSize, Qt::Uninitialized);
        for (int i = 0; i < font.size(); ++i)
            font[i] = static_cast<char>(255 - i % 7);
        return font;
    }

    QTemporaryDir dir;
    PatternEditor editor;
    QByteArray original;
};

} // namespace

TEST_F(CliFontBankTest, FontBinTakesTheLowEightBitsAndRefusesTextThatIsNoNumber)
{
    editor.document().setEntry(3, 0, 0, QStringLiteral("300"));
    editor.document().setEntry(4, 127, 7, QStringLiteral("-1"));
    editor.document().setEntry(4, 5, 1, QStringLiteral("$7F"));
    SaveFontFile(editor, file());
    const CliRun run = RunCli({QStringLiteral("font-bin"), file(), QStringLiteral("--from"), QStringLiteral("2"),
                               QStringLiteral("--to"), QStringLiteral("2")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(run.out.size(), 2048);
    EXPECT_EQ(quint8(run.out[0]), 300 - 256);
    EXPECT_EQ(quint8(run.out[1]), (3 * 16 + 0 + 1) % 256); // character 0, row 1
    EXPECT_EQ(quint8(run.out[1024 + 5 * 8 + 1]), 0x7F);
    EXPECT_EQ(quint8(run.out[2047]), 255);

    editor.document().setEntry(16, 9, 2, QStringLiteral("x9"));
    SaveFontFile(editor, file());
    const QString out = dir.filePath(QStringLiteral("alle.fnt"));
    const CliRun broken = RunCli({QStringLiteral("font-bin"), file(), QStringLiteral("--from"), QStringLiteral("1"),
                                  QStringLiteral("--to"), QStringLiteral("8"), QStringLiteral("-o"), out});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.err.contains("'x9' ist kein g")) << broken.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(CliFontBankTest, FontPutChangesExactlyTheLinesOfOneBank)
{
    const QString fnt = WriteTestFile(dir, QStringLiteral("neu.fnt"), Font());
    const QString out = dir.filePath(QStringLiteral("neu.fa8"));
    const CliRun run = RunCli({QStringLiteral("font-put"), file(), QStringLiteral("--bank"), QStringLiteral("5"),
                               QStringLiteral("--fnt"), fnt, QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ReadTestFile(file()), original);

    const QList<QByteArray> before = original.split('\n');
    const QList<QByteArray> after = ReadTestFile(out).split('\n');
    ASSERT_EQ(after.size(), before.size());
    int changed = 0;
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (before[i] == after[i])
            continue;
        ++changed;
        // Store lines run from line 11 on, each group of 16 holding one row of all banks.
        EXPECT_EQ((i - 10) % 16, 4) << "line " << i + 1;
    }
    EXPECT_EQ(changed, 1024);

    PatternEditor loaded;
    LoadFontFile(loaded, out);
    EXPECT_EQ(FontBankBytes(loaded.store(), 5), Font());
    EXPECT_EQ(FontBankBytes(loaded.store(), 6), FontBankBytes(editor.store(), 6));

    // Without -o the pattern file itself takes the font.
    const CliRun inPlace = RunCli({QStringLiteral("font-put"), file(), QStringLiteral("--bank"), QStringLiteral("5"),
                                   QStringLiteral("--fnt"), fnt});
    EXPECT_EQ(inPlace.exitCode, 0) << inPlace.err.toStdString();
    EXPECT_EQ(ReadTestFile(file()), ReadTestFile(out));
}

TEST_F(CliFontBankTest, FontPutRefusesFilesOfAnotherSizeAndWritesNothing)
{
    const QString out = dir.filePath(QStringLiteral("neu.fa8"));
    for (const int size : {0, 1023, 1025, 2048}) {
        const QString fnt = WriteTestFile(dir, QStringLiteral("falsch.fnt"), QByteArray(size, '\x11'));
        for (const bool toOut : {false, true}) {
            QStringList args = {QStringLiteral("font-put"), file(), QStringLiteral("--bank"), QStringLiteral("1"),
                                QStringLiteral("--fnt"), fnt};
            if (toOut)
                args << QStringLiteral("-o") << out;
            const CliRun run = RunCli(args);
            EXPECT_EQ(run.exitCode, 1) << size;
            EXPECT_TRUE(run.err.contains("ist kein Zeichensatz: eine FNT-Datei ist genau 1024 Bytes lang"))
                << run.err.toStdString();
            EXPECT_EQ(ReadTestFile(file()), original) << size;
            EXPECT_FALSE(QFile::exists(out)) << size;
        }
    }
}

TEST_F(CliFontBankTest, FontPutUsageErrors)
{
    const QString fnt = WriteTestFile(dir, QStringLiteral("neu.fnt"), Font());
    const QStringList cases[] = {
        {"font-put", file(), "--bank", "17", "--fnt", fnt},
        {"font-put", file(), "--bank", "0", "--fnt", fnt},
        {"font-put", file(), "--fnt", fnt},
        {"font-put", file(), "--bank", "1"},
        {"font-put", file(), "--bank", "1", "--fnt", fnt, "-o", "-"},
    };
    for (const QStringList& args : cases) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("Aufruf")) << run.err.toStdString();
    }
    EXPECT_EQ(ReadTestFile(file()), original);
}
