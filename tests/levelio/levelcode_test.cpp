// The level code text: its banner, colour lines and level lines, for a fresh level and for odd texts.
#include "level/leveldocument.h"
#include "levelio/levelcode.h"
#include "pattern/colorregisterset.h"

#include <gtest/gtest.h>

namespace {

// A level as the first opening of the level editor leaves it.
void FreshLevel(LevelDocument& doc)
{
    const ColorRegisterSet registers;
    doc.takeRegisterColors(registers);
    doc.InitEmptyLevel(1);
    doc.Farbenstandard(registers);
}

} // namespace

TEST(LevelCode, FreshLevel)
{
    LevelDocument doc;
    FreshLevel(doc);
    const QStringList lines = LevelAssemblerCode(doc);
    ASSERT_EQ(lines.size(), 29);

    const QString rule = QStringLiteral("//###########################################");
    EXPECT_EQ(rule.size(), 45);
    for (int i : {0, 3, 14, 16})
        EXPECT_EQ(lines[i], rule) << i;
    EXPECT_EQ(lines[1], QStringLiteral("//# Level Definition Set                     "));
    EXPECT_EQ(lines[1].size(), 45);
    EXPECT_EQ(lines[2], QStringLiteral("//# Made with Tavrel                         "));
    EXPECT_EQ(lines[2].size(), 45);
    EXPECT_EQ(lines[15], QStringLiteral("//  Level Daten"));

    // Colour line 1: F0-F2 of the registers, then the standard D and E.
    EXPECT_EQ(lines[4], QStringLiteral("OriginalColorLine1: .byte $00,$75,$09,$36,$9E"));
    EXPECT_EQ(lines[13], QStringLiteral("OriginalColorLine10: .byte $00,$75,$09,$8A,$AE"));

    QStringList row;
    for (int i = 0; i < 5; ++i)
        row << QStringLiteral("0");
    row << QStringLiteral("6");
    for (int i = 0; i < 117; ++i)
        row << QStringLiteral("2");
    row << QStringLiteral("6");
    for (int i = 0; i < 4; ++i)
        row << QStringLiteral("0");
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(lines[16 + n], QStringLiteral("LevelLine%1:           .byte ").arg(n) + row.join(QStringLiteral(", ")));
    EXPECT_TRUE(lines[17].startsWith(QStringLiteral("LevelLine1:   ") + QString(8, QLatin1Char(' '))
                                     + QStringLiteral(".byte 0, 0, 0, 0, 0, 6, 2")));
    EXPECT_EQ(lines[27], QString());
    EXPECT_EQ(lines[28], QString());
}

TEST(LevelCode, TextsAreCopiedAsTheyStand)
{
    LevelDocument doc;
    FreshLevel(doc);
    doc.setCode(10, 2, QString());           // an empty left code: an empty place
    doc.setCode(13, 2, QStringLiteral("x")); // right codes are never exported
    doc.setCode(254, 2, QStringLiteral("300"));
    doc.writeCell(7, 2, 108);
    doc.setColorEntry(1, 3, {QStringLiteral("q"), 0, 0});
    const QStringList lines = LevelAssemblerCode(doc);
    EXPECT_TRUE(lines[19].startsWith(QStringLiteral("LevelLine3:           .byte 0, 0, 0, 0, 0, , 2, 216, 2,")));
    EXPECT_TRUE(lines[19].endsWith(QStringLiteral(", 6, 0, 0, 0, 300")));
    EXPECT_FALSE(lines[19].contains(QLatin1Char('x')));
    EXPECT_EQ(lines[6], QStringLiteral("OriginalColorLine3: .byte $00,$q,$09,$1E,$1E"));
}
