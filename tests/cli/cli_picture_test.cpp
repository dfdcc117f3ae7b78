// Runs tavrel-cli picture on a small picture and checks every output against the converter model.
#include "support/clirun.h"
#include "support/testutil.h"

#include "common/textfile.h"
#include "converter/graphicsconverter.h"
#include "converter/graphicsexport.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CliPictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Not palette colours: the command has to quantise as the window does.
        QImage image(9, 4, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x * 29, y * 60, (x * y * 13) & 255));
        ASSERT_TRUE(image.save(input(), "PNG"));
    }
    QString input() const { return dir.filePath(QStringLiteral("bild.png")); }
    QString out(const char* name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
};

TEST_F(CliPictureTest, WritesCodeRamTableAndPictureAsTheWindowMakesThem)
{
    for (const char* analysis : {"compact", "isolated"}) {
        const CliRun run = RunCli({QStringLiteral("picture"), QLatin1String(analysis), input(), QStringLiteral("--code"),
                                   out("code.asm"), QStringLiteral("--ram"), out("Atari.bin"), QStringLiteral("--table"),
                                   out("tabelle.csv"), QStringLiteral("--picture"), out("datei.bmp")});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

        GraphicsConverter converter;
        converter.ResetRegisterTable(GraphicsConverter::Headers::RegisterAddresses);
        converter.LoadPicture(input());
        if (QLatin1String(analysis) == QLatin1String("compact"))
            converter.ErmittleFarbenKompakt();
        else
            converter.ErmittleFarbenIsoliert();
        EXPECT_EQ(ReadTestFile(out("code.asm")), JoinWindows1252Lines(AssemblerCode(converter.table()))) << analysis;
        EXPECT_EQ(ReadTestFile(out("Atari.bin")), AtariRamImage(converter.picture(), converter.table())) << analysis;
        EXPECT_EQ(ReadTestFile(out("datei.bmp")), WindowsBitmap32(converter.picture())) << analysis;

        const QList<QByteArray> table = ReadTestFile(out("tabelle.csv")).split('\n');
        ASSERT_EQ(table.size(), 4 + 1 + 1) << analysis; // rows 0 ... 4, then the end after the last CR LF
        EXPECT_EQ(table[0], QByteArray(",$D012,$D013,$D014,$D015,$D016,$D017,$D018,$D019,$D01A,,,,,,,,,,\r"));
        QStringList row2;
        for (int c = 0; c < 20; ++c)
            row2 << converter.cell(c, 2);
        EXPECT_EQ(table[2], row2.join(QLatin1Char(',')).toLatin1() + '\r') << analysis;
        EXPECT_TRUE(table[2].startsWith("2,clBlack,"));
    }
}

TEST_F(CliPictureTest, WritesOnlyWhatWasAskedAndReportsErrors)
{
    const CliRun quiet = RunCli({QStringLiteral("picture"), QStringLiteral("compact"), input()});
    EXPECT_EQ(quiet.exitCode, 0) << quiet.err.toStdString();
    EXPECT_TRUE(quiet.out.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("bild.png")});

    EXPECT_EQ(RunCli({QStringLiteral("picture"), QStringLiteral("sideways"), input()}).exitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("picture"), QStringLiteral("compact")}).exitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("picture"), QStringLiteral("compact"), input(), QStringLiteral("--ram")}).exitCode, 2);

    const CliRun missing = RunCli({QStringLiteral("picture"), QStringLiteral("isolated"), out("fehlt.png")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("kann nicht geöffnet werden")) << missing.err.toStdString();

    const QString junk = WriteTestFile(dir, QStringLiteral("kaputt.bmp"), QByteArray("BM no picture"));
    const CliRun broken = RunCli({QStringLiteral("picture"), QStringLiteral("isolated"), junk});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.err.contains("kein lesbares Bild")) << broken.err.toStdString();

    const CliRun unwritable = RunCli({QStringLiteral("picture"), QStringLiteral("compact"), input(),
                                      QStringLiteral("--ram"), out("fehlt/Atari.bin")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains("kann nicht erstellt werden")) << unwritable.err.toStdString();
}

// The outputs are saved together: one that fails leaves every other file as it was.
TEST_F(CliPictureTest, AllOutputsOrNone)
{
    const QString code = WriteTestFile(dir, QStringLiteral("code.asm"), "alter Code");
    const QString table = WriteTestFile(dir, QStringLiteral("tabelle.csv"), "alte Tabelle");
    const CliRun run = RunCli({QStringLiteral("picture"), QStringLiteral("compact"), input(), QStringLiteral("--code"), code,
                               QStringLiteral("--table"), table, QStringLiteral("--ram"), out("fehlt/Atari.bin"),
                               QStringLiteral("--picture"), out("neu.bmp")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(out("fehlt/Atari.bin")).toUtf8()))
        << run.err.toStdString();
    EXPECT_TRUE(ReadTestFile(code) == "alter Code");
    EXPECT_TRUE(ReadTestFile(table) == "alte Tabelle");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({QStringLiteral("bild.png"), QStringLiteral("code.asm"), QStringLiteral("tabelle.csv")}));
}

} // namespace
