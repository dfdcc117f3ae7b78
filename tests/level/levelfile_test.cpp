// The level file: its layout, the round trip, the time rule and short, long and damaged files.
#include "common/errors.h"
#include "support/filesizelimit.h"
#include "common/textfile.h"
#include "level/leveldocument.h"
#include "level/levelfile.h"
#include "palette/ataripalette.h"
#include "palette/colortext.h"
#include "support/testutil.h"

#include <gtest/gtest.h>
#include <QUndoStack>

namespace {

// A level with something in every part of the file.
void FillLevel(LevelDocument& doc)
{
    doc.InitEmptyLevel(1);
    for (int c = 0; c < 5; ++c)
        for (int line = 1; line <= 10; ++line) {
            const AtariColor v = static_cast<AtariColor>(16 * line + 3 * c);
            doc.setColorEntry(c, line, {ColorCodeOf(v), PaletteColor(v), kBlack});
        }
    doc.writeCell(40, 3, 44);
    doc.writeCell(41, 9, 127);
    doc.setCode(101, 7, QStringLiteral("300")); // kept as it is
    doc.setTimeDigit(0, 1);
    doc.setTimeDigit(3, 7);
    doc.setTableCell(LevelTable::Monsters, 1, 5, QStringLiteral("5"));
    doc.setTableCell(LevelTable::Monsters, 7, 10, QStringLiteral("R"));
    doc.setTableCell(LevelTable::Switches, 5, 8, QStringLiteral("12"));
    doc.setAuthor(QStringLiteral("Ölbär ABCDEFGHIJKLMNOP"));
    doc.setTitle(QStringLiteral("Der Titel"));
    doc.setTip1(QStringLiteral("Tipp Eins"));
    doc.setTip2(QStringLiteral("x"));
}

QStringList FileLines(const QString& path)
{
    QString text = QString::fromLatin1(ReadTestFile(path));
    EXPECT_TRUE(text.endsWith(QLatin1String("\r\n")));
    text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

LevelDocument& Loaded(LevelDocument& doc, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    LineReader reader = LineReader::fromBytes(bytes);
    LoadLevelLines(doc, reader);
    return doc;
}

} // namespace

TEST(LevelFile, FreshLevelLayout)
{
    QTemporaryDir dir;
    LevelDocument doc;
    doc.InitEmptyLevel(1);
    doc.setColorEntry(0, 1, {QStringLiteral("00"), PaletteColor(0), kWhite});
    const QString path = dir.filePath(QStringLiteral("a.la8"));
    SaveLevelFile(doc, path);
    const QStringList lines = FileLines(path);
    ASSERT_EQ(lines.size(), kLevelFileLines);
    EXPECT_EQ(lines[0], QStringLiteral("00"));
    EXPECT_EQ(lines[1], QStringLiteral("clBlack"));
    EXPECT_EQ(lines[100], QStringLiteral("0"));
    EXPECT_EQ(lines[101], QStringLiteral("1"));
    EXPECT_EQ(lines.mid(2660, 4), QStringList({"0", "4", "0", "0"}));
    for (int i = 2664; i < 2674; ++i)
        EXPECT_EQ(lines[i], QStringLiteral("0"));
    for (int m = 0; m < 10; ++m)
        EXPECT_EQ(lines[2714 + m], QString::number(m));
    EXPECT_EQ(lines.mid(2784), QStringList({"", "", "", ""}));
}

TEST(LevelFile, PositionsOfEntries)
{
    LevelDocument doc;
    FillLevel(doc);
    const QStringList lines = LevelFileLines(doc);
    // colour (c, n): line 10(n - 1) + 2c + 1; code i of row r: 100 + 256(r - 1) + i + 1;
    // monster m row k: 2664 + 10(k - 1) + m; switch s row k: 2744 + 8(k - 1) + s (all 1-based).
    EXPECT_EQ(lines[10 * 6 + 2 * 3], doc.colorEntry(3, 7).hexText);
    EXPECT_EQ(lines[100 + 256 * 3 + 80], QStringLiteral("88"));
    EXPECT_EQ(lines[100 + 256 * 7 + 101], QStringLiteral("300"));
    EXPECT_EQ(lines[2664 + 5 - 1], QStringLiteral("5"));
    EXPECT_EQ(lines[2664 + 60 + 10 - 1], QStringLiteral("R"));
    EXPECT_EQ(lines[2744 + 32 + 8 - 1], QStringLiteral("12"));
    EXPECT_EQ(lines[2784], QStringLiteral("Ölbär abcdefghij"));
    EXPECT_EQ(lines[2785], QStringLiteral("der titel"));
    EXPECT_EQ(doc.author(), QStringLiteral("Ölbär ABCDEFGHIJKLMNOP")); // the document keeps its texts
}

TEST(LevelFile, RoundTrip)
{
    QTemporaryDir dir;
    LevelDocument doc;
    FillLevel(doc);
    const QString path = dir.filePath(QStringLiteral("b.la8"));
    SaveLevelFile(doc, path);
    LevelDocument back;
    back.initialiseLevel(7); // history before the load
    LoadLevelFile(back, path);
    EXPECT_EQ(back.undoStack().count(), 0);
    EXPECT_EQ(back.gridCodes(), doc.gridCodes());
    EXPECT_EQ(back.tableCells(LevelTable::Monsters), doc.tableCells(LevelTable::Monsters));
    EXPECT_EQ(back.tableCells(LevelTable::Switches), doc.tableCells(LevelTable::Switches));
    for (int c = 0; c < 5; ++c)
        for (int line = 1; line <= 10; ++line) {
            EXPECT_EQ(back.colorEntry(c, line).hexText, doc.colorEntry(c, line).hexText);
            EXPECT_EQ(back.colorEntry(c, line).displayColor, doc.colorEntry(c, line).displayColor);
            EXPECT_EQ(back.colorEntry(c, line).textColor, kWhite); // not stored: left as it was
        }
    EXPECT_EQ(back.timeDigit(0), QStringLiteral("1"));
    EXPECT_EQ(back.timeDigit(3), QStringLiteral("7"));
    EXPECT_EQ(back.author(), QStringLiteral("Ölbär abcdefghij"));
    EXPECT_EQ(back.tip2(), QStringLiteral("x"));
    EXPECT_EQ(ReadTestFile(path), JoinWindows1252Lines(LevelFileLines(back)));
}

TEST(LevelFile, TimeBlockWithANonNumberShiftsTheTables)
{
    LevelDocument doc;
    FillLevel(doc);
    QStringList lines = LevelFileLines(doc);
    lines[2660] = QStringLiteral("1");
    lines[2661] = QStringLiteral("x");
    lines[2662] = QStringLiteral("2");
    lines[2663] = QStringLiteral("3");
    LevelDocument back;
    Loaded(back, lines);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(back.timeDigit(i), QStringLiteral("9"));
    EXPECT_EQ(back.monsterCell(1, 1), QStringLiteral("2"));
    EXPECT_EQ(back.monsterCell(1, 2), QStringLiteral("3"));
    EXPECT_EQ(back.monsterCell(1, 3), lines[2664]);
    EXPECT_EQ(back.monsterCell(1, 7), QStringLiteral("5")); // monster 5's cell, two lines later
    EXPECT_EQ(back.tip2(), lines[2785]);                    // the last two lines are never read
}

TEST(LevelFile, TimeValuesAreLimited)
{
    LevelDocument doc;
    QStringList lines = LevelFileLines(doc);
    lines[2660] = QStringLiteral("12");
    lines[2661] = QStringLiteral("-1");
    lines[2662] = QStringLiteral(" $5");
    Loaded(doc, lines);
    EXPECT_EQ(QStringList({doc.timeDigit(0), doc.timeDigit(1), doc.timeDigit(2), doc.timeDigit(3)}),
              QStringList({"9", "0", "5", "0"}));
}

TEST(LevelFile, ColourLinesInAnyForm)
{
    LevelDocument doc;
    QStringList lines = LevelFileLines(doc);
    lines[1] = QStringLiteral("$00406060");
    lines[3] = QStringLiteral("CLWHITE");
    lines[5] = QStringLiteral("clblack");
    Loaded(doc, lines);
    EXPECT_EQ(doc.colorEntry(0, 1).displayColor, 0x406060u);
    EXPECT_EQ(doc.colorEntry(1, 1).displayColor, kWhite);
    EXPECT_EQ(doc.colorEntry(2, 1).displayColor, kBlack);
}

TEST(LevelFile, BadColourStopsAfterTheEntriesBefore)
{
    LevelDocument doc;
    FillLevel(doc);
    const std::vector<QString> grid = doc.gridCodes();
    QStringList lines = LevelFileLines(doc);
    lines[0] = QStringLiteral("7A");
    lines[1] = QStringLiteral("$00112233");
    lines[2] = QStringLiteral("7B");
    lines[3] = QStringLiteral("Farbe");
    lines[100] = QStringLiteral("99");
    LevelDocument back;
    back.InitEmptyLevel(2);
    const std::vector<QString> before = back.gridCodes();
    try {
        Loaded(back, lines);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'Farbe' ist kein gültiger Integerwert"));
    }
    EXPECT_EQ(back.colorEntry(0, 1).hexText, QStringLiteral("7A"));
    EXPECT_EQ(back.colorEntry(0, 1).displayColor, 0x112233u);
    EXPECT_EQ(back.colorEntry(1, 1).hexText, QStringLiteral("7B"));
    EXPECT_EQ(back.gridCodes(), before);
}

TEST(LevelFile, HundredLineFile)
{
    LevelDocument doc;
    FillLevel(doc);
    const QStringList lines = LevelFileLines(doc).mid(0, 100);
    LevelDocument back;
    back.InitEmptyLevel(1);
    back.setAuthor(QStringLiteral("alt"));
    Loaded(back, lines);
    EXPECT_EQ(back.colorEntry(4, 10), (ColorLineEntry{doc.colorEntry(4, 10).hexText, doc.colorEntry(4, 10).displayColor, kWhite}));
    for (const QString& code : back.gridCodes())
        ASSERT_TRUE(code.isEmpty());
    EXPECT_EQ(back.timeDigit(0), QStringLiteral("9"));
    EXPECT_EQ(back.timeDigit(3), QStringLiteral("9"));
    for (const QString& cell : back.tableCells(LevelTable::Monsters))
        ASSERT_TRUE(cell.isEmpty());
    for (const QString& cell : back.tableCells(LevelTable::Switches))
        ASSERT_TRUE(cell.isEmpty());
    EXPECT_TRUE(back.author().isEmpty());
}

TEST(LevelFile, LongFilesAndLinesAreReadOnlyAsFarAsNeeded)
{
    QTemporaryDir dir;
    LevelDocument doc;
    FillLevel(doc);
    QStringList lines = LevelFileLines(doc);
    lines[2787] = QString(100000, QLatin1Char('t'));
    for (int i = 0; i < 5000; ++i)
        lines << QStringLiteral("extra");
    const QString path = WriteTestFile(dir, QStringLiteral("long.la8"), JoinWindows1252Lines(lines));
    LevelDocument back;
    LoadLevelFile(back, path);
    EXPECT_EQ(back.gridCodes(), doc.gridCodes());
    EXPECT_EQ(back.tip2(), QString(kMaxLineLength, QLatin1Char('t')));
}

TEST(LevelFile, LoneLineFeedsAreAccepted)
{
    QTemporaryDir dir;
    LevelDocument doc;
    FillLevel(doc);
    QByteArray bytes = JoinWindows1252Lines(LevelFileLines(doc));
    bytes.replace("\r\n", "\n");
    LevelDocument back;
    LoadLevelFile(back, WriteTestFile(dir, QStringLiteral("lf.la8"), bytes));
    EXPECT_EQ(back.gridCodes(), doc.gridCodes());
}

TEST(LevelFile, FailuresLeaveFilesAndDocumentAlone)
{
    QTemporaryDir dir;
    LevelDocument doc;
    FillLevel(doc);
    EXPECT_THROW(LoadLevelFile(doc, dir.filePath(QStringLiteral("missing.la8"))), FileOpenError);
    EXPECT_THROW(SaveLevelFile(doc, dir.filePath(QStringLiteral("no/such/folder/x.la8"))), FileCreateError);
    const QString path = WriteTestFile(dir, QStringLiteral("old.la8"), "old");
    {
        FileSizeLimit limit(4096); // the save breaks off half way
        ASSERT_TRUE(limit.active());
        EXPECT_THROW(SaveLevelFile(doc, path), FileCreateError);
    }
    EXPECT_EQ(ReadTestFile(path), QByteArray("old"));
}

TEST(LevelFile, LabelAndProposedNames)
{
    EXPECT_EQ(ProposedLevelFileName(InitialLevelLabel()), QStringLiteral("Kein Level geladen"));
    const QString label = LevelLabelFor(QStringLiteral("/tmp/a/Welt 3.la8"));
    EXPECT_EQ(label, QStringLiteral("Level: Welt 3.la8"));
    EXPECT_EQ(ProposedLevelFileName(label), QStringLiteral("Welt 3.la8"));
}

TEST(LevelFile, FailedLoadsChangeNothing)
{
    QTemporaryDir dir;
    LevelDocument source;
    FillLevel(source);
    const QStringList full = LevelFileLines(source);
    QStringList badColour = full;
    badColour[99] = QStringLiteral("Farbe"); // the last colour line
    const struct {
        const char* file;
        QByteArray bytes;
        const char* message; // after "Datei <name>, "
    } cases[] = {
        {"text.la8", "hello\r\nworld\r\n", "Zeile 2: 'world' ist kein gültiger Integerwert"},
        {"leer.la8", "", "Zeile 1: Die Datei endet hier, eine Level-Datei hat mindestens 2784 Zeilen"},
        {"kurz.la8", JoinWindows1252Lines(full.mid(0, 1500)),
         "Zeile 1501: Die Datei endet hier, eine Level-Datei hat mindestens 2784 Zeilen"},
        {"farbe.la8", JoinWindows1252Lines(badColour), "Zeile 100: 'Farbe' ist kein gültiger Integerwert"},
    };
    for (const auto& c : cases) {
        const QString path = WriteTestFile(dir, QLatin1String(c.file), c.bytes);
        LevelDocument doc;
        doc.InitEmptyLevel(2);
        doc.writeCell(7, 7, 33);
        doc.setTitle(QStringLiteral("mein level"));
        doc.markSaved();
        const QStringList before = LevelFileLines(doc);
        try {
            LoadLevelFile(doc, path);
            FAIL() << c.file << " loaded";
        } catch (const FileContentError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Datei %1, %2").arg(path, QString::fromUtf8(c.message)));
        }
        EXPECT_EQ(LevelFileLines(doc), before) << c.file;
        EXPECT_FALSE(doc.isModified()) << c.file;
    }
    // Without the four texts at its end a file still loads; its texts are empty.
    LevelDocument back;
    LoadLevelFile(back, WriteTestFile(dir, QStringLiteral("ohnetexte.la8"), JoinWindows1252Lines(full.mid(0, 2784))));
    EXPECT_EQ(back.gridCodes(), source.gridCodes());
    EXPECT_TRUE(back.title().isEmpty());
}

TEST(LevelFile, RecoveryPartComesBackUnsavedAndDamageChangesNothing)
{
    LevelDocument doc;
    FillLevel(doc);
    const QByteArray bytes = LevelRecoverySnapshot(doc, QStringLiteral("Level: welt.la8"))();
    LevelDocument back;
    back.InitEmptyLevel(1);
    back.markSaved();
    EXPECT_EQ(RestoreLevelRecovery(back, bytes, QStringLiteral("Kopie")), QStringLiteral("Level: welt.la8"));
    EXPECT_EQ(LevelFileLines(back), LevelFileLines(doc));
    EXPECT_TRUE(back.isModified()) << "matches no file";
    back.markSaved();
    EXPECT_FALSE(back.isModified());

    const QStringList before = LevelFileLines(back);
    for (const QByteArray& damaged : {QByteArray(), bytes.left(bytes.size() / 2), QByteArray("hello\r\nworld\r\n")}) {
        EXPECT_THROW(RestoreLevelRecovery(back, damaged, QStringLiteral("Kopie")), FileContentError);
        EXPECT_EQ(LevelFileLines(back), before);
        EXPECT_FALSE(back.isModified());
    }
}
