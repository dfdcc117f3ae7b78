// The pattern file: writing, loading, partial import, the font label and failures on the way.
#include "common/errors.h"
#include "support/childprocess.h"
#include "support/filesizelimit.h"
#include "common/textfile.h"
#include "palette/colortext.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"
#include "common/packedcolor_picture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadRaw(const QString& fileName)
{
    QFile f(fileName);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << fileName.toStdString();
    return f.readAll();
}

PackedColor RowColorFor(int c, int r)
{
    return PackRgb(16 * r, 40 * c, 255 - 16 * r);
}

// An editor whose every part differs from the defaults and from Other().
PatternEditor Sample()
{
    PatternEditor e;
    const char* captions[5] = {"F0: 00", "F1: 94", "F2: 3A", "F3: C6", "F4: 1F"};
    const PackedColor colors[5] = {kBlack, 0x0C5A7E, 0x4AA0D8, 0x92C25E, 0xFF0000};
    for (int k = 0; k < 5; ++k) {
        e.document().setRegister(k, {QString::fromLatin1(captions[k]), colors[k], k % 2 ? kBlack : kWhite});
    }
    for (int i = 1; i <= 1024; ++i)
        for (int j = 1; j <= 16; ++j)
            e.document().setSlot(i, j, QString::number((i * 7 + j * 13) % 256));
    e.document().setSlot(5, 3, QStringLiteral("300"));
    e.document().setSlot(6, 3, QStringLiteral(" 7"));   // store lines are taken as they stand
    e.document().setSlot(7, 3, QStringLiteral("-5"));
    e.document().setSlot(8, 3, QStringLiteral("Grün"));
    e.document().setPhases(QStringLiteral("1;2;3;2;1;4"));
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 16; ++r)
            e.document().setRowColor(c, r, {RowColorFor(c, r), ColorCodeOf(c * 5 + 1, r)});
    return e;
}

PatternEditor Other()
{
    PatternEditor e;
    for (int b = 1; b <= 16; ++b)
        for (int c = 0; c < 128; ++c)
            for (int r = 0; r < 8; ++r)
                e.document().setEntry(b, c, r, QStringLiteral("170"));
    e.document().setPhases(QStringLiteral("9;9"));
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 16; ++r)
            e.document().setRowColor(c, r, {0x010203, QStringLiteral("00")});
    for (int k = 0; k < 5; ++k) {
        ColorRegister f = e.registers()[k];
        f.textColor = 0x00FF00; // a text colour no file can hold
        e.document().setRegister(k, f);
    }
    return e;
}

void ExpectSameRegisters(const PatternEditor& a, const PatternEditor& b, int count = 5)
{
    for (int k = 0; k < count; ++k) {
        EXPECT_EQ(a.registers()[k].caption, b.registers()[k].caption) << k;
        EXPECT_EQ(a.registers()[k].displayColor, b.registers()[k].displayColor) << k;
    }
}

bool SameStore(const PatternStore& a, const PatternStore& b)
{
    for (int i = 1; i <= 1024; ++i)
        for (int j = 1; j <= 16; ++j)
            if (a.slot(i, j) != b.slot(i, j))
                return false;
    return true;
}

void WriteLinesRaw(const QString& name, const QStringList& lines)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(JoinWindows1252Lines(lines));
}

// Saves the editor into a file of the folder and gives its full name.
QString Saved(const QTemporaryDir& dir, const char* file, PatternEditor& editor)
{
    const QString name = dir.filePath(QLatin1String(file));
    SaveFontFile(editor, name);
    return name;
}

PackedColor At(const QImage& image, int x, int y)
{
    return FromQColor(image.pixelColor(x, y));
}

TEST(FontFile, LayoutOfTheWrittenFile)
{
    QTemporaryDir dir;
    PatternEditor e = Sample();
    const QString name = Saved(dir, "layout.fa8", e);
    EXPECT_EQ(e.fontLabel(), QStringLiteral("Font: layout.fa8"));

    const QByteArray raw = ReadRaw(name);
    EXPECT_EQ(raw.count("\r\n"), kFontFileLines);
    EXPECT_EQ(raw.count('\n'), kFontFileLines); // no lone LF
    EXPECT_TRUE(raw.endsWith("\r\n"));

    LineReader reader(name);
    QStringList lines;
    while (!reader.atEnd())
        lines << reader.next();
    ASSERT_EQ(lines.size(), kFontFileLines);
    EXPECT_EQ(lines.mid(0, 10),
        QStringList({"F0: 00", "clBlack", "F1: 94", "$000C5A7E", "F2: 3A", "$004AA0D8", "F3: C6", "$0092C25E",
            "F4: 1F", "clBlue"}));
    // Store line of slot [i][j] is 11 + 16 (i - 1) + (j - 1), 1-based.
    EXPECT_EQ(lines[10], e.store().slot(1, 1));
    EXPECT_EQ(lines[10 + 16 * 4 + 2], QStringLiteral("300"));
    EXPECT_EQ(lines[10 + 16 * 7 + 2], QStringLiteral("Grün"));
    EXPECT_EQ(lines[16393], e.store().entry(16, 127, 7));
    EXPECT_EQ(lines[16394], QStringLiteral("1;2;3;2;1;4"));
    // Row colour entry (c, r): colour text at 16 396 + 32c + 2r, code one line later.
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 16; ++r) {
            EXPECT_EQ(lines[16395 + 32 * c + 2 * r], FormatColorText(RowColorFor(c, r))) << c << "," << r;
            EXPECT_EQ(lines[16396 + 32 * c + 2 * r], ColorCodeOf(c * 5 + 1, r)) << c << "," << r;
        }
    EXPECT_EQ(FontFileLines(e), lines);
    EXPECT_EQ(ReadRaw(name).mid(0, 17), QByteArray("F0: 00\r\nclBlack\r\n"));
}

TEST(FontFile, SaveThenLoadGivesTheSameState)
{
    QTemporaryDir dir;
    PatternEditor a = Sample();
    const QString name = Saved(dir, "round.fa8", a);

    PatternEditor b = Other();
    LoadFontFile(b, name);
    ExpectSameRegisters(a, b);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(b.registers()[k].textColor, 0x00FF00u) << "text colours are not in the file";
    EXPECT_TRUE(SameStore(a.store(), b.store()));
    EXPECT_EQ(b.document().phases(), a.document().phases());
    EXPECT_EQ(b.rowColors(), a.rowColors());
    EXPECT_EQ(b.fontLabel(), QStringLiteral("Font: round.fa8"));
    // After a load the paint value is "1" with F1's colours, and the overview shows the new store.
    EXPECT_EQ(b.paint().text, QStringLiteral("1"));
    EXPECT_EQ(b.paint().color, a.registers()[1].displayColor);
    EXPECT_EQ(b.paint().textColor, b.registers()[1].textColor);
    const auto px = DecodeByte(a.store().entry(1, 0, 0).toInt());
    EXPECT_EQ(At(b.overview(), 0, 0), a.registers()[px[0]].displayColor);
    EXPECT_EQ(At(b.overview(), 4 * 3, 0), a.registers()[px[3]].displayColor);
}

TEST(FontFile, ShortFilesFallBackToEmptyEntriesAndTheRegisters)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("old.fa8"));
    const QStringList full = FontFileLines(Sample());

    // 16 395 lines: written before the row colour table existed.
    WriteLinesRaw(name, full.mid(0, 16395));
    PatternEditor b = Other();
    LoadFontFile(b, name);
    EXPECT_TRUE(SameStore(Sample().store(), b.store()));
    EXPECT_EQ(b.document().phases(), QStringLiteral("1;2;3;2;1;4"));
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 16; ++r) {
            EXPECT_EQ(b.rowColors().at(c, r).displayColor, b.registers()[c + 1].displayColor) << c << "," << r;
            EXPECT_EQ(b.rowColors().at(c, r).code, b.registers()[c + 1].caption.mid(4, 2)) << c << "," << r;
        }

    // A damaged table entry takes its register's colours and uses up only its colour line.
    QStringList damaged = full;
    damaged[16395] = QStringLiteral("kaputt");          // entry (0, 0)
    damaged.removeLast();                               // the shift leaves one line missing
    WriteLinesRaw(name, damaged);
    PatternEditor c = Other();
    LoadFontFile(c, name);
    EXPECT_EQ(c.rowColors().at(0, 0), (RowColorEntry{c.registers()[1].displayColor, QStringLiteral("94")}));
    // Entry (0, 1) now reads the code line of the old entry (0, 0) as its colour: "10" is a number.
    EXPECT_EQ(c.rowColors().at(0, 1).displayColor, 10u);
    EXPECT_EQ(c.rowColors().at(0, 1).code, FormatColorText(RowColorFor(0, 1)));

    // Ten lines only: cut off inside the store, refused whole (see FailedLoadsChangeNothing).
    WriteLinesRaw(name, full.mid(0, 10));
    PatternEditor d = Other();
    EXPECT_THROW(LoadFontFile(d, name), FileContentError);
    EXPECT_TRUE(SameStore(d.store(), Other().store()));
}

TEST(FontFile, AnEmptyPhaseLineKeepsThePhaseList)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("p.fa8"));
    QStringList lines = FontFileLines(Sample());
    lines[16394] = QString();
    WriteLinesRaw(name, lines);
    PatternEditor b = Other();
    LoadFontFile(b, name);
    EXPECT_EQ(b.document().phases(), QStringLiteral("9;9"));
    EXPECT_EQ(b.rowColors(), Sample().rowColors()); // the lines after it are still read in place
}

// Everything a load may change, to compare byte for byte.
struct EditorState {
    QStringList lines;
    QImage overview;
    QString label;
    QString paint;
    bool operator==(const EditorState&) const = default;
    static EditorState of(const PatternEditor& e)
    {
        return {FontFileLines(e), e.overview().copy(), e.fontLabel(), e.paint().text};
    }
};

TEST(FontFile, FailedLoadsChangeNothing)
{
    QTemporaryDir dir;
    const QStringList full = FontFileLines(Sample());
    QStringList badColour = full;
    badColour[5] = QStringLiteral("xyz"); // colour of F2
    QByteArray binary;
    for (int i = 0; i < 70000; ++i)
        binary += static_cast<char>((i * 7919) % 251);
    const struct {
        const char* file;
        QByteArray bytes;
        const char* message; // after "Datei <name>, "
    } cases[] = {
        {"text.fa8", "hello\r\nworld\r\n", "Zeile 2: 'world' ist kein gültiger Integerwert"},
        {"leer.fa8", "", "Zeile 1: Die Datei endet hier, eine Pattern-Datei hat mindestens 16394 Zeilen"},
        {"kurz.fa8", JoinWindows1252Lines(full.mid(0, 9000)),
         "Zeile 9001: Die Datei endet hier, eine Pattern-Datei hat mindestens 16394 Zeilen"},
        {"farbe.fa8", JoinWindows1252Lines(badColour), "Zeile 6: 'xyz' ist kein gültiger Integerwert"},
        {"binaer.fa8", binary, nullptr},
    };
    for (const auto& c : cases) {
        const QString name = dir.filePath(QLatin1String(c.file));
        {
            QFile f(name);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.bytes);
        }
        for (const bool upper : {false, true}) {
            PatternEditor b = Other();
            b.setFontLabel(QStringLiteral("Font: mein.fa8"));
            b.setPaintText(QStringLiteral("3"));
            b.updateAllPatterns();
            b.history().markSaved();
            const EditorState before = EditorState::of(b);
            try {
                if (upper)
                    ImportUpperSets(b, name);
                else
                    LoadFontFile(b, name);
                FAIL() << c.file << " loaded";
            } catch (const FileContentError& e) {
                if (c.message)
                    EXPECT_EQ(e.message(), QStringLiteral("Datei %1, %2").arg(name, QString::fromUtf8(c.message)));
                else
                    EXPECT_TRUE(e.message().startsWith(QStringLiteral("Datei %1, Zeile ").arg(name)))
                        << e.message().toStdString();
            }
            EXPECT_TRUE(EditorState::of(b) == before) << c.file << (upper ? " (Nur Zeilen 5-8)" : "");
            EXPECT_FALSE(b.documentModified()) << c.file;
            PatternDocument content = Other().document();
            const PatternDocument contentBefore = content;
            EXPECT_THROW(LoadFontFile(content, name), FileContentError);
            EXPECT_TRUE(SameStore(content.store(), contentBefore.store()));
            EXPECT_EQ(content.registers()[2].caption, contentBefore.registers()[2].caption);
        }
    }
}

TEST(FontFile, FailedOpenOrCreateChangesNothingButTheLabelOfASave)
{
    QTemporaryDir dir;
    PatternEditor b = Other();
    const QString missing = dir.filePath(QStringLiteral("fehlt.fa8"));
    EXPECT_THROW(LoadFontFile(b, missing), FileOpenError);
    EXPECT_EQ(b.fontLabel(), Other().fontLabel()) << "nothing was loaded";
    EXPECT_TRUE(SameStore(b.store(), Other().store()));
    ExpectSameRegisters(b, PatternEditor());

    // The old file survives a save that breaks half way.
    const QString name = dir.filePath(QStringLiteral("alt.fa8"));
    PatternEditor old = Other();
    SaveFontFile(old, name);
    const QByteArray oldBytes = ReadRaw(name);
    PatternEditor a = Sample();
    {
        FileSizeLimit limit(8192);
        ASSERT_TRUE(limit.active());
        EXPECT_THROW(SaveFontFile(a, name), FileCreateError);
    }
    EXPECT_EQ(ReadRaw(name), oldBytes);

    // A folder that cannot hold the file: the error names it.
    const QString below = name + QStringLiteral("/neu.fa8");
    try {
        SaveFontFile(a, below);
        FAIL() << "no error";
    } catch (const FileCreateError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(below)))
            << e.message().toStdString();
    }
    EXPECT_EQ(a.fontLabel(), QStringLiteral("Font: neu.fa8"));
    EXPECT_EQ(ReadRaw(name), oldBytes);
}

TEST(FontFile, ImportUpperSetsTakesBanksOneToEightAndTheCaptions)
{
    QTemporaryDir dir;
    PatternEditor a = Sample();
    const QString name = Saved(dir, "obere.fa8", a);

    PatternEditor b = Other();
    b.document().setEntry(1, 5, 5, QStringLiteral("unten"));
    b.setFontLabel(QStringLiteral("Font: mein.fa8"));
    const PatternEditor before = b;
    ImportUpperSets(b, name);
    for (int bank = 1; bank <= 16; ++bank)
        for (int c = 0; c < 128; ++c)
            for (int r = 0; r < 8; ++r)
                ASSERT_EQ(b.store().entry(bank, c, r),
                    bank <= 8 ? before.store().entry(bank, c, r) : a.store().entry(bank - 8, c, r))
                    << bank << "," << c << "," << r;
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(b.registers()[k].caption, a.registers()[k].caption) << k;
        EXPECT_EQ(b.registers()[k].displayColor, before.registers()[k].displayColor) << k;
    }
    EXPECT_EQ(b.document().phases(), before.document().phases());
    EXPECT_EQ(b.rowColors(), before.rowColors());
    EXPECT_EQ(b.fontLabel(), QStringLiteral("Font: mein.fa8"));
    EXPECT_EQ(b.paint().text, QStringLiteral("1"));
    EXPECT_EQ(b.paint().color, before.registers()[1].displayColor);
    // Set 5 of the overview now shows set 1 of the file.
    const auto px = DecodeByte(a.store().entry(1, 0, 0).toInt());
    EXPECT_EQ(At(b.overview(), 0, 32 * 4), b.registers()[px[0]].displayColor);

    EXPECT_THROW(ImportUpperSets(b, dir.filePath(QStringLiteral("fehlt.fa8"))), FileOpenError);
}

TEST(FontFile, LabelAndProposedName)
{
    struct Case {
        const char* label;
        const char* proposed;
    };
    const Case cases[] = {
        {" Kein Font geladen", "Kein Font geladen"},
        {"Font: a.fa8", "a.fa8"},
        {"Font: Vorarado.fa8", "Vorarado.fa8"},
        {"Font: a:b.fa8", "a:b.fa8"},
        {"", ""},
        {":", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProposedFontFileName(QString::fromLatin1(c.label)), QString::fromLatin1(c.proposed)) << c.label;
    EXPECT_EQ(FontLabelFor(QStringLiteral("/tmp/x/Mein Font.fa8")), QStringLiteral("Font: Mein Font.fa8"));
    EXPECT_EQ(FontLabelFor(QStringLiteral("b.fa8")), QStringLiteral("Font: b.fa8"));
    EXPECT_EQ(ProposedFontFileName(FontLabelFor(QStringLiteral("/tmp/x/Mein Font.fa8"))), QStringLiteral("Mein Font.fa8"));
}

TEST(FontFile, ASaveThatFallsShortByAFewKiBKeepsTheOldFile)
{
    QTemporaryDir dir;
    PatternEditor a = Sample();
    const qsizetype size = ReadRaw(Saved(dir, "probe.fa8", a)).size();
    PatternEditor old = Other();
    const QString name = Saved(dir, "alt.fa8", old);
    const QByteArray oldBytes = ReadRaw(name);
    const ChildResult result = RunWithFileSizeLimit(size - 3000, [&] { SaveFontFile(a, name); });
    EXPECT_EQ(result.end, ChildResult::FileCreateError) << ChildEndName(result.end);
    EXPECT_TRUE(result.message.startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(name)))
        << result.message.toStdString();
    EXPECT_TRUE(ReadRaw(name) == oldBytes) << "the old file was replaced";
}

TEST(FontFile, AFileWithMegabytesAfterItsLinesLoadsLikeTheFileAlone)
{
    QTemporaryDir dir;
    PatternEditor a = Sample();
    const QString name = Saved(dir, "lang.fa8", a);
    {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::Append));
        for (int i = 0; i < 100; ++i)
            f.write(QByteArray(64 * 1024, static_cast<char>('a' + i % 26)) + "\r\n");
    }
    PatternEditor b = Other();
    LoadFontFile(b, name);
    ExpectSameRegisters(b, a);
    EXPECT_TRUE(SameStore(b.store(), a.store()));
    EXPECT_EQ(b.document().phases(), a.document().phases());
    EXPECT_EQ(b.rowColors(), a.rowColors());
}

TEST(FontFile, ContentReadsAsAnEditorLoadsIt)
{
    QTemporaryDir dir;
    PatternEditor a = Sample();
    const QString name = Saved(dir, "inhalt.fa8", a);
    PatternEditor editor;
    LoadFontFile(editor, name);
    PatternDocument content;
    LoadFontFile(content, name);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(content.registers()[k].caption, editor.registers()[k].caption) << k;
        EXPECT_EQ(content.registers()[k].displayColor, editor.registers()[k].displayColor) << k;
    }
    EXPECT_TRUE(SameStore(content.store(), editor.store()));
    EXPECT_EQ(content.phases(), editor.document().phases());
    EXPECT_EQ(content.rowColors(), editor.rowColors());

    // A file from before the row colours: the table comes from the registers in both.
    const QString old = dir.filePath(QStringLiteral("alt.fa8"));
    WriteLinesRaw(old, FontFileLines(a).mid(0, 16395));
    LoadFontFile(editor, old);
    LoadFontFile(content, old);
    EXPECT_EQ(content.rowColors(), editor.rowColors());
    EXPECT_THROW(LoadFontFile(content, dir.filePath(QStringLiteral("fehlt.fa8"))), FileOpenError);
}

} // namespace
