// The pattern store's addressing, the byte <-> pixel codes, the edit buffer and the pictures drawn from them.
#include "common/errors.h"
#include "pattern/patterneditor.h"
#include "common/packedcolor_picture.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// Distinct register colours so that every pixel tells which register drew it.
constexpr PackedColor kF[5] = {0x102030, 0x0000FF, 0x00FF00, 0xFF0000, 0x777777};

void SetRegisters(PatternEditor& editor)
{
    for (int k = 0; k < 5; ++k)
        editor.document().setRegisterColor(k, kF[k]);
}

PackedColor At(const QImage& image, int x, int y)
{
    return FromQColor(image.pixelColor(x, y));
}

// A pattern as 16 rows of eight pixel codes, written into the store as byte texts.
using Picture = std::array<const char*, 16>;

void PutPicture(PatternDocument& document, int set, int pattern, const Picture& rows)
{
    for (int y = 0; y < 16; ++y)
        for (int h = 0; h < 2; ++h) {
            const char* p = rows[y] + 4 * h;
            document.setPatternByte(set, pattern, y, h,
                QString::number(EncodePixels(p[0] - '0', p[1] - '0', p[2] - '0', p[3] - '0')));
        }
}

const Picture kPicture = {
    "01233210", "00000000", "11111111", "22222222", "33333333", "01010101", "23232323", "30000003",
    "03000030", "00300300", "00033000", "12300321", "00000000", "32103210", "11112222", "33330000",
};

TEST(PatternStore, PatternViewAddressesBanksCharactersAndSlots)
{
    PatternStore store;
    // Every pattern-view position gets its own text; together they must cover the store exactly once.
    for (int s = 1; s <= 8; ++s)
        for (int p = 1; p <= 64; ++p)
            for (int y = 0; y < 16; ++y)
                for (int h = 0; h < 2; ++h)
                    store.setPatternByte(s, p, y, h, QStringLiteral("%1.%2.%3.%4").arg(s).arg(p).arg(y).arg(h));
    QSet<QString> seen;
    for (int s = 1; s <= 8; ++s)
        for (int p = 1; p <= 64; ++p)
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 8; x += 4) {
                    const QString text = QStringLiteral("%1.%2.%3.%4").arg(s).arg(p).arg(y).arg(x / 4);
                    const int bank = y < 8 ? 2 * s - 1 : 2 * s;
                    const int i = 16 * (p - 1) + 8 * (x / 4) + (y % 8) + 1;
                    ASSERT_EQ(store.entry(bank, 2 * (p - 1) + x / 4, y % 8), text);
                    ASSERT_EQ(store.slot(i, bank), text);
                    seen.insert(text);
                }
    EXPECT_EQ(seen.size(), PatternStore::kSize);

    // The two ends, spelt out.
    EXPECT_EQ(store.entry(1, 0, 0), QStringLiteral("1.1.0.0"));
    EXPECT_EQ(store.entry(1, 1, 7), QStringLiteral("1.1.7.1"));
    EXPECT_EQ(store.entry(2, 0, 0), QStringLiteral("1.1.8.0"));
    EXPECT_EQ(store.entry(2, 1, 7), QStringLiteral("1.1.15.1"));
    EXPECT_EQ(store.slot(1, 1), QStringLiteral("1.1.0.0"));
    EXPECT_EQ(store.entry(15, 126, 0), QStringLiteral("8.64.0.0"));
    EXPECT_EQ(store.entry(16, 127, 7), QStringLiteral("8.64.15.1"));
    EXPECT_EQ(store.slot(1024, 16), QStringLiteral("8.64.15.1"));
    EXPECT_EQ(store.slot(1017, 15), QStringLiteral("8.64.0.1"));

    store.clear();
    for (int i = 1; i <= 1024; ++i)
        for (int j = 1; j <= 16; ++j)
            ASSERT_EQ(store.slot(i, j), QStringLiteral("0"));
}

TEST(PatternStore, KeepsEveryTextAsItStandsAndReadsItsByteAsTheOverviewDoes)
{
    // Numbers' own texts are kept as numbers, the rest as texts: each must come back unchanged.
    const QString texts[] = {QStringLiteral("0"),   QStringLiteral("7"),    QStringLiteral("255"), QStringLiteral("256"),
                             QStringLiteral("007"), QStringLiteral("00"),   QStringLiteral("-1"),  QStringLiteral(" 12"),
                             QStringLiteral("$FF"), QStringLiteral(""),     QString(),             QStringLiteral("abc"),
                             QStringLiteral("1000"), QStringLiteral("١٢"), QStringLiteral("99")};
    PatternStore store;
    int k = 0;
    for (int i = 1; i <= PatternStore::kSlotsI; ++i)
        for (int j = 1; j <= PatternStore::kBanks; ++j)
            store.setSlot(i, j, texts[k++ % std::size(texts)]);
    const PatternStore copy = store;
    // Every entry changed twice more, from text to number and back, so that places are given up and
    // taken again; the copy keeps what it had.
    for (int round = 1; round <= 2; ++round) {
        k = round;
        for (int i = 1; i <= PatternStore::kSlotsI; ++i)
            for (int j = 1; j <= PatternStore::kBanks; ++j)
                store.setSlot(i, j, texts[k++ % std::size(texts)]);
    }
    // Entry n holds texts[(n + start) mod count].
    const auto holds = [&](const PatternStore& s, int start) {
        int n = start;
        for (int i = 1; i <= PatternStore::kSlotsI; ++i)
            for (int j = 1; j <= PatternStore::kBanks; ++j) {
                const QString& expected = texts[n++ % std::size(texts)];
                if (s.slot(i, j) != expected || s.slot(i, j).isNull() != expected.isNull())
                    return false;
            }
        return true;
    };
    EXPECT_TRUE(holds(copy, 0));
    EXPECT_TRUE(holds(store, 2));
    for (int c = 0; c < 16; ++c)
        for (int r = 0; r < 8; ++r)
            ASSERT_EQ(store.byteValue(3, c, r), StoredByteValue(store.entry(3, c, r))) << c << "," << r;
    EXPECT_EQ(StoredByteValue(QStringLiteral("256")), 255);
    EXPECT_EQ(StoredByteValue(QStringLiteral("007")), 7);
    EXPECT_EQ(StoredByteValue(QStringLiteral("$FF")), 255);
    EXPECT_EQ(StoredByteValue(QStringLiteral("-1")), 0);
    EXPECT_EQ(StoredByteValue(QStringLiteral("abc")), 0);
}

TEST(PatternStore, DecodeAndEncode)
{
    struct Case {
        int value;
        std::array<int, 4> pixels;
    };
    const Case cases[] = {
        {228, {3, 2, 1, 0}}, {27, {0, 1, 2, 3}}, {0, {0, 0, 0, 0}}, {85, {1, 1, 1, 1}}, {170, {2, 2, 2, 2}},
        {64, {1, 0, 0, 0}}, {1, {0, 0, 0, 1}}, {254, {3, 3, 3, 2}},
        {255, {3, 3, 3, 3}}, {256, {3, 3, 3, 3}}, {300, {3, 3, 3, 3}}, {100000, {3, 3, 3, 3}},
        {-5, {0, 0, 0, 0}}, {-1, {0, 0, 0, 0}}, {-2147483647 - 1, {0, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeByte(c.value), c.pixels) << c.value;
    for (int v = 0; v < 256; ++v) {
        const auto p = DecodeByte(v);
        ASSERT_EQ(EncodePixels(p[0], p[1], p[2], p[3]), v) << v;
    }
    EXPECT_EQ(EncodePixels(0, 1, 2, 3), 27);
    EXPECT_EQ(EncodePixels(4, 0, 0, 0), 256); // not masked
}

TEST(EditBuffer, CalcdataEncodesEachHalfOnItsOwn)
{
    struct Case {
        std::array<const char*, 8> row;
        const char* left;
        const char* right;
    };
    const Case cases[] = {
        {{"3", "2", "1", "0", "0", "1", "2", "3"}, "228", "27"},
        {{"x", "2", "1", "0", "0", "1", "2", "3"}, "0", "27"},   // a cell that is no number zeroes its half only
        {{"3", "2", "1", "0", "0", "1", "2", ""}, "228", "0"},
        {{"4", "0", "0", "0", "0", "0", "0", "4"}, "256", "4"},  // "4" adds beyond its two bits
        {{" 1", "+1", "$1", "1", "0", "0", "0", "0"}, "85", "0"}, // cells go through the integer conversion
    };
    for (const Case& c : cases) {
        EditBuffer buffer;
        for (int x = 0; x < 8; ++x)
            buffer.setGrid(x, 5, QString::fromLatin1(c.row[x]));
        buffer.setData(0, 0, QStringLiteral("junk")); // every row is recomputed
        buffer.Calcdata();
        EXPECT_EQ(buffer.data(0, 5), QString::fromLatin1(c.left)) << c.row[0];
        EXPECT_EQ(buffer.data(1, 5), QString::fromLatin1(c.right)) << c.row[0];
        EXPECT_EQ(buffer.data(0, 0), QStringLiteral("0"));
    }
}

TEST(EditBuffer, ReCalcdataStopsAtTheFirstTextThatIsNoNumber)
{
    EditBuffer buffer;
    for (int y = 0; y < 16; ++y)
        for (int h = 0; h < 2; ++h)
            buffer.setData(h, y, QStringLiteral("228"));
    buffer.setData(0, 4, QStringLiteral("300"));
    buffer.setData(1, 4, QStringLiteral("-5"));
    buffer.setData(1, 6, QStringLiteral("xyz"));
    buffer.setData(0, 9, QStringLiteral("abc"));
    try {
        buffer.ReCalcdata();
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'xyz' ist kein gültiger Integerwert"));
    }
    const QString before[8] = {"3", "2", "1", "0", "3", "2", "1", "0"};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x) {
            QString expected = y < 6 || (y == 6 && x < 4) ? before[x] : QStringLiteral("0");
            if (y == 4)
                expected = x < 4 ? QStringLiteral("3") : QStringLiteral("0");
            ASSERT_EQ(buffer.grid(x, y), expected) << x << "," << y;
        }
}

TEST(PatternEditor, LadenAndSpeichernCopyTheTextsAsTheyStand)
{
    PatternEditor editor;
    editor.setCurrentSet(3);
    editor.setCurrentPattern(17);
    for (int y = 0; y < 16; ++y)
        for (int h = 0; h < 2; ++h)
            editor.document().setPatternByte(3, 17, y, h, QString::number(10 * y + h));
    editor.document().setPatternByte(3, 17, 2, 1, QStringLiteral("007"));
    editor.document().setPatternByte(3, 17, 3, 0, QStringLiteral(" 300"));
    editor.Laden();
    for (int y = 0; y < 16; ++y)
        for (int h = 0; h < 2; ++h)
            EXPECT_EQ(editor.buffer().data(h, y), editor.store().patternByte(3, 17, y, h)) << y << "," << h;
    EXPECT_EQ(editor.buffer().grid(7, 2), QStringLiteral("3"));
    EXPECT_EQ(editor.buffer().grid(0, 3), QStringLiteral("3"));

    // Stored into another pattern: the same 32 texts, nothing else touched.
    const PatternStore before = editor.store();
    editor.setDataCell(1, 15, QStringLiteral("+12"));
    editor.setCurrentSet(8);
    editor.setCurrentPattern(64);
    editor.setLadenEnabled(false);
    editor.Speichern();
    EXPECT_TRUE(editor.ladenEnabled());
    int changed = 0;
    for (int b = 1; b <= 16; ++b)
        for (int c = 0; c < 128; ++c)
            for (int r = 0; r < 8; ++r)
                changed += editor.store().entry(b, c, r) != before.entry(b, c, r);
    EXPECT_EQ(changed, 32 - 1); // the pattern held "0"; one of the copied bytes is "0" too
    for (int y = 0; y < 16; ++y)
        for (int h = 0; h < 2; ++h)
            EXPECT_EQ(editor.store().patternByte(8, 64, y, h), editor.buffer().data(h, y));
    EXPECT_EQ(editor.store().entry(16, 127, 7), QStringLiteral("+12"));
}

TEST(PatternEditor, LadenOfADamagedEntryCopiesAllThenRaises)
{
    PatternEditor editor;
    editor.document().setPatternByte(1, 1, 0, 1, QStringLiteral("xyz"));
    editor.document().setPatternByte(1, 1, 15, 1, QStringLiteral("228"));
    try {
        editor.Laden();
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'xyz' ist kein gültiger Integerwert"));
    }
    EXPECT_EQ(editor.buffer().data(1, 0), QStringLiteral("xyz"));
    EXPECT_EQ(editor.buffer().data(1, 15), QStringLiteral("228"));
}

TEST(PatternEditor, UpdatePatternDrawsFourByTwoPixelsWithTheRegisterColours)
{
    for (const auto& [set, pattern] : {std::pair{1, 1}, std::pair{3, 10}, std::pair{8, 64}}) {
        PatternEditor editor;
        SetRegisters(editor);
        editor.updateAllPatterns();
        PutPicture(editor.document(), set, pattern, kPicture);
        editor.document().setPatternByte(set, pattern, 1, 0, QStringLiteral("xyz")); // drawn as background
        editor.document().setPatternByte(set, pattern, 1, 1, QStringLiteral("300")); // all 3
        // Player mode with other row colours does not change the overview.
        editor.setMode(QStringLiteral("Player"));
        for (int r = 0; r < 16; ++r)
            for (int c = 0; c < 3; ++c)
                editor.document().setRowColor(c, r, {PackedColor(0x010101 * (16 * r + c + 1)), editor.rowColors().at(c, r).code});
        editor.UpdatePattern(pattern - 1, set - 1);

        const int ox = 32 * (pattern - 1);
        const int oy = 32 * (set - 1);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 8; ++x) {
                int code = kPicture[y][x] - '0';
                if (y == 1)
                    code = x < 4 ? 0 : 3;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 4; ++dx)
                        ASSERT_EQ(At(editor.overview(), ox + 4 * x + dx, oy + 2 * y + dy), kF[code])
                            << "set " << set << " pattern " << pattern << " pixel " << x << "," << y;
            }
        // Neighbours stay as they were (background).
        if (pattern < 64) {
            EXPECT_EQ(At(editor.overview(), ox + 32, oy + 8), kF[0]);
        }
        if (set < 8) {
            EXPECT_EQ(At(editor.overview(), ox + 4, oy + 32), kF[0]);
        }
    }
}

TEST(PatternEditor, ColourRule)
{
    PatternEditor editor;
    SetRegisters(editor);
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 3; ++c)
            editor.document().setRowColor(c, r, {PackedColor(0x010000 * (16 * r + c + 1)), editor.rowColors().at(c, r).code});
    struct Case {
        const char* code;
        int row;
        PackedColor charColor;
        PackedColor playerColor;
    };
    const Case cases[] = {
        {"0", 3, kF[0], kF[0]},
        {"1", 3, kF[1], 0x010000 * (16 * 3 + 1)},
        {"2", 15, kF[2], 0x010000 * (16 * 15 + 2)},
        {"3", 0, kF[3], 0x010000 * 3},
        {"4", 3, kF[0], kF[0]},
        {" 1", 3, kF[0], kF[0]},
        {"01", 3, kF[0], kF[0]},
        {"", 3, kF[0], kF[0]},
        {"x", 3, kF[0], kF[0]},
    };
    for (const Case& c : cases) {
        editor.setMode(QStringLiteral("Char"));
        EXPECT_EQ(editor.pixelColor(QString::fromLatin1(c.code), c.row), c.charColor) << c.code;
        editor.setMode(QStringLiteral("Player"));
        EXPECT_EQ(editor.pixelColor(QString::fromLatin1(c.code), c.row), c.playerColor) << c.code;
        editor.setMode(QStringLiteral("player")); // only the exact text selects the row colours
        EXPECT_EQ(editor.pixelColor(QString::fromLatin1(c.code), c.row), c.charColor) << c.code;
    }
}

// The grid of codes 0-3 in a pattern that shows position: code = (x + y) mod 4.
void FillDiagonal(PatternEditor& editor)
{
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x)
            editor.setGridCell(x, y, QString::number((x + y) % 4));
}

TEST(PatternEditor, DrawDefineDrawsOutlinedCellsAndThePreviewTiles)
{
    PatternEditor editor;
    SetRegisters(editor);
    FillDiagonal(editor);
    editor.DrawDefine();
    const QImage& s = editor.surface();
    const PackedColor black = 0;
    for (int l = 0; l < 16; ++l)
        for (int k = 0; k < 8; ++k) {
            const PackedColor fill = kF[(k + l) % 4];
            const int x = 32 * k, y = 16 * l;
            ASSERT_EQ(At(s, x, y), black) << k << "," << l;
            ASSERT_EQ(At(s, x + 15, y), black) << k << "," << l;
            ASSERT_EQ(At(s, x, y + 7), black) << k << "," << l;
            ASSERT_EQ(At(s, x + 1, y + 1), fill) << k << "," << l;
            ASSERT_EQ(At(s, x + 16, y + 8), fill) << k << "," << l;
            if (k < 7) {
                ASSERT_EQ(At(s, x + 29, y + 7), fill) << k << "," << l;
                ASSERT_EQ(At(s, x + 30, y + 5), black) << k << "," << l;
                ASSERT_EQ(At(s, x + 31, y + 5), PatternEditor::kFrameColor) << k << "," << l;
            }
            if (l < 15) {
                ASSERT_EQ(At(s, x + 8, y + 13), fill) << k << "," << l;
                ASSERT_EQ(At(s, x + 5, y + 14), black) << k << "," << l;
                ASSERT_EQ(At(s, x + 5, y + 15), PatternEditor::kFrameColor) << k << "," << l;
            }
        }

    const QImage& p = editor.preview();
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            for (int l = 0; l < 16; ++l)
                for (int k = 0; k < 8; ++k)
                    for (int d = 0; d < 8; ++d)
                        ASSERT_EQ(At(p, 32 * i + 4 * k + d % 4, 32 * j + 2 * l + d / 4), kF[(k + l) % 4])
                            << "tile " << i << "," << j << " pixel " << k << "," << l;
}

TEST(PatternEditor, DrawDefineOfTheLastColumnAndRowIsOpenTowardsTheFrame)
{
    // Cells of column 7 and row 15 run from 224 to 254; their right and bottom outline lies at 254,
    // outside the 254-pixel surface, so pixel 253 shows the fill colour.
    PatternEditor editor;
    SetRegisters(editor);
    FillDiagonal(editor);
    editor.DrawDefine();
    EXPECT_EQ(At(editor.surface(), 253, 5), kF[(7 + 0) % 4]);
    EXPECT_EQ(At(editor.surface(), 5, 253), kF[(0 + 15) % 4]);
    EXPECT_EQ(At(editor.surface(), 253, 253), kF[(7 + 15) % 4]);
}

TEST(PatternEditor, PlayerModeColoursTheSurfaceByRowsButNotTheOverview)
{
    PatternEditor editor;
    SetRegisters(editor);
    for (int r = 0; r < 16; ++r)
        editor.document().setRowColor(0, r, {PackedColor(0x000100 * (10 * r + 5)), editor.rowColors().at(0, r).code});
    editor.setMode(QStringLiteral("Player"));
    for (int y = 0; y < 16; ++y)
        for (int h = 0; h < 2; ++h)
            editor.document().setPatternByte(1, 1, y, h, QStringLiteral("85")); // code 1 in every pixel
    editor.Laden();
    editor.UpdatePattern(0, 0);
    for (int l = 0; l < 16; ++l) {
        EXPECT_EQ(At(editor.surface(), 32 * 3 + 10, 16 * l + 8), 0x000100u * (10 * l + 5)) << l;
        EXPECT_EQ(At(editor.preview(), 32 * 2 + 4 * 3, 32 * 4 + 2 * l), 0x000100u * (10 * l + 5)) << l;
        EXPECT_EQ(At(editor.overview(), 4 * 3, 2 * l), kF[1]) << l;
    }
}

TEST(PatternEditor, CreateClearsEverythingToBackground)
{
    PatternEditor editor;
    SetRegisters(editor);
    PutPicture(editor.document(), 2, 5, kPicture);
    editor.document().setEntry(16, 127, 7, QStringLiteral("xyz"));
    FillDiagonal(editor);
    editor.setDataCell(1, 15, QStringLiteral("xyz"));
    editor.document().setRowColor(2, 9, {0x123456, QStringLiteral("A4")});
    editor.create();

    for (int b = 1; b <= 16; ++b)
        for (int c = 0; c < 128; ++c)
            for (int r = 0; r < 8; ++r)
                ASSERT_EQ(editor.store().entry(b, c, r), QStringLiteral("0"));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(editor.buffer().grid(x, y), QStringLiteral("0"));
        for (int h = 0; h < 2; ++h)
            EXPECT_EQ(editor.buffer().data(h, y), QStringLiteral("0"));
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(editor.rowColors().at(c, y).displayColor, kF[c + 1]);
    }
    EXPECT_EQ(editor.rowColors().at(2, 9).code, QStringLiteral("A4")); // the codes are left as they are
    for (int y = 0; y < PatternEditor::kOverviewHeight; y += 3)
        for (int x = 0; x < PatternEditor::kOverviewWidth; x += 5)
            ASSERT_EQ(At(editor.overview(), x, y), kF[0]) << x << "," << y;
    EXPECT_EQ(At(editor.surface(), 32 * 4 + 8, 16 * 7 + 8), kF[0]);
}

} // namespace
