// The stand-in level disk shipped next to the program: its header and the levels in its 40 slots.
#include "disk/atrimage.h"
#include "disk/levelgamefiles.h"
#include "level/leveldocument.h"
#include "levelio/xeximage.h"
#include "support/testutil.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

int CountCells(const LevelDocument& doc, int pattern)
{
    int n = 0;
    for (int y = 0; y < LevelDocument::kRows; ++y)
        for (int x = 0; x < LevelDocument::kColumns; ++x)
            n += doc.cellPattern(x, y) == pattern;
    return n;
}

} // namespace

TEST(ShippedDisk, HeaderAndFortyLevels)
{
    const QString path = AtrPathIn(QCoreApplication::applicationDirPath());
    const QByteArray bytes = ReadTestFile(path);
    ASSERT_EQ(bytes.size(), 133136);
    EXPECT_EQ(bytes.left(6), QByteArray("\x96\x02\x80\x20\x80\x00", 6));

    AtrImage atr;
    XexImage image;
    for (int slot = 1; slot <= 40; ++slot) {
        LevelDocument doc;
        LoadLevelFromDisk(doc, slot, path, atr, image);
        // Every slot is a level: both codes of each cell a pair, one start point in the allowed
        // columns, a goal flag, the borders in place.
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 128; ++x)
                ASSERT_EQ(doc.rightCode(x, y).toInt(), doc.leftCode(x, y).toInt() + 1) << slot << ": " << x << "," << y;
        EXPECT_EQ(CountCells(doc, 44), 1) << "slot " << slot;
        EXPECT_GE(CountCells(doc, 17), 1) << "slot " << slot;
        for (int y = 0; y < 10; ++y) {
            EXPECT_EQ(doc.cellPattern(0, y), 0);
            EXPECT_EQ(doc.cellPattern(127, y), 0);
            for (int x = 0; x < 9; ++x)
                EXPECT_NE(doc.cellPattern(x, y), 44);
        }
    }
    LevelDocument first;
    LoadLevelFromDisk(first, 1, path, atr, image);
    EXPECT_EQ(first.title().trimmed(), QStringLiteral("IM GARTEN"));
    EXPECT_EQ(first.author().trimmed(), QStringLiteral("TAVREL"));
    EXPECT_EQ(first.monsterCell(1, 1), QStringLiteral("1"));
    EXPECT_EQ(first.switchCell(3, 1), QStringLiteral("90"));
    EXPECT_GE(CountCells(first, 10) + CountCells(first, 11) + CountCells(first, 13) + CountCells(first, 14), 6);
}
