// The font and player assembler exports: line layout, bank ranges, the player bit rule and failures.
#include "common/errors.h"
#include "pattern/codeexport.h"
#include "pattern/patterneditor.h"

#include <gtest/gtest.h>

namespace {

const QString kRule = QStringLiteral("//###########################################");

// Writes a pattern given as 16 rows of 8 pixel codes into the store.
void Draw(PatternEditor& editor, int set, int pattern, const QStringList& rows)
{
    for (int y = 0; y < rows.size(); ++y) {
        for (int h = 0; h < 2; ++h) {
            const QString px = rows[y].mid(4 * h, 4);
            const int v = EncodePixels(px[0].digitValue(), px[1].digitValue(), px[2].digitValue(), px[3].digitValue());
            editor.document().setPatternByte(set, pattern, y, h, QString::number(v));
        }
    }
}

QStringList PlayerLines(PatternEditor& editor, int pattern, const QString& name)
{
    QStringList lines;
    PlayerAssemblerCode(editor, pattern, name, [&lines](const QString& line) { lines << line; });
    return lines;
}

TEST(FontAssemblerCode, DefaultRangeHasHeaderAndSixBanks)
{
    PatternEditor editor;
    const QList<int> bytes{0, 60, 255, 255, 60, 0, 0, 0};
    for (int row = 0; row < 8; ++row)
        editor.document().setEntry(3, 17, row, QString::number(bytes[row]));
    editor.document().setEntry(5, 0, 0, QStringLiteral("x7")); // copied unchecked

    const QStringList lines = FontAssemblerCode(editor, 1, 3);

    ASSERT_EQ(lines.size(), 9 + 6 * 135);
    const QStringList header{
        kRule,
        QStringLiteral("//# Font Definition Set Atari 4 Color mode   "),
        QStringLiteral("//# Made with Tavrel                         "),
        kRule,
        QStringLiteral("//  Color0 = $00"),
        QStringLiteral("//  Color1 = $75"),
        QStringLiteral("//  Color2 = $09"),
        QStringLiteral("//  Color3 = $1C"),
        QStringLiteral("//  Color4 = $36"),
    };
    EXPECT_EQ(lines.mid(0, 9), header);
    EXPECT_EQ(lines[1].size(), 45);
    EXPECT_EQ(lines[2].size(), 45);

    const QStringList labels{"UpperFont1:", "LowerFont1:", "UpperFont2:", "LowerFont2:", "UpperFont3:", "LowerFont3:"};
    for (int b = 1; b <= 6; ++b) {
        const int start = 9 + 135 * (b - 1);
        const QStringList block{kRule, QStringLiteral("//  Font Bank %1 ").arg(b), kRule,
                                QStringLiteral(";------------------"), QStringLiteral("   .align $400"),
                                labels[b - 1], QStringLiteral(";-------------------")};
        EXPECT_EQ(lines.mid(start, 7), block) << "bank " << b;
        EXPECT_EQ(lines[start + 7 + 127], QStringLiteral("        .byte 0, 0, 0, 0, 0, 0, 0, 0 // Bank %1 / Zeichen 127").arg(b));
    }
    EXPECT_EQ(lines[9 + 4 * 135 + 7], QStringLiteral("        .byte x7, 0, 0, 0, 0, 0, 0, 0 // Bank 5 / Zeichen 0"));
    EXPECT_EQ(lines[9 + 2 * 135 + 7 + 17], QStringLiteral("        .byte 0, 60, 255, 255, 60, 0, 0, 0 // Bank 3 / Zeichen 17"));
}

TEST(FontAssemblerCode, RangeSelectsBanks)
{
    PatternEditor editor;
    struct Case {
        int from, to;
        int lines;
        QStringList labels;
    };
    const Case cases[] = {
        {2, 2, 9 + 2 * 135, {"UpperFont2:", "LowerFont2:"}},
        {3, 2, 9, {}},
        {8, 8, 9 + 2 * 135, {"UpperFont8:", "LowerFont8:"}},
        {0, 12, 9 + 16 * 135, {}}, // clamped to 1-8 as the spin fields are
    };
    for (const Case& c : cases) {
        const QStringList lines = FontAssemblerCode(editor, c.from, c.to);
        EXPECT_EQ(lines.size(), c.lines) << c.from << " bis " << c.to;
        for (qsizetype i = 0; i < c.labels.size(); ++i)
            EXPECT_EQ(lines[9 + 135 * i + 5], c.labels[i]) << c.from << " bis " << c.to;
    }
    EXPECT_EQ(FontAssemblerCode(editor, 2, 2)[9 + 1], QStringLiteral("//  Font Bank 3 "));
}

TEST(PlayerAssemblerCode, HighBitGoesToFirstPlayerLowBitToSecond)
{
    PatternEditor editor;
    Draw(editor, 1, 5, {"33333333", "22222222", "10000001", "03210123"});
    const QStringList lines = PlayerLines(editor, 5, QStringLiteral("Shape"));
    ASSERT_EQ(lines.size(), 16);
    // 0 3 2 1 | 0 1 2 3: high bits at x = 1, 2, 6, 7; low bits at x = 1, 3, 5, 7.
    EXPECT_EQ(lines[0], QStringLiteral("Player0Shape1:  .byte 255, 255, 0, 99, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0  ; Player 0 Line1"));
    EXPECT_EQ(lines[1], QStringLiteral("Player1Shape1:  .byte 255, 0, 129, 85, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0  ; Player 1 Line1"));
    EXPECT_EQ(lines[15], QStringLiteral("Player1Shape8:  .byte 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0  ; Player 1 Line8"));
    EXPECT_EQ(editor.currentSet(), 8);
    EXPECT_EQ(editor.currentPattern(), 5);
}

TEST(PlayerAssemblerCode, DiamondExample)
{
    PatternEditor editor;
    Draw(editor, 1, 1, {"00022000", "00222200", "02222220", "22222222", "22222222", "02222220", "00222200", "00022000"});
    EXPECT_EQ(PlayerLines(editor, 1, QStringLiteral("Shape"))[0],
              QStringLiteral("Player0Shape1:  .byte 24, 60, 126, 255, 255, 126, 60, 24, 0, 0, 0, 0, 0, 0, 0, 0  ; Player 0 Line1"));
}

TEST(PlayerAssemblerCode, NameIsInsertedUnchanged)
{
    PatternEditor editor;
    const struct {
        QString name;
        QString first, second, last;
    } cases[] = {
        {QStringLiteral("Big Frog "), "Player0Big Frog 1:", "Player1Big Frog 1:", "Player1Big Frog 8:"},
        {QString(), "Player01:", "Player11:", "Player18:"},
    };
    for (const auto& c : cases) {
        const QStringList lines = PlayerLines(editor, 1, c.name);
        EXPECT_TRUE(lines[0].startsWith(c.first + QStringLiteral("  .byte "))) << lines[0].toStdString();
        EXPECT_TRUE(lines[1].startsWith(c.second + QStringLiteral("  .byte "))) << lines[1].toStdString();
        EXPECT_TRUE(lines[15].startsWith(c.last + QStringLiteral("  .byte "))) << lines[15].toStdString();
    }
}

TEST(PlayerAssemblerCode, NonNumericCellStopsAfterEarlierSets)
{
    PatternEditor editor;
    editor.document().setPatternByte(3, 2, 9, 1, QStringLiteral("zwei"));
    QStringList lines;
    try {
        PlayerAssemblerCode(editor, 2, QStringLiteral("Shape"), [&lines](const QString& line) { lines << line; });
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'zwei' ist kein gültiger Integerwert"));
    }
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Player1Shape2:")));
}

TEST(PlayerAssemblerCode, BytesAbove255DecodeAsAllThree)
{
    PatternEditor editor;
    editor.document().setPatternByte(1, 1, 0, 0, QStringLiteral("300"));
    editor.document().setPatternByte(1, 1, 0, 1, QStringLiteral("-5"));
    const QStringList lines = PlayerLines(editor, 1, QStringLiteral("S"));
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Player0S1:  .byte 240, 0,")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Player1S1:  .byte 240, 0,")));
}

// The command line exports from the store without an editor: the same lines and the same errors.
TEST(PlayerAssemblerCode, FromTheStoreAloneAsFromTheEditor)
{
    PatternEditor editor;
    Draw(editor, 1, 7, {"33333333", "22222222", "10000001", "03210123"});
    Draw(editor, 4, 7, {"01230123", "33000000", "22000002"});
    editor.document().setPatternByte(6, 7, 12, 0, QStringLiteral(" $1F"));
    editor.document().setPatternByte(6, 7, 13, 1, QStringLiteral("999"));
    for (const int pattern : {7, 1, 64}) {
        QStringList fromStore;
        PlayerAssemblerCode(editor.store(), pattern, QStringLiteral("Frosch"),
                            [&fromStore](const QString& line) { fromStore << line; });
        EXPECT_EQ(fromStore, PlayerLines(editor, pattern, QStringLiteral("Frosch"))) << pattern;
    }

    // A byte that is no number in set 5, and a later one in the same set: the first one is named.
    editor.document().setPatternByte(5, 7, 2, 1, QStringLiteral("zwei"));
    editor.document().setPatternByte(5, 7, 3, 0, QStringLiteral("drei"));
    const auto run = [](const std::function<void(const std::function<void(const QString&)>&)>& exporter) {
        QStringList lines;
        QString error;
        try {
            exporter([&lines](const QString& line) { lines << line; });
        } catch (const ConversionError& e) {
            error = e.message();
        }
        return std::make_pair(lines, error);
    };
    const auto fromStore = run([&](const auto& sink) { PlayerAssemblerCode(editor.store(), 7, QStringLiteral("S"), sink); });
    const auto fromEditor = run([&](const auto& sink) { PlayerAssemblerCode(editor, 7, QStringLiteral("S"), sink); });
    EXPECT_EQ(fromStore.first.size(), 8);
    EXPECT_EQ(fromStore, fromEditor);
    EXPECT_EQ(fromStore.second, QStringLiteral("'zwei' ist kein gültiger Integerwert"));
}

} // namespace
