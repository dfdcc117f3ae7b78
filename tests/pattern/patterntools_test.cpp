// The pattern editor's whole-pattern tools in the model: "Leeren", "Invertieren", "Fläche füllen",
// the framed run on the clipboard as hex text, the duplicate search and the pixel under the mouse.
#include "pattern/patterneditor.h"
#include "pattern/patterntext.h"

#include <gtest/gtest.h>

namespace {

// The pixel codes of the buffer, a row a text, "0123|0003" (| between the two bytes).
QStringList Codes(const PatternEditor& e)
{
    QStringList rows;
    for (int y = 0; y < EditBuffer::kHeight; ++y) {
        QString s;
        for (int x = 0; x < EditBuffer::kWidth; ++x)
            s += (x == 4 ? QStringLiteral("|") : QString()) + e.buffer().grid(x, y);
        rows << s;
    }
    return rows;
}

QStringList DataCells(const PatternEditor& e)
{
    QStringList cells;
    for (int y = 0; y < EditBuffer::kHeight; ++y)
        cells << e.buffer().data(0, y) << e.buffer().data(1, y);
    return cells;
}

// Pattern `pattern` of `set` with byte i = first + i (mod 256) in storage order of its hex line.
void StorePattern(PatternEditor& e, int set, int pattern, int first)
{
    for (int y = 0; y < EditBuffer::kHeight; ++y)
        for (int h = 0; h < 2; ++h)
            e.document().setPatternByte(set, pattern, y, h, QString::number((first + 2 * y + h) % 256));
}

QString Line(int first)
{
    PatternBytes bytes{};
    for (int i = 0; i < 32; ++i)
        bytes[size_t(i)] = static_cast<unsigned char>((first + i) % 256);
    return PatternBytesLine(bytes);
}

QStringList StoredTexts(const PatternEditor& e, int set, int pattern)
{
    QStringList texts;
    for (int y = 0; y < EditBuffer::kHeight; ++y)
        texts << e.store().patternByte(set, pattern, y, 0) << e.store().patternByte(set, pattern, y, 1);
    return texts;
}

struct Logged {
    QStringList lines;
    void attach(PatternEditor& e)
    {
        e.setInfoHandler([this](const QString& line) { lines << line; });
    }
};

} // namespace

TEST(PatternTools, LeerenAndInvertierenWorkOnEveryPixel)
{
    PatternEditor e;
    // Row y holds the bytes 17y and 255 - 13y: every code somewhere.
    for (int y = 0; y < 16; ++y) {
        e.setDataCell(0, y, QString::number(17 * y));
        e.setDataCell(1, y, QString::number(255 - 13 * y));
    }
    e.ReCalcdata();
    const QStringList before = Codes(e);
    e.invertPattern();
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(e.buffer().data(0, y), QString::number(255 - 17 * y)) << y;
        EXPECT_EQ(e.buffer().data(1, y), QString::number(13 * y)) << y;
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(e.buffer().grid(x, y).toInt(), 3 - QString(before[y]).remove(QLatin1Char('|'))[x].digitValue()) << x << "," << y;
        }
    }
    EXPECT_EQ(e.undoText(), QStringLiteral("Invertieren"));
    e.clearPattern();
    EXPECT_EQ(DataCells(e), QStringList(32, QStringLiteral("0")));
    EXPECT_EQ(Codes(e), QStringList(16, QStringLiteral("0000|0000")));
    EXPECT_EQ(e.undoText(), QStringLiteral("Leeren"));
    EXPECT_EQ(e.historySize(), 2);
    // Leeren on an empty pattern changes nothing and records nothing.
    e.clearPattern();
    EXPECT_EQ(e.historySize(), 2);
}

TEST(PatternTools, FlaecheFuellenTakesTheFourConnectedAreaOfTheClickedCode)
{
    // A ring of 1s around rows 2-5 x columns 1-4, a 2 in its middle, a diagonal neighbour of code 0
    // outside at (6, 6) that touches the inside only by a corner.
    const QStringList picture = {
        "0000|0000", "0111|1100", "0100|0100", "0102|0100", "0100|0100", "0111|1100", "0000|0010",
    };
    struct Case {
        const char* name;
        QPoint at;
        const char* paint;
        QStringList expected; // the first 7 rows; the rest stay as they were
    };
    const Case cases[] = {
        {"inside the ring", QPoint(2, 2), "3",
         {"0000|0000", "0111|1100", "0133|3100", "0132|3100", "0133|3100", "0111|1100", "0000|0010"}},
        {"the ring itself", QPoint(1, 1), "2",
         {"0000|0000", "0222|2200", "0200|0200", "0202|0200", "0200|0200", "0222|2200", "0000|0010"}},
        // Outside: the 0s round the ring and all rows below; the island of 0s inside stays.
        {"outside", QPoint(0, 0), "3",
         {"3333|3333", "3111|1133", "3100|0133", "3102|0133", "3100|0133", "3111|1133", "3333|3313"}},
        {"one pixel", QPoint(3, 3), "1",
         {"0000|0000", "0111|1100", "0100|0100", "0101|0100", "0100|0100", "0111|1100", "0000|0010"}},
    };
    for (const Case& c : cases) {
        PatternEditor e;
        for (int y = 0; y < int(picture.size()); ++y)
            for (int x = 0; x < 8; ++x)
                e.setGridCell(x, y, picture[y].mid(x < 4 ? x : x + 1, 1));
        e.Calcdata();
        e.ReCalcdata();
        e.setPaintText(QString::fromLatin1(c.paint));
        e.fillArea(c.at.x(), c.at.y());
        EXPECT_EQ(Codes(e).mid(0, 7), c.expected) << c.name;
        const QString below = c.expected[0] == QStringLiteral("3333|3333") ? QStringLiteral("3333|3333") : QStringLiteral("0000|0000");
        EXPECT_EQ(Codes(e).mid(7), QStringList(9, below)) << c.name;
        EXPECT_EQ(e.undoText(), QStringLiteral("Fläche füllen")) << c.name;
        EXPECT_FALSE(e.ladenEnabled()) << c.name << ": a fill is painting";
        e.undo();
        EXPECT_EQ(Codes(e).mid(0, 7), picture) << c.name;
        EXPECT_TRUE(e.ladenEnabled()) << c.name;
    }
}

TEST(PatternTools, AFillPressPaintsNoStrokeAndNothingWithoutAPaintCode)
{
    PatternEditor e;
    e.setPaintText(QStringLiteral("2"));
    e.surfaceMouseMove(3 * 32 + 4, 5 * 16 + 4, false);
    e.surfaceFillPress();
    EXPECT_EQ(Codes(e), QStringList(16, QStringLiteral("2222|2222")));
    // Dragging on and letting go paints nothing more: the whole press is the one fill.
    e.setPaintText(QStringLiteral("1"));
    e.surfaceMouseMove(7 * 32, 15 * 16, true);
    e.surfaceMouseRelease(7 * 32, 15 * 16);
    EXPECT_EQ(Codes(e), QStringList(16, QStringLiteral("2222|2222")));
    EXPECT_EQ(e.historySize(), 1);
    // The next plain press paints again.
    e.surfaceMousePress();
    EXPECT_EQ(e.buffer().grid(7, 15), QStringLiteral("1"));

    PatternEditor f;
    f.setPaintText(QStringLiteral("x"));
    f.fillArea(0, 0);
    f.setPaintText(QStringLiteral("1"));
    f.fillArea(8, 0);
    f.fillArea(0, 16);
    EXPECT_EQ(Codes(f), QStringList(16, QStringLiteral("0000|0000")));
    EXPECT_EQ(f.historySize(), 0);
}

TEST(PatternTools, ThePixelUnderTheMouse)
{
    PatternEditor e;
    e.setDataCell(1, 15, QStringLiteral("3")); // pixel 7 of row 15: code 3
    e.ReCalcdata();
    EXPECT_EQ(e.pixelText(7 * 32 + 31, 15 * 16 + 15), QStringLiteral("Pixel: Spalte 8, Zeile 16, Code 3"));
    EXPECT_EQ(e.pixelText(0, 0), QStringLiteral("Pixel: Spalte 1, Zeile 1, Code 0"));
    for (const QPoint outside : {QPoint(256, 0), QPoint(0, 256), QPoint(-1, 3), QPoint(3, -1)})
        EXPECT_EQ(e.pixelText(outside.x(), outside.y()), QStringLiteral("Pixel: –"));
}

TEST(PatternTools, HexTextOfPatterns)
{
    PatternBytes bytes{};
    bytes[1] = 0x3C;
    bytes[31] = 0xFF;
    const QString line = PatternBytesLine(bytes);
    EXPECT_EQ(line, QStringLiteral("00 3C") + QStringLiteral(" 00").repeated(29) + QStringLiteral(" FF"));

    struct Case {
        const char* name;
        QString text;
        int room;
        int patterns; // -1: refused
        int notRead;
        const char* error;
    };
    const QString lower = line.toLower();
    const QString packed = QString(line).remove(QLatin1Char(' '));
    const QString spaced = QString(line).replace(QLatin1Char(' '), QStringLiteral(" \t  "));
    const QString single = QStringLiteral("0 3c") + QStringLiteral(" 0").repeated(29) + QStringLiteral(" ff");
    const Case cases[] = {
        {"as copied", line + QLatin1Char('\n'), 64, 1, 0, ""},
        {"lower case", lower, 64, 1, 0, ""},
        {"written together", packed, 64, 1, 0, ""},
        {"any blanks, CR LF, blank lines", QStringLiteral("\r\n") + spaced + QStringLiteral("\r\n\r\n") + line + QStringLiteral("\r\n"), 64, 2, 0, ""},
        {"single digits", single, 64, 1, 0, ""},
        {"more than the room", (line + QLatin1Char('\n')).repeated(5), 3, 3, 2, ""},
        {"empty", QStringLiteral(" \n \n"), 64, -1, 0, "der Text enthält kein Pattern"},
        {"a word", QStringLiteral("Hallo Welt"), 64, -1, 0, "Zeile 1: „Hallo“ ist kein Hex-Byte."},
        {"a byte short", line.left(line.size() - 3), 64, -1, 0, "Zeile 1: 31 Bytes statt 32."},
        {"a byte more", line + QStringLiteral(" 01"), 64, -1, 0, "Zeile 1: mehr als 32 Bytes."},
        {"odd digits", line + QStringLiteral("\n123") + line.mid(2), 64, -1, 0, "Zeile 2: „123“ ist kein Hex-Byte (eine ungerade Zahl von Ziffern)."},
        {"bad second line", line + QStringLiteral("\n\n0x10"), 64, -1, 0, "Zeile 3: „0x10“ ist kein Hex-Byte."},
        {"bad line beyond the room is not read", line + QStringLiteral("\nkaputt"), 1, 1, 1, ""},
        {"far too long", QString(2 << 20, QLatin1Char('0')), 64, -1, 0, "der Text ist zu lang für Patterns"},
    };
    for (const Case& c : cases) {
        const PatternTextParse parse = ParsePatternText(c.text, c.room);
        if (c.patterns < 0) {
            EXPECT_FALSE(parse.ok()) << c.name;
            EXPECT_TRUE(parse.patterns.empty()) << c.name;
            EXPECT_TRUE(parse.error.startsWith(QString::fromUtf8(c.error))) << c.name << ": " << parse.error.toStdString();
        } else {
            EXPECT_TRUE(parse.ok()) << c.name << ": " << parse.error.toStdString();
            ASSERT_EQ(int(parse.patterns.size()), c.patterns) << c.name;
            EXPECT_EQ(parse.notRead, c.notRead) << c.name;
            for (const PatternBytes& read : parse.patterns) {
                EXPECT_EQ(read, bytes) << c.name;
            }
        }
    }
}

TEST(PatternTools, ShiftFramesARunThatCopiesCutsAndPastesAsOneStep)
{
    PatternEditor e;
    Logged log;
    log.attach(e);
    for (int p = 1; p <= 64; ++p)
        StorePattern(e, 2, p, p);
    // A byte the overview shows as 255 and one it shows as 0 copy as they show.
    e.document().setPatternByte(2, 11, 0, 0, QStringLiteral("300"));
    e.document().setPatternByte(2, 11, 0, 1, QStringLiteral("abc"));
    e.setCurrentSet(2);
    e.setCurrentPattern(12);
    e.extendRunTo(10);
    EXPECT_EQ(e.runFirst(), 10);
    EXPECT_EQ(e.runLast(), 12);
    EXPECT_EQ(e.currentPattern(), 10);
    QString eleven = Line(11);
    eleven.replace(0, 5, QStringLiteral("FF 00"));
    const QString copied = e.copyPatterns();
    EXPECT_EQ(copied, Line(10) + QLatin1Char('\n') + eleven + QLatin1Char('\n') + Line(12) + QLatin1Char('\n'));
    EXPECT_EQ(log.lines.last(), QStringLiteral("3 Patterns kopiert (Set 2: 10-12)"));
    EXPECT_EQ(e.runPicture().size(), QSize(3 * 32, 32));
    EXPECT_TRUE(e.runPicture() == e.overview().copy(9 * 32, 32, 96, 32));
    EXPECT_EQ(e.historySize(), 0);

    // Paste into set 5 at 63: two fit, the third is counted.
    e.setCurrentSet(5);
    e.setCurrentPattern(63);
    EXPECT_EQ(e.runFirst(), 63) << "choosing a pattern frames it alone";
    EXPECT_EQ(e.pastePatterns(copied), 2);
    EXPECT_EQ(log.lines.last(), QStringLiteral("2 Patterns eingefügt (Set 5: 63-64); kein Platz mehr im Set für 1 weiteres Pattern"));
    QStringList ten = StoredTexts(e, 2, 10);
    EXPECT_EQ(StoredTexts(e, 5, 63), ten);
    EXPECT_EQ(StoredTexts(e, 5, 64)[0], QStringLiteral("255"));
    EXPECT_EQ(StoredTexts(e, 5, 64)[1], QStringLiteral("0"));
    EXPECT_EQ(e.undoText(), QStringLiteral("Einfügen"));
    EXPECT_EQ(e.historySize(), 1);
    // The current pattern took the paste: the buffer shows it.
    EXPECT_EQ(DataCells(e), ten);

    // Bad text changes nothing and says why.
    const QStringList file63 = StoredTexts(e, 5, 63);
    EXPECT_EQ(e.pastePatterns(QStringLiteral("Kein Pattern")), 0);
    EXPECT_EQ(log.lines.last(), QStringLiteral("Einfügen nicht möglich: Zeile 1: „Kein“ ist kein Hex-Byte. Erwartet wird ein "
                                               "Pattern pro Zeile, 32 Bytes in Hex (wie „00 3C 66 …“). Nichts wurde geändert."));
    EXPECT_EQ(StoredTexts(e, 5, 63), file63);
    EXPECT_EQ(e.historySize(), 1);

    // Cut: copied, then cleared, one step; undone exactly.
    e.setCurrentSet(2);
    e.setCurrentPattern(20);
    e.extendRunTo(21);
    const QStringList twenty = StoredTexts(e, 2, 20);
    const QStringList twentyOne = StoredTexts(e, 2, 21);
    const QStringList twentyTwo = StoredTexts(e, 2, 22);
    EXPECT_EQ(e.cutPatterns(), Line(20) + QLatin1Char('\n') + Line(21) + QLatin1Char('\n'));
    EXPECT_EQ(StoredTexts(e, 2, 20), QStringList(32, QStringLiteral("0")));
    EXPECT_EQ(StoredTexts(e, 2, 21), QStringList(32, QStringLiteral("0")));
    EXPECT_EQ(StoredTexts(e, 2, 22), twentyTwo) << "untouched";
    EXPECT_EQ(e.undoText(), QStringLiteral("Ausschneiden"));
    e.undo();
    EXPECT_EQ(StoredTexts(e, 2, 20), twenty);
    EXPECT_EQ(StoredTexts(e, 2, 21), twentyOne);
}

TEST(PatternTools, PastingKeepsPaintedChangesInTheBuffer)
{
    PatternEditor e;
    e.setPaintText(QStringLiteral("3"));
    e.surfaceMouseMove(0, 0, false);
    e.surfaceMousePress();
    e.surfaceMouseRelease(0, 0);
    ASSERT_FALSE(e.ladenEnabled());
    EXPECT_EQ(e.pastePatterns(Line(1)), 1);
    EXPECT_EQ(e.buffer().data(0, 0), QStringLiteral("192")) << "the painted pixel stays in the buffer";
    EXPECT_EQ(e.store().patternByte(1, 1, 0, 1), QStringLiteral("2"));
}

TEST(PatternTools, DuplicatesAreListedPerSet)
{
    PatternEditor e;
    for (int s = 1; s <= 8; ++s)
        for (int p = 1; p <= 64; ++p)
            StorePattern(e, s, p, 64 * s + p);
    StorePattern(e, 1, 42, 64 + 10);
    StorePattern(e, 1, 77 - 64, 64 + 10);
    StorePattern(e, 1, 30, 64 + 20);
    e.document().setPatternByte(1, 30, 0, 0, QStringLiteral("$54")); // the same byte, written in hex
    StorePattern(e, 3, 5, 100);
    StorePattern(e, 3, 6, 100);
    for (int y = 0; y < 16; ++y)
        for (int h = 0; h < 2; ++h)
            for (const int p : {7, 9})
                e.document().setPatternByte(4, p, y, h, QStringLiteral("0"));
    // Equal bytes in another set are no duplicates.
    StorePattern(e, 6, 1, 64 + 10);
    EXPECT_EQ(e.duplicatePatterns(), (QStringList{QStringLiteral("Set 1: 10 = 13 = 42"), QStringLiteral("Set 1: 20 = 30"),
                                                   QStringLiteral("Set 3: 5 = 6"), QStringLiteral("Set 4: 7 = 9 (leer)")}));
    Logged log;
    log.attach(e);
    e.logDuplicatePatterns();
    EXPECT_EQ(log.lines.size(), 5);
    EXPECT_EQ(log.lines.value(0), QStringLiteral("Doppelte Patterns (gleiche Bytes):"));

    PatternEditor none;
    for (int s = 1; s <= 8; ++s)
        for (int p = 1; p <= 64; ++p)
            StorePattern(none, s, p, p);
    Logged quiet;
    quiet.attach(none);
    none.logDuplicatePatterns();
    EXPECT_EQ(quiet.lines, QStringList{QStringLiteral("Doppelte Patterns: keine")});
}
