// The game level record built into the executable image: level bytes and log, texts, tables, colours, time.
#include "common/errors.h"
#include "level/leveldocument.h"
#include "levelio/disklevelrecord.h"
#include "levelio/gamelevelrecord.h"
#include "levelio/xeximage.h"
#include "pattern/colorregisterset.h"
#include "support/gamefixtures.h"
#include "support/testutil.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr int kRec = XexImage::kRecordOffset;

// The level as the first opening of the editor leaves it.
void FreshLevel(LevelDocument& doc)
{
    doc.InitEmptyLevel(1);
    doc.Farbenstandard(ColorRegisterSet());
}

class GameRecordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshLevel(doc);
        xexFile = WriteTestFile(dir, QStringLiteral("oxil.xex"), MakeTestXex());
        ReadXexImage(image, xexFile);
        original = image.bytes();
    }
    QStringList build(int slot = 1)
    {
        QStringList log;
        BuildGameLevelRecord(doc, image, slot, log);
        return log;
    }
    QByteArray recordBytes(int offset, int size) const { return image.mid(kRec + offset, size); }
    int originalAt(int offset) const { return static_cast<unsigned char>(original[offset]); }

    QTemporaryDir dir;
    QString xexFile;
    LevelDocument doc;
    XexImage image;
    QByteArray original;
};

QByteArray Codes(std::initializer_list<int> codes, int padTo, char pad)
{
    QByteArray bytes;
    for (int c : codes)
        bytes += static_cast<char>(c);
    return bytes.leftJustified(padTo, pad);
}

} // namespace

TEST_F(GameRecordTest, FreshLevelBytesAndLog)
{
    const QStringList log = build();
    QByteArray row(128, '\x02');
    for (int x : {0, 1, 2, 3, 4, 124, 125, 126, 127})
        row[x] = 0;
    row[5] = row[123] = 6;
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(recordBytes(128 * y, 128), row) << "row " << y;
    ASSERT_EQ(log.size(), 1280);
    EXPECT_EQ(log.first(), QStringLiteral("Zeichen  8970 / 1 / 1 / 0"));
    EXPECT_EQ(log[5], QStringLiteral("Zeichen  8975 / 11 / 1 / 6"));
    EXPECT_EQ(log[128 + 6], QStringLiteral("Zeichen  9104 / 13 / 2 / 2"));
    EXPECT_EQ(log.last(), QStringLiteral("Zeichen  10249 / 255 / 10 / 0"));
    // Time 0 4 0 0, the fresh tables: monsters inactive at 0, types 0-9, facing L (44), turning U (53).
    EXPECT_EQ(recordBytes(GameRecord::kTime, 4), Codes({0, 4, 0, 0}, 4, 0));
    EXPECT_EQ(recordBytes(GameRecord::kMonsters + 8 * 9, 8), Codes({0, 0, 1, 1, 0, 9, 44, 53}, 8, 0));
}

TEST_F(GameRecordTest, OnlyTheRecordChangesAndSwitchByteFourIsKept)
{
    doc.setTableCell(LevelTable::Switches, 1, 2, QStringLiteral("40"));
    build();
    for (int i = 0; i < XexImage::kSize; ++i) {
        if (i >= kRec && i < kRec + XexImage::kRecordSize)
            continue;
        ASSERT_EQ(image.at(i), originalAt(i)) << "offset " << i;
    }
    for (int s = 0; s < 8; ++s) {
        const int byte4 = kRec + GameRecord::kSwitches + 6 * s + 4;
        EXPECT_EQ(image.at(byte4), originalAt(byte4)) << "switch " << s + 1;
    }
}

TEST_F(GameRecordTest, CodesAreLoggedAsConvertedAndStoredAsLowByte)
{
    doc.setCode(2 * 7, 2, QStringLiteral("300"));
    doc.setCode(2 * 8, 2, QStringLiteral("-2"));
    const QStringList log = build();
    EXPECT_EQ(image.at(kRec + 2 * 128 + 7), 44);
    EXPECT_EQ(image.at(kRec + 2 * 128 + 8), 254);
    EXPECT_EQ(log[2 * 128 + 7], QStringLiteral("Zeichen  9233 / 15 / 3 / 300"));
    EXPECT_EQ(log[2 * 128 + 8], QStringLiteral("Zeichen  9234 / 17 / 3 / -2"));
}

TEST_F(GameRecordTest, CodeThatIsNoNumberStopsTheBuild)
{
    doc.setCode(2 * 3, 1, QStringLiteral("x1"));
    QStringList log;
    try {
        BuildGameLevelRecord(doc, image, 1, log);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'x1' ist kein gültiger Integerwert"));
    }
    EXPECT_EQ(log.size(), 128 + 3);
    // Nothing after the failing cell was written.
    EXPECT_EQ(image.mid(kRec + 131, XexImage::kRecordSize - 131), original.mid(kRec + 131, XexImage::kRecordSize - 131));
}

TEST_F(GameRecordTest, TitlesAndTips)
{
    doc.setTitle(QStringLiteral("Wald"));
    doc.setTip1(QStringLiteral("Level 2!"));
    doc.setTip2(QStringLiteral("0123456789:@ äz abcdefghijklmnopqrstuvwxyz"));
    build();
    EXPECT_EQ(recordBytes(GameRecord::kTitle, 32), Codes({55, 33, 44, 36}, 32, 32));
    EXPECT_EQ(recordBytes(GameRecord::kTip1, 32), Codes({44, 37, 54, 37, 44, 32, 18, 1}, 32, 32));
    // Digits 16-25, ":" 26, the at sign 32, umlauts as their own code, cut after 32 characters.
    EXPECT_EQ(recordBytes(GameRecord::kTip2, 32),
              Codes({16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 32, 32, 0xE4, 58, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41,
                     42, 43, 44, 45, 46, 47, 48},
                    32, 32));
}

TEST_F(GameRecordTest, LevelLine)
{
    doc.setAuthor(QStringLiteral("  wald\t "));
    build(7);
    EXPECT_EQ(recordBytes(GameRecord::kLevelLine, 32), GameText(QStringLiteral("LEVEL 07: FROM WALD") + QString(13, u' '), 32));
    EXPECT_EQ(recordBytes(GameRecord::kLevelLine, 19),
              Codes({44, 37, 54, 37, 44, 32, 16, 23, 26, 32, 38, 50, 47, 45, 32, 55, 33, 44, 36}, 19, 0));
    build(40);
    EXPECT_EQ(recordBytes(GameRecord::kLevelLine, 15), GameText(QStringLiteral("LEVEL 40: FROM "), 15));
    doc.setAuthor(QStringLiteral("ein sehr langer Autorname"));
    build(12);
    EXPECT_EQ(recordBytes(GameRecord::kLevelLine, 32), GameText(QStringLiteral("LEVEL 12: FROM EIN SEHR LANGER AU"), 32));
}

TEST(GameCodes, DirectionsAndColours)
{
    const std::pair<const char*, int> directions[] = {{"L", 44}, {"R", 50}, {"r", 50}, {"O", 47}, {"u", 53},
                                                      {"x", 44}, {"", 44},  {"R ", 44}};
    for (const auto& [text, code] : directions)
        EXPECT_EQ(DirectionCode(QString::fromLatin1(text)), code) << text;
    const std::pair<int, const char*> letters[] = {{44, "L"}, {50, "R"}, {47, "O"}, {53, "U"}, {0, "L"}, {255, "L"}};
    for (const auto& [code, letter] : letters)
        EXPECT_EQ(DirectionLetter(code), QString::fromLatin1(letter)) << code;

    const std::pair<const char*, int> colours[] = {{"1E", 30}, {"1e", 30}, {"1E ", 30}, {"5", 80},  {"", 0},
                                                   {"FF", 255}, {"G1", 1},  {"x", 0},    {"a0", 160}};
    for (const auto& [text, value] : colours)
        EXPECT_EQ(GameColorValue(QString::fromLatin1(text)), value) << text;
}

TEST_F(GameRecordTest, MonstersSwitchesColoursAndTime)
{
    doc.setTableCell(LevelTable::Monsters, 1, 3, QStringLiteral("3"));
    doc.setTableCell(LevelTable::Monsters, 2, 3, QStringLiteral("50"));
    doc.setTableCell(LevelTable::Monsters, 3, 3, QStringLiteral("5"));
    doc.setTableCell(LevelTable::Monsters, 4, 3, QStringLiteral("2"));
    doc.setTableCell(LevelTable::Monsters, 5, 3, QStringLiteral("4"));
    doc.setTableCell(LevelTable::Monsters, 7, 3, QStringLiteral("r"));
    doc.setTableCell(LevelTable::Monsters, 8, 3, QStringLiteral("x"));
    doc.setTableCell(LevelTable::Switches, 1, 2, QStringLiteral("50"));
    doc.setTableCell(LevelTable::Switches, 2, 2, QStringLiteral("5"));
    doc.setTableCell(LevelTable::Switches, 3, 2, QStringLiteral("100"));
    doc.setTableCell(LevelTable::Switches, 4, 2, QStringLiteral("7"));
    doc.setTableCell(LevelTable::Switches, 5, 2, QStringLiteral("12"));
    doc.setColorEntry(0, 1, {QStringLiteral("1e"), kBlack, kWhite});
    doc.setColorEntry(4, 10, {QStringLiteral("5"), kBlack, kWhite});
    doc.setTimeDigit(0, 9);
    build();
    // posX, posY, speed, wait, active, type, facing, turning.
    EXPECT_EQ(recordBytes(GameRecord::kMonsters + 16, 8), Codes({50, 5, 2, 4, 3, 2, 50, 44}, 8, 0));
    const QByteArray sw = recordBytes(GameRecord::kSwitches + 6, 6);
    EXPECT_EQ(sw.left(4), Codes({50, 5, 100, 7}, 4, 0));
    EXPECT_EQ(static_cast<unsigned char>(sw[5]), 25);
    EXPECT_EQ(image.at(kRec + GameRecord::kColors), 30);
    EXPECT_EQ(image.at(kRec + GameRecord::kColors + 49), 80);
    EXPECT_EQ(image.at(kRec + GameRecord::kColors + 3), 0x36); // standard D of line 1
    EXPECT_EQ(image.at(kRec + GameRecord::kTime), 9);
}

// Any 32-bit number in a table cell or the grid gives the low 8 bits of what the record stores, in
// the executable's record and in a disk slot alike; nothing overflows on the way.
TEST_F(GameRecordTest, ExtremeNumbersGiveTheirLowByte)
{
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    const struct {
        int value;
        int targetByte; // 2t + 1, low 8 bits
    } cases[] = {{12, 25},         {127, 255},        {128, 1},           {-1, 255},      {0, 1},
                 {1073741824, 1},  {kMax, 255},       {kMax - 1, 253},    {kMin, 1},      {kMin + 1, 3},
                 {-1073741825, 255}, {67108864, 1}};
    for (const auto& c : cases) {
        const QString text = QString::number(c.value);
        for (int s = 1; s <= LevelDocument::kSwitches; ++s)
            for (int row = 1; row <= 5; ++row)
                doc.setTableCell(LevelTable::Switches, row, s, text);
        for (int m = 1; m <= LevelDocument::kMonsters; ++m)
            for (int row = 1; row <= 6; ++row)
                doc.setTableCell(LevelTable::Monsters, row, m, text);
        doc.setCode(7, 3, text);
        build();
        const int low = c.value & 0xFF;
        EXPECT_EQ(image.at(kRec + GameRecord::kSwitches + 5), c.targetByte) << c.value;
        EXPECT_EQ(image.at(kRec + GameRecord::kSwitches), low) << c.value;
        EXPECT_EQ(image.at(kRec + GameRecord::kMonsters), low) << c.value;
        QByteArray disk(3200, '\0');
        WriteDiskLevelRecord(doc, 1, disk);
        EXPECT_EQ(static_cast<unsigned char>(disk[DiskRecord::kSwitches + 5]), c.targetByte) << c.value;
        EXPECT_EQ(static_cast<unsigned char>(disk[DiskRecord::kMonsters]), low) << c.value;
    }
}

TEST_F(GameRecordTest, MouseXStopsTheSwitchPositionsThere)
{
    for (int s = 1; s <= 8; ++s) {
        doc.setTableCell(LevelTable::Switches, 1, s, QString::number(10 + s));
        doc.setTableCell(LevelTable::Switches, 5, s, QString::number(s));
    }
    doc.setTableCell(LevelTable::Switches, 1, 3, QStringLiteral("Maus X"));
    doc.setTableCell(LevelTable::Switches, 2, 3, QStringLiteral("Maus Y"));
    build();
    for (int s = 1; s <= 8; ++s) {
        const int entry = kRec + GameRecord::kSwitches + 6 * (s - 1);
        for (int k = 0; k < 4; ++k) {
            const int expected = s < 3 ? (k == 0 ? 10 + s : 0) : originalAt(entry + k);
            EXPECT_EQ(image.at(entry + k), expected) << "switch " << s << " byte " << k;
        }
        EXPECT_EQ(image.at(entry + 5), 2 * s + 1) << "switch " << s;
    }
}

TEST_F(GameRecordTest, PatternThatIsNoNumberStopsThePatternStepOnly)
{
    doc.setTableCell(LevelTable::Switches, 5, 4, QStringLiteral("zwölf"));
    doc.setTableCell(LevelTable::Switches, 1, 8, QStringLiteral("9"));
    build();
    const auto entry = [](int s) { return kRec + GameRecord::kSwitches + 6 * (s - 1); };
    EXPECT_EQ(image.at(entry(3) + 5), 1);
    EXPECT_EQ(image.at(entry(4) + 5), originalAt(entry(4) + 5));
    EXPECT_EQ(image.at(entry(8) + 5), originalAt(entry(8) + 5));
    EXPECT_EQ(image.at(entry(8)), 9);
}

TEST_F(GameRecordTest, MonsterCellThatIsNoNumberKeepsTheTableAndIsNamed)
{
    doc.setTableCell(LevelTable::Monsters, 1, 2, QStringLiteral("2"));
    doc.setTableCell(LevelTable::Monsters, 4, 2, QStringLiteral("schnell"));
    doc.setTableCell(LevelTable::Monsters, 7, 1, QStringLiteral("R"));
    const std::vector<QString> before = doc.tableCells(LevelTable::Monsters);
    const QStringList log = build();
    EXPECT_EQ(doc.tableCells(LevelTable::Monsters), before);
    ASSERT_EQ(log.size(), 1281);
    EXPECT_EQ(log.last(), QStringLiteral("Monster 2, Zeile 4: 'schnell' ist kein gültiger Integerwert. Die "
                                         "Monstertabelle bleibt unverändert; die übrigen Monsterdaten stammen aus der "
                                         "Spieldatei."));
    const auto at = [&](int m, int k) { return kRec + GameRecord::kMonsters + 8 * (m - 1) + k; };
    // Monster 1 and rows 1-3 of monster 2 (bytes 4, 0, 1) are written; the rest, direction codes
    // included, is the executable's.
    EXPECT_EQ(image.at(at(1, 4)), 0);
    EXPECT_EQ(image.at(at(1, 5)), 0);
    EXPECT_EQ(image.at(at(2, 4)), 2);
    EXPECT_EQ(image.at(at(2, 0)), 0);
    EXPECT_EQ(image.at(at(2, 1)), 0);
    for (int k : {2, 3, 5, 6, 7})
        EXPECT_EQ(image.at(at(2, k)), originalAt(at(2, k))) << k;
    EXPECT_EQ(image.at(at(1, 6)), originalAt(at(1, 6)));
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(image.at(at(10, k)), originalAt(at(10, k))) << k;
    // The steps after the monsters still run.
    EXPECT_EQ(recordBytes(GameRecord::kTime, 4), Codes({0, 4, 0, 0}, 4, 0));
}

TEST(XexImageFile, ReadsTheFirstBytesAndRefusesShortOrMissingFiles)
{
    QTemporaryDir dir;
    XexImage image;
    EXPECT_EQ(image.bytes(), QByteArray(XexImage::kSize, '\0'));

    const QByteArray longer = MakeTestXex(40000);
    ReadXexImage(image, WriteTestFile(dir, QStringLiteral("long.xex"), longer));
    EXPECT_EQ(image.bytes(), longer.left(XexImage::kSize));

    const QString shortFile = WriteTestFile(dir, QStringLiteral("short.xex"), MakeTestXex(XexImage::kSize - 1));
    try {
        ReadXexImage(image, shortFile);
        FAIL() << "no error";
    } catch (const StreamReadError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Stream-Lesefehler"));
    }
    EXPECT_EQ(image.bytes(), longer.left(XexImage::kSize));

    const QString missing = dir.filePath(QStringLiteral("oxil.xex"));
    try {
        ReadXexImage(image, missing);
        FAIL() << "no error";
    } catch (const FileOpenError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden. ").arg(missing)));
    }
}

TEST(XexImageFile, BinaryLoadProblems)
{
    const QByteArray good = MakeTestXex();
    EXPECT_EQ(BinaryLoadProblem(good), std::nullopt);

    struct Case {
        const char* what;
        QByteArray bytes;
        const char* problem;
    };
    QByteArray noMark = good;
    noMark[0] = 0;
    QByteArray pastEnd = good;
    pastEnd[38671 + 2] = static_cast<char>(0xE3); // the run-address segment claims 4 bytes
    QByteArray backwards = good;
    backwards[20000 + 3] = 0x50; // second segment ends at $50EA, before its start $6000
    QByteArray headerInRecord = good;
    // The first segment ends at offset 9499: the next header sits inside the level record.
    headerInRecord[4] = static_cast<char>((0x0400 + 9494 - 1) & 0xFF);
    headerInRecord[5] = static_cast<char>((0x0400 + 9494 - 1) >> 8);
    headerInRecord[9500] = 0x00;
    headerInRecord[9501] = 0x30;
    headerInRecord[9502] = static_cast<char>((0x3000 + 20000 - 9504 - 1) & 0xFF);
    headerInRecord[9503] = static_cast<char>((0x3000 + 20000 - 9504 - 1) >> 8);
    const Case cases[] = {
        {"no mark", noMark, "keine Atari-Binärdatei: die Kennung FF FF fehlt am Anfang"},
        {"cut header", good.left(38673), "der Segmentkopf bei Offset 38671 ist unvollständig"},
        {"past the end", pastEnd, "das Segment bei Offset 38671 reicht 2 Bytes über das Dateiende hinaus"},
        {"backwards", backwards, "das Segment bei Offset 20000 endet vor seinem Anfang ($6000 bis $50EA)"},
        {"header in record", headerInRecord,
         "der Level-Datensatz (Offset 8969 bis 10558) liegt bei Offset 9500 nicht in Segmentdaten"},
        {"empty", QByteArray(), "keine Atari-Binärdatei: die Kennung FF FF fehlt am Anfang"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BinaryLoadProblem(c.bytes), QString::fromUtf8(c.problem)) << c.what;
    // A repeated FF FF mark in front of a segment is allowed.
    QByteArray marked = good.left(38671) + QByteArray("\xFF\xFF\xE0\x02\xE1\x02\x00\x20", 8);
    EXPECT_EQ(BinaryLoadProblem(marked), std::nullopt);
}
