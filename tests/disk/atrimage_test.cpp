// The level disk: slots, load and save keeping every other byte, refusal of files that are no level disk.
#include "common/errors.h"
#include "disk/atrimage.h"
#include "disk/levelgamefiles.h"
#include "level/leveldocument.h"
#include "levelio/disklevelrecord.h"
#include "levelio/xeximage.h"
#include "pattern/colorregisterset.h"
#include "support/childprocess.h"
#include "support/gamefixtures.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

void DrawnLevel(LevelDocument& doc)
{
    doc.InitEmptyLevel(1);
    doc.Farbenstandard(ColorRegisterSet());
    doc.writeCell(30, 2, 44);
    doc.writeCell(31, 2, 17);
    doc.setTitle(QStringLiteral("Wald"));
    doc.setAuthor(QStringLiteral("ich"));
    doc.setTableCell(LevelTable::Monsters, 1, 1, QStringLiteral("1"));
    doc.setTableCell(LevelTable::Monsters, 2, 1, QStringLiteral("40"));
    doc.setTableCell(LevelTable::Switches, 5, 1, QStringLiteral("12"));
}

// Every byte outside [from, from + size) equal.
void ExpectEqualOutside(const QByteArray& a, const QByteArray& b, int from, int size)
{
    ASSERT_EQ(a.size(), b.size());
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (i < from || i >= from + size) {
            ASSERT_EQ(a[i], b[i]) << "offset " << i;
        }
    }
}

} // namespace

TEST(AtrImage, SlotOffsets)
{
    EXPECT_EQ(AtrImage::slotOffset(1), 3216);
    EXPECT_EQ(AtrImage::slotOffset(2), 6416);
    EXPECT_EQ(AtrImage::slotOffset(2) / 128 + 1, 51); // 1-based sector, counted in the file after the header
    EXPECT_EQ(AtrImage::slotOffset(40), 128016);
    EXPECT_EQ(AtrImage::slotOffset(40) + 3200 - 1, 131215);
    EXPECT_EQ(AtrImage::slotOffset(0), -1);
    EXPECT_EQ(AtrImage::slotOffset(41), -1);

    AtrImage atr;
    QTemporaryDir dir;
    const QByteArray disk = MakeTestAtr();
    atr.read(WriteTestFile(dir, QStringLiteral("d.atr"), disk));
    EXPECT_EQ(atr.slot(1), disk.mid(3216, 3200));
    EXPECT_EQ(atr.slot(40), disk.mid(128016, 3200));
    EXPECT_TRUE(atr.slot(41).isEmpty());
}

TEST(AtrImage, LoadThenSaveLeavesEveryOtherByte)
{
    for (const int size : {AtrImage::kSize, AtrImage::kSize + 5000}) {
        QTemporaryDir dir;
        QByteArray disk = MakeTestAtr(size);
        // A valid level in slot 7, so the reader and writer meet real values.
        LevelDocument source;
        DrawnLevel(source);
        QByteArray slot = disk.mid(AtrImage::slotOffset(7), 3200);
        WriteDiskLevelRecord(source, 7, slot);
        disk.replace(AtrImage::slotOffset(7), 3200, slot);
        const QString path = WriteTestFile(dir, QStringLiteral("oxildisk.atr"), disk);

        LevelDocument doc;
        AtrImage atr;
        XexImage image;
        LoadLevelFromDisk(doc, 7, path, atr, image);
        EXPECT_EQ(doc.gridCodes(), source.gridCodes());
        SaveLevelToDisk(doc, 7, path, atr);
        const QByteArray after = ReadTestFile(path);
        ASSERT_EQ(after.size(), size) << "size " << size;
        ExpectEqualOutside(after, disk, AtrImage::slotOffset(7), 3200);
        EXPECT_EQ(after, disk) << "size " << size;
    }
}

TEST(AtrImage, PutThenLoadGivesTheLevelBack)
{
    QTemporaryDir dir;
    const QByteArray disk = MakeTestAtr();
    const QString path = WriteTestFile(dir, QStringLiteral("oxildisk.atr"), disk);
    LevelDocument doc;
    DrawnLevel(doc);
    AtrImage atr;
    SaveLevelToDisk(doc, 40, path, atr);
    const QByteArray after = ReadTestFile(path);
    ExpectEqualOutside(after, disk, AtrImage::slotOffset(40), 3200);
    EXPECT_NE(after, disk);

    LevelDocument back;
    XexImage image;
    LoadLevelFromDisk(back, 40, path, atr, image);
    EXPECT_EQ(back.gridCodes(), doc.gridCodes());
    EXPECT_EQ(back.title(), QStringLiteral("WALD") + QString(27, u' '));
    EXPECT_EQ(back.author(), QStringLiteral("ICH") + QString(13, u' '));
    EXPECT_EQ(back.monsterCell(2, 1), QStringLiteral("40"));
    EXPECT_EQ(back.switchCell(5, 1), QStringLiteral("12"));
    EXPECT_EQ(image.mid(9, 3200), after.mid(AtrImage::slotOffset(40), 3200));
}

TEST(AtrImage, FilesThatAreNoLevelDiskAreRefusedAndNeverWritten)
{
    QByteArray badSignature = MakeTestAtr();
    badSignature[0] = 0x00;
    QByteArray bigSectors = MakeTestAtr();
    bigSectors[4] = 0x00;
    bigSectors[5] = 0x01;
    struct Case {
        const char* what;
        QByteArray bytes;
        QString message; // %1 the path
    };
    const Case cases[] = {
        {"signature", badSignature,
         QStringLiteral("Datei %1 ist keine ATR-Diskette: die Kennung 96 02 fehlt am Anfang.")},
        {"text file", QByteArray("hello\r\n"),
         QStringLiteral("Datei %1 ist keine ATR-Diskette: die Kennung 96 02 fehlt am Anfang.")},
        {"empty", QByteArray(), QStringLiteral("Datei %1 ist keine ATR-Diskette: die Kennung 96 02 fehlt am Anfang.")},
        {"sectors", bigSectors,
         QStringLiteral("Datei %1 ist keine Level-Diskette: sie hat Sektoren zu 256 Bytes statt 128 Bytes.")},
        {"too short", MakeTestAtr(131215),
         QStringLiteral("Datei %1 ist keine Level-Diskette: mit 131215 Bytes ist sie zu kurz für 40 Level "
                        "(mindestens 131216 Bytes).")},
        {"short of the last sectors", MakeTestAtr(131216), QStringLiteral("Stream-Lesefehler")},
    };
    LevelDocument doc;
    DrawnLevel(doc);
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = WriteTestFile(dir, QStringLiteral("x.atr"), c.bytes);
        AtrImage atr;
        const QByteArray imageBefore = atr.bytes();
        try {
            SaveLevelToDisk(doc, 1, path, atr);
            ADD_FAILURE() << c.what << ": saved";
        } catch (const TavrelError& e) {
            EXPECT_EQ(e.message(), c.message.contains(QLatin1String("%1")) ? c.message.arg(path) : c.message) << c.what;
        }
        EXPECT_EQ(ReadTestFile(path), c.bytes) << c.what;
        EXPECT_EQ(atr.bytes(), imageBefore) << c.what;
    }
}

TEST(AtrImage, FailedLoadChangesNothing)
{
    QTemporaryDir dir;
    LevelDocument doc;
    DrawnLevel(doc);
    const std::vector<QString> codes = doc.gridCodes();
    AtrImage atr;
    XexImage image;
    const QString missing = dir.filePath(QStringLiteral("nichts.atr"));
    try {
        LoadLevelFromDisk(doc, 1, missing, atr, image);
        FAIL() << "loaded";
    } catch (const FileOpenError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden. ").arg(missing)));
    }
    EXPECT_THROW(LoadLevelFromDisk(doc, 1, WriteTestFile(dir, QStringLiteral("s.atr"), MakeTestAtr(132000)), atr, image),
                 StreamReadError);
    EXPECT_EQ(doc.gridCodes(), codes);
    EXPECT_EQ(doc.title(), QStringLiteral("Wald"));
    EXPECT_EQ(image.bytes(), QByteArray(XexImage::kSize, '\0'));
}

TEST(AtrImage, LevelThatCannotBePutLeavesTheDiskAlone)
{
    QTemporaryDir dir;
    const QByteArray disk = MakeTestAtr();
    const QString path = WriteTestFile(dir, QStringLiteral("oxildisk.atr"), disk);
    LevelDocument doc;
    DrawnLevel(doc);
    doc.setCode(9, 9, QStringLiteral("neun"));
    AtrImage atr;
    EXPECT_THROW(SaveLevelToDisk(doc, 3, path, atr), ConversionError);
    EXPECT_EQ(ReadTestFile(path), disk);
}

// Saved by a user without root's rights into a folder that takes no new file: a read-only disk is
// refused and keeps its bytes; a writable one takes the level in place, every other byte kept.
TEST(AtrImage, SaveIntoAFolderThatTakesNoNewFile)
{
    constexpr auto all = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    constexpr auto enter = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    constexpr auto write = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    QTemporaryDir dir;
    // The copy of the old bytes an in-place save makes goes below this folder.
    const QString dataHome = dir.filePath(QStringLiteral("daten"));
    ASSERT_TRUE(QDir().mkpath(dataHome));
    ASSERT_TRUE(QFile::setPermissions(dataHome, all | enter | write));
    const QByteArray disk = MakeTestAtr();
    const QString locked = WriteTestFile(dir, QStringLiteral("gesperrt.atr"), disk);
    const QString open = WriteTestFile(dir, QStringLiteral("offen.atr"), disk);
    ASSERT_TRUE(QFile::setPermissions(locked, all));
    ASSERT_TRUE(QFile::setPermissions(open, all | write));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), all | enter));
    LevelDocument doc;
    DrawnLevel(doc);
    const auto saveInto = [&](const QString& path) {
        return RunUnprivileged(
            [&] {
                AtrImage atr;
                SaveLevelToDisk(doc, 3, path, atr);
            },
            RLIM_INFINITY, dataHome);
    };

    const ChildResult refused = saveInto(locked);
    EXPECT_EQ(refused.end, ChildResult::FileCreateError) << ChildEndName(refused.end);
    EXPECT_EQ(refused.message, QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Keine Berechtigung").arg(locked));
    EXPECT_EQ(ReadTestFile(locked), disk);

    const ChildResult inPlace = saveInto(open);
    EXPECT_EQ(inPlace.end, ChildResult::Returned) << inPlace.message.toStdString();
    const QByteArray after = ReadTestFile(open);
    ExpectEqualOutside(after, disk, AtrImage::slotOffset(3), 3200);
    EXPECT_NE(after.mid(AtrImage::slotOffset(3), 3200), disk.mid(AtrImage::slotOffset(3), 3200));
    QFile::setPermissions(dir.path(), all | enter | QFile::WriteOwner);
}
