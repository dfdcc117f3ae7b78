// The built stand-in game as a file: its segments, the places the level editor writes, the art in
// its character sets, its default level, and that the same sources give the same bytes.
#include "standinfixture.h"

#include "common/intconv.h"
#include "pattern/patternstore.h"
#include "support/testutil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Whether file offset `offset` lies in some segment's data (not in a header).
bool InSegmentData(const BinaryLoadLayout& layout, int offset)
{
    for (const BinaryLoadSegment& s : layout.segments)
        if (offset >= s.dataOffset && offset < s.dataOffset + s.size())
            return true;
    return false;
}

// Assembles data/game into `out` with the build's own script, from a copy of the sources whose
// files carry the given modification time.
QByteArray AssembleCopy(const QTemporaryDir& dir, const QString& name, const QDateTime& stamp)
{
    const QString source = dir.filePath(name + QStringLiteral("-src"));
    QDir().mkpath(source);
    QDirIterator it(QStringLiteral(TAVREL_GAME_SOURCE), QDir::Files);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = source + QLatin1Char('/') + it.fileName();
        EXPECT_TRUE(QFile::copy(from, to)) << qPrintable(from);
        QFile copy(to);
        EXPECT_TRUE(copy.open(QIODevice::ReadWrite));
        copy.setFileTime(stamp, QFileDevice::FileModificationTime);
    }
    const QString out = dir.filePath(name + QStringLiteral(".xex"));
    QProcess cmake;
    cmake.start(QStringLiteral(TAVREL_CMAKE),
                {QStringLiteral("-DCA65=" TAVREL_CA65), QStringLiteral("-DLD65=" TAVREL_LD65), QStringLiteral("-DSOURCE=") + source,
                 QStringLiteral("-DBANKS=" TAVREL_GAME_BANKS), QStringLiteral("-DWORK=") + dir.filePath(name + QStringLiteral("-obj")),
                 QStringLiteral("-DOUTPUT=") + out, QStringLiteral("-P"), source + QStringLiteral("/assemble.cmake")});
    EXPECT_TRUE(cmake.waitForFinished(60000));
    EXPECT_EQ(cmake.exitCode(), 0) << cmake.readAllStandardError().toStdString();
    return ReadTestFile(out);
}

} // namespace

TEST(StandinFile, SegmentsParseToTheEndAndHoldTheFixedOffsetsInTheirData)
{
    const QByteArray xex = StandinBytes();
    ASSERT_EQ(xex.size(), kXexSize);
    const BinaryLoadLayout layout = ParseBinaryLoad(xex);
    ASSERT_FALSE(layout.problem) << qPrintable(*layout.problem);
    EXPECT_EQ(BinaryLoadProblem(xex), std::nullopt);
    EXPECT_EQ(RunAddress(xex, layout), ReadLabels(LabelFile()).value(QStringLiteral("start"), -1));
    // The run address segment is the last one and holds nothing else.
    EXPECT_EQ(layout.segments.back().first, 0x02E0);
    EXPECT_EQ(layout.segments.back().last, 0x02E1);

    for (int offset = kRecordOffset; offset < kRecordOffset + kRecordSize; ++offset)
        ASSERT_TRUE(InSegmentData(layout, offset)) << "record offset " << offset;
    for (int offset = kBanksOffset; offset < kBanksOffset + kBanksSize; ++offset)
        ASSERT_TRUE(InSegmentData(layout, offset)) << "character set offset " << offset;
    // The disk level place (9-3208) and the 15-sector window (8777-10696) lie in data too.
    for (int offset : {9, 3208, 8777, 10696})
        EXPECT_TRUE(InSegmentData(layout, offset)) << offset;
    // Every segment loads into RAM the program may use: $2000-$8FFF, apart from the run address.
    for (const BinaryLoadSegment& s : layout.segments) {
        if (s.first != 0x02E0) {
            EXPECT_TRUE(s.first >= 0x2000 && s.last <= 0x8FFF) << s.first << "-" << s.last;
        }
    }
}

TEST(StandinFile, CharacterSetsAreTheStartupArtExceptUnderTheRecord)
{
    const QByteArray xex = StandinBytes();
    const PatternStore& store = StartupStore();
    int compared = 0;
    for (int bank = 1; bank <= 6; ++bank)
        for (int c = 0; c < 128; ++c)
            for (int r = 0; r < 8; ++r) {
                const int offset = kBanksOffset + 1024 * (bank - 1) + 8 * c + r;
                if (offset >= kRecordOffset)
                    continue;
                ASSERT_EQ(static_cast<uint8_t>(xex[offset]), StrToInt(store.entry(bank, c, r)))
                    << "bank " << bank << " character " << c << " row " << r;
                ++compared;
            }
    EXPECT_EQ(compared, kRecordOffset - kBanksOffset);
}

TEST(StandinFile, DefaultRecordIsASmallLevelOfTheShippedElements)
{
    const QByteArray record = StandinBytes().mid(kRecordOffset, kRecordSize);
    int starts = 0, goals = 0, inverse = 0;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 128; ++x) {
            const int code = static_cast<uint8_t>(record[y * 128 + x]);
            ASSERT_EQ(code % 2, 0) << "cell " << x << ", " << y << " holds no pattern";
            const int pattern = code / 2;
            starts += pattern % 64 == 44;
            goals += pattern % 64 == 17;
            inverse += pattern >= 64;
            // The frame of a fresh level: parallax border, a wall on each side.
            if (x < 5 || x > 123) {
                EXPECT_EQ(pattern, 0) << x << ", " << y;
            } else if (x == 5 || x == 123) {
                EXPECT_EQ(pattern, 3) << x << ", " << y;
            }
        }
    }
    EXPECT_EQ(starts, 1);
    EXPECT_GE(goals, 1);
    EXPECT_GT(inverse, 0);
    // Texts in the game's codes: blank 32, "!"-"?" 1-31, "A"-"Z" 33-58.
    for (int k = kTitle; k < kTitle + 128; ++k) {
        const int code = static_cast<uint8_t>(record[k]);
        EXPECT_TRUE(code >= 1 && code <= 58) << "text byte " << k;
    }
    // The level line as the level editor builds it for slot 1.
    QByteArray levelLine;
    for (int k = 0; k < 32; ++k) {
        const int code = static_cast<uint8_t>(record[kLevelLine + k]);
        levelLine.append(static_cast<char>(code == 32 ? ' ' : code + 32));
    }
    EXPECT_EQ(levelLine.trimmed(), QByteArray("LEVEL 01: FROM TAVREL"));
}

TEST(StandinFile, SameSourcesGiveTheSameBytesWhateverTheFileTimes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray built = StandinBytes();
    const QByteArray first = AssembleCopy(dir, QStringLiteral("a"), QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
    const QByteArray second = AssembleCopy(dir, QStringLiteral("b"), QDateTime(QDate(2024, 11, 12), QTime(13, 14, 15)));
    ASSERT_EQ(first.size(), kXexSize);
    EXPECT_TRUE(first == second);
    EXPECT_TRUE(first == built);
}
