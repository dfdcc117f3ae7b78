// The disk level record read into the document and written from it; the 15-sector file and the level picture.
#include "common/errors.h"
#include "level/leveldocument.h"
#include "levelio/disklevelrecord.h"
#include "levelio/gamelevelrecord.h"
#include "levelio/levelbinaryfile.h"
#include "levelio/xeximage.h"
#include "palette/ataripalette.h"
#include "pattern/colorregisterset.h"
#include "support/gamefixtures.h"
#include "support/testutil.h"

#include <QImage>
#include <gtest/gtest.h>
#include <QUndoStack>

namespace {

// A level with something unusual in every part the disk record holds.
void FillLevel(LevelDocument& doc)
{
    doc.InitEmptyLevel(1);
    doc.Farbenstandard(ColorRegisterSet());
    doc.writeCell(20, 4, 44);
    doc.writeCell(21, 4, 127);
    doc.setCode(100, 9, QStringLiteral("17")); // a pair that breaks the rule survives
    doc.setTitle(QStringLiteral("Der Wald, Teil 2! (mit Umlaut ä) und noch mehr Text"));
    doc.setTip1(QStringLiteral("tipp eins"));
    doc.setTip2(QStringLiteral("x"));
    doc.setAuthor(QStringLiteral("Ölbär ABCDEFGHIJKLMNOP"));
    for (int m = 1; m <= 10; ++m)
        for (int row = 1; row <= 6; ++row)
            doc.setTableCell(LevelTable::Monsters, row, m, QString::number(m * 10 + row));
    doc.setTableCell(LevelTable::Monsters, 7, 1, QStringLiteral("r"));
    doc.setTableCell(LevelTable::Monsters, 7, 2, QStringLiteral("O"));
    doc.setTableCell(LevelTable::Monsters, 7, 3, QStringLiteral("U"));
    doc.setTableCell(LevelTable::Monsters, 8, 3, QStringLiteral("R"));
    for (int s = 1; s <= 8; ++s)
        for (int row = 1; row <= 5; ++row)
            doc.setTableCell(LevelTable::Switches, row, s, QString::number(s * 7 + row));
    doc.setTableCell(LevelTable::Switches, 5, 1, QStringLiteral("12"));
    doc.setTableCell(LevelTable::Switches, 5, 2, QStringLiteral("127"));
    doc.setColorEntry(2, 5, {QStringLiteral("1e"), kBlack, kBlack});
    doc.setTimeDigit(0, 1);
    doc.setTimeDigit(3, 9);
}

QByteArray WrittenRecord(const LevelDocument& doc, int slot = 1)
{
    QByteArray record = MakeTestAtr().mid(16 + 3200, 3200);
    WriteDiskLevelRecord(doc, slot, record);
    return record;
}

} // namespace

TEST(DiskLevelRecord, WrittenLevelReadsBackAsFarAsTheReaderReaches)
{
    LevelDocument doc;
    FillLevel(doc);
    LevelDocument back;
    back.setTableCell(LevelTable::Monsters, 8, 3, QStringLiteral("L"));
    ReadDiskLevelRecord(back, WrittenRecord(doc, 7));

    EXPECT_EQ(back.gridCodes(), doc.gridCodes());
    EXPECT_EQ(back.title(), QStringLiteral("DER WALD, TEIL 2! (MIT UMLAUT ä"));
    EXPECT_EQ(back.tip1(), QStringLiteral("TIPP EINS") + QString(22, u' '));
    EXPECT_EQ(back.tip2(), QStringLiteral("X") + QString(30, u' '));
    EXPECT_EQ(back.author(), QStringLiteral("ÖLBäR ABCDEFGHIJ"));
    for (int m = 1; m <= 10; ++m)
        for (int row = 1; row <= 6; ++row)
            EXPECT_EQ(back.monsterCell(row, m), doc.monsterCell(row, m)) << m << "/" << row;
    EXPECT_EQ(back.monsterCell(7, 1), QStringLiteral("R"));
    EXPECT_EQ(back.monsterCell(7, 2), QStringLiteral("O"));
    EXPECT_EQ(back.monsterCell(7, 3), QStringLiteral("U"));
    EXPECT_EQ(back.monsterCell(7, 4), QStringLiteral("L"));
    // turnMode is not read: the reader's own value stays.
    EXPECT_EQ(back.monsterCell(8, 3), QStringLiteral("L"));
    EXPECT_EQ(back.tableCells(LevelTable::Switches), doc.tableCells(LevelTable::Switches));
    for (int line = 1; line <= 10; ++line)
        for (int c = 0; c < 5; ++c) {
            const AtariColor v = static_cast<AtariColor>(GameColorValue(doc.colorEntry(c, line).hexText));
            EXPECT_EQ(back.colorEntry(c, line).hexText, ColorCodeOf(v));
            EXPECT_EQ(back.colorEntry(c, line).displayColor, PaletteColor(v));
        }
    EXPECT_EQ(back.colorEntry(2, 5).hexText, QStringLiteral("1E"));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(back.timeDigit(i), doc.timeDigit(i));
}

TEST(DiskLevelRecord, TargetPatternAndUnreadBytes)
{
    LevelDocument doc;
    FillLevel(doc);
    const QByteArray before = MakeTestAtr().mid(16 + 3200, 3200);
    const QByteArray record = WrittenRecord(doc);
    EXPECT_EQ(static_cast<unsigned char>(record[DiskRecord::kSwitches + 5]), 25);
    // Switch byte 4 and the rest after the time keep what the slot held.
    for (int s = 0; s < 8; ++s)
        EXPECT_EQ(record[DiskRecord::kSwitches + 6 * s + 4], before[DiskRecord::kSwitches + 6 * s + 4]);
    EXPECT_EQ(record.mid(2870), before.mid(2870));
    EXPECT_EQ(record.mid(DiskRecord::kLevelLine, 14), QByteArray("LEVEL 01: FROM"));
}

TEST(DiskLevelRecord, ZeroBytesAndLowBytes)
{
    LevelDocument doc;
    ReadDiskLevelRecord(doc, QByteArray(3200, '\0'));
    EXPECT_EQ(doc.title(), QString(31, u' '));
    EXPECT_EQ(doc.author(), QString(16, u' '));
    EXPECT_EQ(doc.code(0, 0), QStringLiteral("0"));
    EXPECT_EQ(doc.monsterCell(7, 1), QStringLiteral("L"));
    EXPECT_EQ(doc.switchCell(5, 1), QStringLiteral("0"));

    QByteArray record(3200, '\0');
    record[DiskRecord::kTitle] = 1;              // "!"
    record[DiskRecord::kTitle + 1] = 'A';
    record[DiskRecord::kTime] = 12;              // limited to 9
    record[DiskRecord::kSwitches + 5] = 25;
    record[DiskRecord::kMonsters + 6] = 50;
    ReadDiskLevelRecord(doc, record);
    EXPECT_TRUE(doc.title().startsWith(QStringLiteral("!A ")));
    EXPECT_EQ(doc.timeDigit(0), QStringLiteral("9"));
    EXPECT_EQ(doc.switchCell(5, 1), QStringLiteral("12"));
    EXPECT_EQ(doc.monsterCell(7, 1), QStringLiteral("R"));
}

TEST(DiskLevelRecord, ReadsFromTheImageAndStartsAFreshHistory)
{
    LevelDocument source;
    FillLevel(source);
    XexImage image;
    image.put(XexImage::kDiskRecordOffset, WrittenRecord(source));
    LevelDocument doc;
    doc.InitEmptyLevel(1);
    doc.initialiseLevel(5);
    ASSERT_TRUE(doc.undoStack().canUndo());
    int announcements = 0;
    QObject::connect(&doc, &LevelDocument::changed, [&announcements] { ++announcements; });
    ReadDiskLevelRecord(doc, image);
    EXPECT_EQ(doc.gridCodes(), source.gridCodes());
    EXPECT_FALSE(doc.undoStack().canUndo());
    EXPECT_EQ(announcements, 1);
}

TEST(DiskLevelRecord, NumberlessCellLeavesTheRecordAlone)
{
    LevelDocument doc;
    FillLevel(doc);
    const QByteArray before = MakeTestAtr().mid(16 + 3200, 3200);
    for (auto set : {+[](LevelDocument& d) { d.setCode(7, 3, QStringLiteral("")); },
                     +[](LevelDocument& d) { d.setTableCell(LevelTable::Switches, 1, 1, QStringLiteral("Maus X")); },
                     +[](LevelDocument& d) { d.setTableCell(LevelTable::Monsters, 6, 10, QStringLiteral("x")); }}) {
        LevelDocument broken;
        FillLevel(broken);
        set(broken);
        QByteArray record = before;
        EXPECT_THROW(WriteDiskLevelRecord(broken, 1, record), ConversionError);
        EXPECT_EQ(record, before);
    }
}

TEST(LevelBinaryFile, NameBytesAndPicture)
{
    QTemporaryDir dir;
    EXPECT_EQ(LevelBinaryFileName(dir.path(), 7, QStringLiteral(" wald "), QStringLiteral("Level 2\t")),
              dir.filePath(QStringLiteral("DAD-Level-7-wald-Level 2.bin")));
    EXPECT_EQ(LevelPictureNameFor(QStringLiteral("/a/DAD-Level-1-x-y.bin")), QStringLiteral("/a/DAD-Level-1-x-y.bmp"));
    for (const char* bad : {"a:b", "wer?", "../../x", "a\\b"}) {
        try {
            LevelBinaryFileName(dir.path(), 1, QStringLiteral("me"), QString::fromLatin1(bad));
            ADD_FAILURE() << bad;
        } catch (const FileCreateError& e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("Datei \"%1").arg(dir.path()))) << qPrintable(e.message());
        }
    }

    XexImage image;
    ReadXexImage(image, WriteTestFile(dir, QStringLiteral("oxil.xex"), MakeTestXex()));
    LevelDocument doc;
    FillLevel(doc);
    QStringList log;
    BuildGameLevelRecord(doc, image, 1, log);
    const QString bin = dir.filePath(QStringLiteral("level.bin"));
    SaveLevelBinaryFile(image, bin);
    const QByteArray bytes = ReadTestFile(bin);
    ASSERT_EQ(bytes.size(), 1920);
    EXPECT_EQ(bytes, image.mid(8777, 1920));
    EXPECT_EQ(bytes.left(192), MakeTestXex().mid(8777, 192));
    EXPECT_EQ(bytes.mid(192, 1590), image.mid(8969, 1590));
    EXPECT_EQ(bytes.mid(1782), MakeTestXex().mid(10559, 138));

    QImage picture(4096, 320, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * y) & 0xFF));
    const QString bmp = dir.filePath(QStringLiteral("bild.bmp"));
    saveaspic(picture, bmp);
    const QByteArray file = ReadTestFile(bmp);
    ASSERT_EQ(file.size(), 54 + 4096 * 320 * 4);
    EXPECT_EQ(file.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<unsigned char>(file[28]), 32);
    QImage back;
    ASSERT_TRUE(back.load(bmp));
    EXPECT_EQ(back.size(), picture.size());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);
}
