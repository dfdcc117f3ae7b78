// Runs tavrel-cli render-level and compares its pictures with the level picture drawn by the model.
#include "common/textfile.h"
#include "level/leveldocument.h"
#include "level/levelpicture.h"
#include "level/levelfile.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"
#include "support/testutil.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int RunRenderLevel(const QStringList& args, QByteArray* err = nullptr)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/tavrel-cli");
    EXPECT_TRUE(QFileInfo::exists(program)) << "build tavrel-cli first";
    QProcess process;
    process.start(program, QStringList{QStringLiteral("render-level")} + args);
    process.waitForFinished(30000);
    if (err)
        *err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

class CliLevelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Pattern graphics and registers of our own.
        for (int c = 0; c < 128; ++c)
            for (int r = 0; r < 8; ++r) {
                patterns.document().setEntry(1, c, r, QString::number((c * 29 + r * 7) % 256));
                patterns.document().setEntry(2, c, r, QString::number((c * 13 + r * 51) % 256));
            }
        patterns.document().setEntry(1, 8, 0, QStringLiteral("400")); // a byte beyond 255
        SaveFontFile(patterns, fontFile());
        // A level with colours, patterns 64-127, monsters and switches.
        level.InitEmptyLevel(1);
        for (int line = 1; line <= 10; ++line)
            for (int c = 0; c < 5; ++c)
                level.setColorEntry(c, line, {QStringLiteral("00"), PackRgb(25 * line, 50 * c, 90), kWhite});
        for (int x = 6; x < 123; ++x)
            level.writeCell(x, x % 10, x);
        level.setTableCell(LevelTable::Monsters, 2, 2, QStringLiteral("20"));
        level.setTableCell(LevelTable::Monsters, 3, 2, QStringLiteral("0"));
        level.setTableCell(LevelTable::Switches, 1, 1, QStringLiteral("30"));
        level.setTableCell(LevelTable::Switches, 3, 1, QStringLiteral("60"));
        level.setTableCell(LevelTable::Switches, 4, 1, QStringLiteral("8"));
        SaveLevelFile(level, levelFile());
    }
    QString fontFile() const { return dir.filePath(QStringLiteral("f.fa8")); }
    QString levelFile() const { return dir.filePath(QStringLiteral("l.la8")); }
    QString out(const char* name) const { return dir.filePath(QLatin1String(name)); }

    // The picture as the model draws it for the saved files.
    QImage expected(bool overlays)
    {
        PatternEditor loaded;
        loaded.create();
        LoadFontFile(loaded, fontFile());
        LevelDocument doc;
        LevelPicture picture(doc, loaded.registers());
        picture.pixels().fill(loaded.store());
        LoadLevelFile(doc, levelFile());
        picture.drawLoadedLevel(overlays, overlays);
        return picture.level().convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir dir;
    PatternEditor patterns;
    LevelDocument level;
};

} // namespace

TEST_F(CliLevelTest, PicturesWithAndWithoutOverlays)
{
    ASSERT_EQ(RunRenderLevel({levelFile(), QStringLiteral("--font"), fontFile(), QStringLiteral("-o"), out("a.png")}), 0);
    ASSERT_EQ(RunRenderLevel({levelFile(), QStringLiteral("--overlays"), QStringLiteral("--font"), fontFile(),
                              QStringLiteral("-o"), out("b.BMP")}),
              0);
    const QImage plain(out("a.png"));
    const QImage overlaid(out("b.BMP"));
    EXPECT_TRUE(ReadTestFile(out("b.BMP")).startsWith("BM"));
    ASSERT_EQ(plain.size(), QSize(4096, 320));
    EXPECT_EQ(plain.convertToFormat(QImage::Format_RGB32), expected(false));
    // Without overlays the companion writes both files itself, from one indexed picture.
    ASSERT_EQ(RunRenderLevel({levelFile(), QStringLiteral("--font"), fontFile(), QStringLiteral("-o"), out("a.bmp")}), 0);
    EXPECT_EQ(plain.format(), QImage::Format_Indexed8);
    EXPECT_EQ(QImage(out("a.bmp")).convertToFormat(QImage::Format_RGB32), expected(false));
    EXPECT_EQ(overlaid.convertToFormat(QImage::Format_RGB32), expected(true));
    EXPECT_NE(expected(true), expected(false));

    // The PNG holds a palette of the level's colours and the very pixels of the bitmap.
    ASSERT_EQ(RunRenderLevel({levelFile(), QStringLiteral("--overlays"), QStringLiteral("--font"), fontFile(),
                              QStringLiteral("-o"), out("b.png")}),
              0);
    const QImage indexed(out("b.png"));
    EXPECT_EQ(indexed.format(), QImage::Format_Indexed8);
    EXPECT_EQ(indexed.convertToFormat(QImage::Format_RGB32), overlaid.convertToFormat(QImage::Format_RGB32));
    EXPECT_LT(QFileInfo(out("b.png")).size(), QFileInfo(out("b.BMP")).size() / 20);
}

TEST_F(CliLevelTest, Errors)
{
    QByteArray err;
    EXPECT_EQ(RunRenderLevel({levelFile(), QStringLiteral("-o"), out("c.png")}), 2); // no font
    EXPECT_EQ(RunRenderLevel({levelFile(), QStringLiteral("--font"), fontFile(), QStringLiteral("-o"), out("c.gif")}), 2);
    EXPECT_EQ(RunRenderLevel({QStringLiteral("--font"), fontFile(), QStringLiteral("-o"), out("c.png")}), 2);
    EXPECT_EQ(RunRenderLevel({out("missing.la8"), QStringLiteral("--font"), fontFile(), QStringLiteral("-o"), out("c.png")},
                             &err),
              1);
    EXPECT_TRUE(err.startsWith("Datei ")) << err.toStdString();
    // A level file cut off: the error names the file and where it ends, and no picture.
    QFile broken(levelFile());
    ASSERT_TRUE(broken.resize(1500));
    EXPECT_EQ(RunRenderLevel({levelFile(), QStringLiteral("--font"), fontFile(), QStringLiteral("-o"), out("c.png")}, &err),
              1);
    EXPECT_TRUE(err.startsWith(QStringLiteral("Datei %1, Zeile ").arg(levelFile()).toUtf8())) << err.toStdString();
    EXPECT_TRUE(err.contains("Die Datei endet hier, eine Level-Datei hat mindestens 2784 Zeilen")) << err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out("c.png")));
    // A whole level whose redraw stops at a code that is no number: the error, and no picture.
    LevelDocument whole;
    whole.InitEmptyLevel(1);
    QStringList lines = LevelFileLines(whole);
    lines[100] = QStringLiteral("x");
    WriteTestFile(dir, QStringLiteral("l.la8"), JoinWindows1252Lines(lines));
    EXPECT_EQ(RunRenderLevel({levelFile(), QStringLiteral("--font"), fontFile(), QStringLiteral("-o"), out("c.png")}, &err),
              1);
    EXPECT_TRUE(err.contains("'x' ist kein g")) << err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out("c.png")));
}
