// The level editor's keyboard model: the cell cursor and its selection, the clipboard grid text, the
// fill region, and paste, cut, delete and fill as named undo steps.
#include "common/errors.h"
#include "level/fillregion.h"
#include "support/levelsessionfixture.h"
#include "support/testutil.h"

#include <gtest/gtest.h>
#include <QUndoStack>

namespace {

using S = LevelEditSession;

using Fixture = LevelSessionFixture;

} // namespace

TEST(LevelCursor, MovesInsideTheLevelAndSelectsWithShift)
{
    LevelCursor c;
    c.moveBy(-1, -1, false);
    EXPECT_EQ(c.cell(), QPoint(0, 0));
    c.moveTo({200, 50});
    EXPECT_EQ(c.cell(), QPoint(127, 9));
    EXPECT_FALSE(c.selection());
    EXPECT_EQ(c.target(), QRect(127, 9, 1, 1));

    c.moveTo({5, 5});
    c.moveBy(-2, 0, true);
    c.moveBy(0, -3, true);
    ASSERT_TRUE(c.selection());
    EXPECT_EQ(*c.selection(), QRect(QPoint(3, 2), QPoint(5, 5))); // anchor and cursor in any corner
    EXPECT_EQ(c.cell(), QPoint(3, 2));
    c.toRowEnd(true);
    EXPECT_EQ(*c.selection(), QRect(QPoint(5, 2), QPoint(127, 5)));
    c.clearSelection(); // Escape: the cursor stays
    EXPECT_FALSE(c.selection());
    EXPECT_EQ(c.cell(), QPoint(127, 2));
    c.moveBy(0, 1, true);
    c.toRowStart(false); // a move without Shift drops the selection
    EXPECT_FALSE(c.selection());
    EXPECT_EQ(c.cell(), QPoint(0, 3));

    // A drag selects from the pressed cell; a release on the pressed cell selects nothing.
    c.beginDrag({10, 1});
    c.dragTo({12, 40});
    c.endDrag();
    EXPECT_EQ(*c.selection(), QRect(QPoint(10, 1), QPoint(12, 9)));
    c.beginDrag({20, 2});
    c.dragTo({21, 2});
    c.dragTo({20, 2});
    c.endDrag();
    EXPECT_FALSE(c.selection());
    EXPECT_EQ(c.cell(), QPoint(20, 2));
}

TEST(PatternGrid, TextReadsBackAsTheSameGrid)
{
    const PatternGrid grid = {{0, 17, 127}, {3, 64, 5}};
    EXPECT_EQ(PatternGridText(grid), QStringLiteral("0\t17\t127\n3\t64\t5\n"));
    const PatternGridParse back = ParsePatternGrid(PatternGridText(grid));
    EXPECT_TRUE(back.ok()) << back.error.toStdString();
    EXPECT_EQ(back.grid, grid);
}

TEST(PatternGrid, ReadsWhatOtherProgramsAndPeopleWrite)
{
    struct Case {
        const char* text;
        PatternGrid grid;
    };
    const Case cases[] = {
        {"5", {{5}}},
        {"1\t2\r\n3\t4\r\n", {{1, 2}, {3, 4}}},   // a spreadsheet on Windows
        {"1\t2\r3\t4", {{1, 2}, {3, 4}}},          // lone CR
        {" 1  2 \n3 4\n\n  \n", {{1, 2}, {3, 4}}}, // typed with blanks, blank lines at the end
        {"007\t 12 \t127", {{7, 12, 127}}},
    };
    for (const Case& c : cases) {
        const PatternGridParse p = ParsePatternGrid(QString::fromUtf8(c.text));
        EXPECT_TRUE(p.ok()) << c.text << ": " << p.error.toStdString();
        EXPECT_EQ(p.grid, c.grid) << c.text;
    }
}

TEST(PatternGrid, TextThatIsNoGridSaysWhy)
{
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"", "Die Zwischenablage enthält keine Pattern-Nummern."},
        {" \r\n\t\n", "Die Zwischenablage enthält keine Pattern-Nummern."},
        {"1\t \t2", "Zeile 1, Spalte 2 ist leer."},
        {"1\t2\n3", "Zeile 2 hat 1 Werte, Zeile 1 hat 2."},
        {"1\t2\n\n3\t4", "Zeile 2 ist leer."},
        {"1\t\t3", "Zeile 1, Spalte 2 ist leer."},
        {"1\t128", "Zeile 1, Spalte 2: „128“ ist keine Pattern-Nummer (ganze Zahl von 0 bis 127)."},
        {"1 2\n3 -1", "Zeile 2, Spalte 2: „-1“ ist keine Pattern-Nummer (ganze Zahl von 0 bis 127)."},
        {"$10", "Zeile 1, Spalte 1: „$10“ ist keine Pattern-Nummer (ganze Zahl von 0 bis 127)."},
        {"2.5", "Zeile 1, Spalte 1: „2.5“ ist keine Pattern-Nummer (ganze Zahl von 0 bis 127)."},
        {"99999999999999999999999",
         "Zeile 1, Spalte 1: „99999999999999999999…“ ist keine Pattern-Nummer (ganze Zahl von 0 bis 127)."},
        {"Hallo Welt", "Zeile 1, Spalte 1: „Hallo“ ist keine Pattern-Nummer (ganze Zahl von 0 bis 127)."},
        // Control characters are shown, so the log's text holds the whole message.
        {"1\t1\x01\x1b", "Zeile 1, Spalte 2: „1\\x01\\x1B“ ist keine Pattern-Nummer (ganze Zahl von 0 bis 127)."},
    };
    for (const Case& c : cases) {
        const PatternGridParse p = ParsePatternGrid(QString::fromUtf8(c.text));
        EXPECT_EQ(p.error, QString::fromUtf8(c.error)) << c.text;
        EXPECT_TRUE(p.grid.empty()) << c.text;
    }
    // A NUL, which cut the log's accessible text.
    const PatternGridParse nul = ParsePatternGrid(QStringLiteral("7") + QChar(0) + QStringLiteral("8"));
    EXPECT_EQ(nul.error, QStringLiteral("Zeile 1, Spalte 1: „7\\08“ ist keine Pattern-Nummer (ganze Zahl von 0 bis 127)."));
}

TEST(PatternGrid, NumbersAtThe32BitEdgesAndLongTokens)
{
    // Only whole numbers 0-127 of at most ten characters are patterns; no product wraps into that range.
    const struct {
        const char* token;
        int value; // -1: refused
    } cases[] = {
        {"127", 127},
        {"0000000127", 127},            // 10 digits
        {"0000000128", -1},
        {"6666666661", -1},             // 10 digits: 448431434 after a 32-bit overflow
        {"4294967295", -1},
        {"4294967296", -1},             // wraps to 0 in 32 bits
        {"4294967423", -1},             // wraps to 127 in 32 bits
        {"2147483647", -1},
        {"2147483648", -1},
        {"-2147483648", -1},
        {"00000000127", -1},            // 11 digits
        {"21474836470", -1},            // 11 digits
        {"00000000000000000001", -1},   // 20 digits
        {"18446744073709551743", -1},   // 20 digits: wraps to 127 in 64 bits
    };
    for (const auto& c : cases) {
        const QString token = QString::fromLatin1(c.token);
        const PatternGridParse p = ParsePatternGrid(QStringLiteral("1\t") + token);
        if (c.value < 0) {
            EXPECT_EQ(p.error, QStringLiteral("Zeile 1, Spalte 2: „%1“ ist keine Pattern-Nummer (ganze Zahl von 0 bis 127).")
                                   .arg(token))
                << c.token;
            EXPECT_TRUE(p.grid.empty()) << c.token;
        } else {
            EXPECT_TRUE(p.ok()) << c.token << ": " << p.error.toStdString();
            EXPECT_EQ(p.grid, PatternGrid({{1, c.value}})) << c.token;
        }
    }
}

TEST(PatternGrid, ReadsOnlyTheRowsAndColumnsThatLand)
{
    const struct {
        const char* text;
        int rows;
        int columns;
        PatternGrid grid;
        const char* error;
    } cases[] = {
        {"1 2 3\n4 5 6\n7 8 9\n", 2, 2, {{1, 2}, {4, 5}}, ""},
        // What lies beyond the last row or column is not read, nor checked.
        {"1 2 Kiste\n4 5\t\t\nHallo", 2, 2, {{1, 2}, {4, 5}}, ""},
        {"1\t2\n\n3", 2, 3, {{1, 2}}, ""},
        {"1\t2\n\n3", 3, 3, {}, "Zeile 2 ist leer."},
        // A cut line counts as long as what is read of it; a shorter line is still told.
        {"1 2 3\n4", 2, 2, {}, "Zeile 2 hat 1 Werte, Zeile 1 hat 2."},
        {"1\t999", 1, 2, {}, "Zeile 1, Spalte 2: „999“ ist keine Pattern-Nummer (ganze Zahl von 0 bis 127)."},
        {"\n\n5", 2, 128, {}, "Die Zwischenablage enthält keine Pattern-Nummern."},
        {"\n5", 2, 128, {}, "Zeile 1 ist leer."},
    };
    for (const auto& c : cases) {
        const PatternGridParse p = ParsePatternGrid(QString::fromUtf8(c.text), c.rows, c.columns);
        EXPECT_EQ(p.error, QString::fromUtf8(c.error)) << c.text;
        EXPECT_EQ(p.grid, c.grid) << c.text;
    }
}

TEST(PatternGrid, TextFarTooLongForAGridIsRefusedAtOnce)
{
    const QString text(kMaxPatternGridText + 1, QLatin1Char('\n'));
    const PatternGridParse p = ParsePatternGrid(text, 10, 128);
    EXPECT_EQ(p.error, QStringLiteral("Die Zwischenablage ist zu groß: 1048577 Zeichen, höchstens 1048576 sind erlaubt."));
    EXPECT_TRUE(p.grid.empty());
    // Just within the bound, a level's worth of lines is read and the rest passed over.
    QString lines;
    while (lines.size() + 4 <= kMaxPatternGridText)
        lines += QStringLiteral("7 8\n");
    const PatternGridParse q = ParsePatternGrid(lines, 10, 1);
    EXPECT_TRUE(q.ok()) << q.error.toStdString();
    EXPECT_EQ(q.grid, PatternGrid(10, std::vector<int>{7}));
}

TEST(FillRegion, FourConnectedCellsOfTheStartPattern)
{
    LevelDocument doc;
    doc.InitEmptyLevel(1);
    // A ring of pattern 5 around (20, 4); its diagonal corner (22, 6) does not join the ring's inside.
    for (int x = 19; x <= 21; ++x) {
        doc.writeCell(x, 3, 5);
        doc.writeCell(x, 5, 5);
    }
    doc.writeCell(19, 4, 5);
    doc.writeCell(21, 4, 5);
    doc.writeCell(22, 6, 5);
    doc.setCode(2 * 18, 3, QStringLiteral("Stein")); // not a number: belongs to no region
    std::vector<QPoint> ring = FillRegion(doc, {19, 3});
    EXPECT_EQ(ring.size(), 8u);
    EXPECT_EQ(std::count(ring.begin(), ring.end(), QPoint(22, 6)), 0);
    EXPECT_EQ(FillRegion(doc, {20, 4}), std::vector<QPoint>({QPoint(20, 4)}));
    // The floor of pattern 1 reaches every floor cell but the ring's inside; not the stone.
    const std::vector<QPoint> floor = FillRegion(doc, {60, 5});
    EXPECT_EQ(std::count(floor.begin(), floor.end(), QPoint(18, 3)), 0);
    EXPECT_EQ(std::count(floor.begin(), floor.end(), QPoint(18, 4)), 1);
    int floorCells = 0;
    for (int y = 0; y < LevelDocument::kRows; ++y)
        for (int x = 0; x < LevelDocument::kColumns; ++x)
            floorCells += doc.leftCode(x, y) == QStringLiteral("2");
    EXPECT_EQ(int(floor.size()), floorCells - 1);
    EXPECT_THROW(FillRegion(doc, {18, 3}), ConversionError);
}

TEST(LevelEditSession, PasteIsCutOffAtTheLevelsEdgesAndKeepsTheRule)
{
    Fixture f;
    f.session.cursor().moveTo({126, 8});
    f.session.paste(QStringLiteral("7\t8\t9\n10\t11\t12\n13\t14\t15\n"));
    EXPECT_EQ(f.cells(126, 8, 2, 2), PatternGrid({{7, 8}, {10, 11}}));
    EXPECT_EQ(f.doc.undoStack().undoText(), QStringLiteral("Einfügen"));

    // Start points refused in columns 1-8 and 119 on: each refusal is logged once; the rest is pasted.
    f.session.cursor().moveTo({7, 1});
    f.session.paste(QStringLiteral("44\t44\t17\n44\t44\t17\n"));
    EXPECT_EQ(f.cells(7, 1, 3, 2), PatternGrid({{1, 1, 17}, {1, 1, 17}}));
    EXPECT_EQ(f.logged, QStringList({"Oxil darf nicht so weit links starten."}));
    f.doc.undoStack().undo();
    EXPECT_EQ(f.cells(7, 1, 3, 2), PatternGrid({{1, 1, 1}, {1, 1, 1}}));
    f.doc.undoStack().undo();
    EXPECT_EQ(f.cells(126, 8, 2, 2), PatternGrid({{0, 0}, {0, 0}}));

    // No grid: nothing changes, the log says why, and no step is kept.
    f.logged.clear();
    const std::vector<QString> before = f.doc.gridCodes();
    const int steps = f.doc.undoStack().count();
    f.session.paste(QStringLiteral("Kiste\t3"));
    EXPECT_EQ(f.logged, QStringList({"Einfügen nicht möglich: Zeile 1, Spalte 1: „Kiste“ ist keine Pattern-Nummer "
                                     "(ganze Zahl von 0 bis 127)."}));
    // A paste that changes no cell is no step either, and the steps undone can still be redone.
    f.session.cursor().moveTo({50, 5});
    f.session.paste(QStringLiteral("1\t1"));
    EXPECT_EQ(f.doc.gridCodes(), before);
    EXPECT_EQ(f.doc.undoStack().count(), steps);
    EXPECT_TRUE(f.doc.undoStack().canRedo());
}

TEST(LevelEditSession, PasteReadsOnlyWhatLandsAndRefusesAFarTooLongText)
{
    Fixture f;
    // At the last cell, a grid whose second number and second line are no patterns lands its first number.
    f.session.cursor().moveTo({127, 9});
    f.session.paste(QStringLiteral("5\tKiste\nHallo\n"));
    EXPECT_EQ(f.cells(127, 9, 1, 1), PatternGrid({{5}}));
    EXPECT_TRUE(f.logged.isEmpty()) << f.logged.join(QLatin1Char('\n')).toStdString();

    const std::vector<QString> before = f.doc.gridCodes();
    const int steps = f.doc.undoStack().count();
    f.session.cursor().moveTo({0, 0});
    f.session.paste(QString(kMaxPatternGridText + 1, QLatin1Char('3')));
    EXPECT_EQ(f.logged, QStringList({"Einfügen nicht möglich: Die Zwischenablage ist zu groß: 1048577 Zeichen, "
                                     "höchstens 1048576 sind erlaubt."}));
    EXPECT_EQ(f.doc.gridCodes(), before);
    EXPECT_EQ(f.doc.undoStack().count(), steps);
}

TEST(LevelEditSession, CopyCutDeleteAndFillAreNamedSteps)
{
    Fixture f;
    f.session.setCarried(S::Right, 9);
    f.session.cursor().moveTo({30, 2});
    f.session.paste(QStringLiteral("5\t6\n7\t8\n"));
    f.session.cursor().moveBy(1, 1, true);
    EXPECT_EQ(f.session.copyText(), QStringLiteral("5\t6\n7\t8\n"));
    EXPECT_EQ(f.session.cut(), QStringLiteral("5\t6\n7\t8\n"));
    EXPECT_EQ(f.cells(30, 2, 2, 2), PatternGrid({{9, 9}, {9, 9}}));
    EXPECT_EQ(f.doc.undoStack().undoText(), QStringLiteral("Ausschneiden"));
    f.doc.undoStack().undo();
    EXPECT_EQ(f.cells(30, 2, 2, 2), PatternGrid({{5, 6}, {7, 8}}));

    // Without a selection: the cursor's cell.
    f.session.cursor().moveTo({31, 3});
    EXPECT_EQ(f.session.copyText(), QStringLiteral("8\n"));
    f.session.erase();
    EXPECT_EQ(f.cells(30, 2, 2, 2), PatternGrid({{5, 6}, {7, 9}}));
    EXPECT_EQ(f.doc.undoStack().undoText(), QStringLiteral("Löschen"));

    // Fill in the left border (pattern 0, columns 0-4): the wall of pattern 3 stops it, the right
    // border is another region.
    f.session.cursor().moveTo({1, 1});
    f.session.setCarried(S::Left, 12);
    f.session.fill();
    EXPECT_EQ(f.doc.undoStack().undoText(), QStringLiteral("Füllen"));
    EXPECT_EQ(f.cells(3, 0, 4, 1), PatternGrid({{12, 12, 3, 1}}));
    EXPECT_EQ(f.cells(0, 9, 1, 1), PatternGrid({{12}}));
    EXPECT_EQ(f.doc.cellPattern(127, 0), 0);
    f.doc.undoStack().undo();
    EXPECT_EQ(f.cells(3, 0, 4, 1), PatternGrid({{0, 0, 3, 1}}));
    // With a selection F fills the selection whole, across the regions and the wall, and nothing
    // around it.
    PatternGrid expected = f.cells(2, 0, 5, 3);
    for (std::size_t y = 0; y < 2; ++y)
        for (std::size_t x = 1; x < 4; ++x)
            expected[y][x] = 12;
    f.session.cursor().moveTo({3, 0});
    f.session.cursor().moveBy(2, 1, true);
    f.session.fill();
    EXPECT_EQ(f.doc.undoStack().undoText(), QStringLiteral("Füllen"));
    EXPECT_EQ(f.cells(2, 0, 5, 3), expected);
    f.doc.undoStack().undo();
    EXPECT_EQ(f.cells(3, 0, 4, 1), PatternGrid({{0, 0, 3, 1}}));

    // A code that is not a number stops the copy and the cut before anything changes.
    f.doc.setCode(2 * 40, 4, QStringLiteral("Tor"));
    f.session.cursor().moveTo({40, 4});
    EXPECT_THROW(f.session.cut(), ConversionError);
    EXPECT_EQ(f.doc.code(80, 4), QStringLiteral("Tor"));
    EXPECT_TRUE(f.logged.isEmpty());
}
