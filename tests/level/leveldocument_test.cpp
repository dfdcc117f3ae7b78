// The level document: resets, texts, colour keys, announcements and the undo steps.
#include "common/errors.h"
#include "level/elementdescriptions.h"
#include "level/leveldocument.h"
#include "level/undo_writecells.h"
#include "palette/ataripalette.h"
#include "pattern/colorregisterset.h"

#include <gtest/gtest.h>
#include <QUndoStack>

namespace {

QStringList RowCodes(const LevelDocument& doc, int y)
{
    QStringList codes;
    for (int i = 0; i < LevelDocument::kCodes; ++i)
        codes << doc.code(i, y);
    return codes;
}

// What the edit session pushes for one painted cell of stroke `stroke`.
void Paint(LevelDocument& doc, int stroke, int x, int y, int pattern)
{
    std::vector<LevelCellEdit> edits = CellWriteEdits(doc, {{QPoint(x, y), pattern}});
    if (!edits.empty())
        doc.push(new PaintStrokeCommand(doc, stroke, std::move(edits)));
}

} // namespace

TEST(LevelDocument, InitEmptyLevelRowsAndCodes)
{
    for (int p : {0, 1, 17, 127}) {
        LevelDocument doc;
        doc.InitEmptyLevel(p);
        for (int y = 0; y < LevelDocument::kRows; ++y) {
            for (int x = 0; x < LevelDocument::kColumns; ++x) {
                const int expected = (x <= 4 || x >= 124) ? 0 : (x == 5 || x == 123) ? 3 : p;
                ASSERT_EQ(doc.cellPattern(x, y), expected) << "p " << p << " cell " << x << "," << y;
            }
            QStringList expected;
            for (int k = 0; k < 5; ++k)
                expected << QStringLiteral("0") << QStringLiteral("1");
            expected << QStringLiteral("6") << QStringLiteral("7");
            for (int k = 0; k < 117; ++k)
                expected << QString::number(2 * p) << QString::number(2 * p + 1);
            expected << QStringLiteral("6") << QStringLiteral("7");
            for (int k = 0; k < 4; ++k)
                expected << QStringLiteral("0") << QStringLiteral("1");
            ASSERT_EQ(RowCodes(doc, y), expected) << "p " << p << " row " << y;
        }
    }
}

TEST(LevelDocument, InitEmptyLevelResetsTablesButNotColoursTimeTexts)
{
    LevelDocument doc;
    doc.setTableCell(LevelTable::Monsters, 1, 3, QStringLiteral("3"));
    doc.setTableCell(LevelTable::Switches, 5, 8, QStringLiteral("12"));
    doc.setColorEntry(2, 7, {QStringLiteral("1E"), 0x123456, kBlack});
    doc.setTimeDigit(0, 7);
    doc.setAuthor(QStringLiteral("Ich"));
    doc.InitEmptyLevel(1);
    EXPECT_EQ(doc.monsterCell(1, 3), QStringLiteral("0"));
    EXPECT_EQ(doc.switchCell(5, 8), QStringLiteral("0"));
    EXPECT_EQ(doc.colorEntry(2, 7).hexText, QStringLiteral("1E"));
    EXPECT_EQ(doc.timeDigit(0), QStringLiteral("7"));
    EXPECT_EQ(doc.author(), QStringLiteral("Ich"));
}

TEST(LevelDocument, FreshDocumentHasNoCodesAndDefaultTablesAndTime)
{
    LevelDocument doc;
    EXPECT_TRUE(doc.code(0, 0).isEmpty());
    EXPECT_THROW(doc.cellPattern(0, 0), ConversionError);
    EXPECT_EQ(QStringList({doc.timeDigit(0), doc.timeDigit(1), doc.timeDigit(2), doc.timeDigit(3)}),
              QStringList({"0", "4", "0", "0"}));
    for (int n = 1; n <= 10; ++n) {
        const QStringList column = {doc.monsterCell(1, n), doc.monsterCell(2, n), doc.monsterCell(3, n),
                                    doc.monsterCell(4, n), doc.monsterCell(5, n), doc.monsterCell(6, n),
                                    doc.monsterCell(7, n), doc.monsterCell(8, n)};
        EXPECT_EQ(column, QStringList({"0", "0", "0", "1", "1", QString::number(n - 1), "L", "U"})) << n;
    }
    for (int n = 1; n <= 8; ++n)
        for (int row = 1; row <= 5; ++row)
            EXPECT_EQ(doc.switchCell(row, n), QStringLiteral("0"));
    EXPECT_EQ(LevelDocument::tableHeader(LevelTable::Monsters, 1), QStringLiteral("Mon #01"));
    EXPECT_EQ(LevelDocument::tableHeader(LevelTable::Monsters, 10), QStringLiteral("Mon #10"));
    EXPECT_EQ(LevelDocument::tableHeader(LevelTable::Switches, 8), QStringLiteral("S08"));
    EXPECT_EQ(LevelDocument::tableHint(LevelTable::Monsters, 5),
              QStringLiteral("Warte-Zyklus (1-4 = Wie lange warten bis Bewegung)  z.B  1"));
    EXPECT_EQ(LevelDocument::tableHint(LevelTable::Switches, 1),
              QStringLiteral("X-Position des Schalters (0 - 127, bei 0 = Schalter nicht aktiv)   z.B. 50"));
    // Outside the tables and the grid: empty texts, nothing written.
    doc.setTableCell(LevelTable::Switches, 6, 1, QStringLiteral("x"));
    doc.setTableCell(LevelTable::Monsters, 1, 11, QStringLiteral("x"));
    doc.writeCell(128, 0, 5);
    doc.writeCell(-1, 0, 5);
    EXPECT_TRUE(doc.tableCell(LevelTable::Switches, 6, 1).isEmpty());
    EXPECT_TRUE(doc.code(256, 0).isEmpty());
    EXPECT_TRUE(doc.code(0, 10).isEmpty());
}

TEST(LevelDocument, TimeDigitsAreLimited)
{
    LevelDocument doc;
    doc.setTimeDigit(1, 12);
    doc.setTimeDigit(2, -3);
    EXPECT_EQ(doc.timeDigit(1), QStringLiteral("9"));
    EXPECT_EQ(doc.timeDigit(2), QStringLiteral("0"));
}

TEST(ElementDescriptions, GroupsAndTwins)
{
    EXPECT_EQ(ElementDescription(44), QStringLiteral("Startpunkt für Oxil: NUR EINMAL SETZEN"));
    EXPECT_EQ(ElementDescription(108), ElementDescription(44));
    EXPECT_EQ(ElementDescription(64), QStringLiteral("Zweite Ebene: Parallax Scrolling => TOD"));
    EXPECT_EQ(ElementDescription(70), QStringLiteral("Mauer: versperrt den Weg"));
    EXPECT_EQ(ElementDescription(63), QStringLiteral("Zeitbonus => Addiert 10 Sekunden dazu  "));
    EXPECT_EQ(ElementDescription(23), QStringLiteral("Beweglicher Detonator => Sprtengt 3x3 Pattern frei mit Fernzünder! "));
    EXPECT_EQ(ElementDescription(16), ElementDescription(10));
    EXPECT_NE(ElementDescription(17), ElementDescription(16));
    for (int p = 0; p < 128; ++p)
        EXPECT_FALSE(ElementDescription(p).isEmpty()) << p;
    EXPECT_TRUE(ElementDescription(128).isEmpty());
    EXPECT_TRUE(ElementDescription(-1).isEmpty());
}

TEST(ColorLines, KeysRoundTrip)
{
    EXPECT_EQ(ColorLineKey(0, 1), QStringLiteral("A1"));
    EXPECT_EQ(ColorLineKey(0, 10), QStringLiteral("AA"));
    EXPECT_EQ(ColorLineKey(4, 10), QStringLiteral("EA"));
    for (int c = 0; c < 5; ++c)
        for (int line = 1; line <= 10; ++line)
            EXPECT_EQ(ParseColorLineKey(ColorLineKey(c, line)), std::make_pair(c, line));
    for (const char* bad : {"Grid", "", "F1", "A0", "A", "a1", "AB"})
        EXPECT_FALSE(ParseColorLineKey(QLatin1String(bad)).has_value()) << bad;
}

TEST(ColorLines, TakeOverAndStandard)
{
    ColorRegisterSet registers;
    for (int k = 0; k < 5; ++k) {
        registers[k].caption = QStringLiteral("F%1: %2").arg(k).arg(QStringLiteral("1%1").arg(k));
        registers[k].displayColor = 0x010101u * (k + 1);
        registers[k].textColor = kBlack;
    }
    LevelDocument doc;
    doc.takeRegisterColors(registers);
    for (int line = 1; line <= 10; ++line)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(doc.colorEntry(c, line), (ColorLineEntry{QStringLiteral("1%1").arg(c), 0x010101u * (c + 1), kBlack}));
    doc.Farbenstandard(registers);
    EXPECT_EQ(doc.colorEntry(1, 4), (ColorLineEntry{QStringLiteral("11"), 0x020202u, kWhite}));
    QStringList d, e;
    for (int line = 1; line <= 10; ++line) {
        d << doc.colorEntry(3, line).hexText;
        e << doc.colorEntry(4, line).hexText;
        EXPECT_EQ(doc.colorEntry(4, line).displayColor, PaletteColor(doc.colorEntry(4, line).hexText.toInt(nullptr, 16)));
        EXPECT_EQ(doc.colorEntry(3, line).textColor, kWhite);
    }
    EXPECT_EQ(d, QStringList({"36", "8A", "1E", "B6", "36", "8A", "1E", "B6", "36", "8A"}));
    EXPECT_EQ(e, QStringList({"9E", "4E", "1E", "CE", "2C", "7E", "5E", "6E", "DE", "AE"}));
}

TEST(LevelDocument, AnnouncesWhatChanged)
{
    LevelDocument doc;
    std::vector<LevelChange> seen;
    QObject::connect(&doc, &LevelDocument::changed, [&](const LevelChange& c) { seen.push_back(c); });
    doc.writeCell(3, 4, 9);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].has(LevelChange::Cells));
    EXPECT_EQ(seen[0].cells, QList<QPoint>({QPoint(3, 4)}));
    EXPECT_FALSE(seen[0].fromStep);
    EXPECT_EQ(seen[0].redraw, LevelRedraw::Nothing);
    seen.clear();
    doc.InitEmptyLevel(1); // one announcement for grid and both tables
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].has(LevelChange::Grid));
    EXPECT_TRUE(seen[0].has(LevelChange::Monsters));
    EXPECT_TRUE(seen[0].has(LevelChange::Switches));
    EXPECT_TRUE(seen[0].cells.isEmpty());
    seen.clear();
    doc.setColorEntry(2, 10, {});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].colorLines, QList<int>({10}));
    seen.clear();
    // A step's first run is one announcement of its own, which says what to draw.
    doc.push(new WriteCellsCommand(doc, QStringLiteral("Einfügen"), CellWriteEdits(doc, {{QPoint(1, 1), 5}, {QPoint(2, 1), 5}})));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].fromStep);
    EXPECT_EQ(seen[0].redraw, LevelRedraw::Changed);
    EXPECT_EQ(seen[0].cells, QList<QPoint>({QPoint(1, 1), QPoint(2, 1)}));
}

TEST(LevelUndo, StrokeIsOneStepAndRestoresExactTexts)
{
    LevelDocument doc;
    doc.InitEmptyLevel(1);
    doc.setCode(21, 2, QStringLiteral("99")); // a right code that breaks the pair rule
    const std::vector<QString> before = doc.gridCodes();
    for (int x = 6; x < 26; ++x)
        Paint(doc, 1, x, 2, 17);
    Paint(doc, 1, 10, 2, 18); // the same cell twice in one stroke
    const std::vector<QString> after = doc.gridCodes();
    ASSERT_EQ(doc.undoStack().count(), 1);
    EXPECT_EQ(doc.undoStack().undoText(), QStringLiteral("Malen"));
    std::vector<LevelChange> seen;
    QObject::connect(&doc, &LevelDocument::changed, [&](const LevelChange& c) { seen.push_back(c); });
    doc.undoStack().undo();
    EXPECT_EQ(doc.gridCodes(), before);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].fromStep);
    EXPECT_EQ(seen[0].redraw, LevelRedraw::Changed);
    EXPECT_EQ(seen[0].cells.size(), 20);
    doc.undoStack().redo();
    EXPECT_EQ(doc.gridCodes(), after);
    EXPECT_EQ(doc.cellPattern(10, 2), 18);
}

TEST(LevelUndo, StrokesMergeOnlyWithinThemselves)
{
    LevelDocument doc;
    doc.InitEmptyLevel(1);
    Paint(doc, 1, 50, 5, 1);
    Paint(doc, 1, 200, 5, 1); // outside: ignored
    EXPECT_EQ(doc.undoStack().count(), 0);
    Paint(doc, 2, 50, 5, 2);
    Paint(doc, 3, 51, 5, 2); // the next stroke is a step of its own
    EXPECT_EQ(doc.undoStack().count(), 2);
    Paint(doc, 3, 51, 5, 1); // painted back within the stroke: the step goes
    EXPECT_EQ(doc.undoStack().count(), 1);
    EXPECT_EQ(doc.cellPattern(50, 5), 2);
    doc.undoStack().undo();
    EXPECT_EQ(doc.cellPattern(50, 5), 1);
}

TEST(LevelUndo, InitialiseLevelUndoneGivesBackTheLevel)
{
    LevelDocument doc;
    doc.InitEmptyLevel(1);
    doc.writeCell(40, 3, 44);
    doc.setTableCell(LevelTable::Monsters, 2, 5, QStringLiteral("40"));
    doc.setTableCell(LevelTable::Switches, 1, 2, QStringLiteral("Maus X"));
    const std::vector<QString> grid = doc.gridCodes();
    doc.initialiseLevel(9);
    EXPECT_EQ(doc.cellPattern(40, 3), 9);
    EXPECT_EQ(doc.monsterCell(2, 5), QStringLiteral("0"));
    EXPECT_EQ(doc.undoStack().undoText(), QStringLiteral("Level Initialisieren"));
    doc.undoStack().undo();
    EXPECT_EQ(doc.gridCodes(), grid);
    EXPECT_EQ(doc.monsterCell(2, 5), QStringLiteral("40"));
    EXPECT_EQ(doc.switchCell(1, 2), QStringLiteral("Maus X"));
    doc.undoStack().redo();
    EXPECT_EQ(doc.cellPattern(40, 3), 9);
}

TEST(LevelUndo, TableCellsAndFreshHistory)
{
    LevelDocument doc;
    doc.editTableCell(LevelTable::Monsters, 7, 2, QStringLiteral("R"));
    doc.editTableCell(LevelTable::Monsters, 7, 2, QStringLiteral("R")); // unchanged: no step
    doc.editTableCell(LevelTable::Switches, 9, 2, QStringLiteral("R")); // outside: no step
    EXPECT_EQ(doc.undoStack().count(), 1);
    doc.undoStack().undo();
    EXPECT_EQ(doc.monsterCell(7, 2), QStringLiteral("L"));
    doc.undoStack().redo();
    EXPECT_EQ(doc.monsterCell(7, 2), QStringLiteral("R"));
    doc.clearHistory();
    EXPECT_EQ(doc.undoStack().count(), 0);
}
