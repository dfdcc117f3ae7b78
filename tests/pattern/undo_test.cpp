// Undo and redo in the pattern editor: every kind of step gives back the exact texts and pictures.
#include "common/errors.h"
#include "palette/ataripalette.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Everything a step may change: the file's texts, the edit buffer, the guard and the three pictures.
struct EditorState {
    QStringList fileLines;
    QStringList buffer;
    bool ladenEnabled = true;
    QImage overview;
    QImage surface;
    QImage preview;

    static EditorState of(const PatternEditor& e)
    {
        EditorState s{FontFileLines(e), {}, e.ladenEnabled(), e.overview().copy(), e.surface().copy(), e.preview().copy()};
        for (int y = 0; y < EditBuffer::kHeight; ++y) {
            for (int x = 0; x < EditBuffer::kWidth; ++x)
                s.buffer << e.buffer().grid(x, y);
            s.buffer << e.buffer().data(0, y) << e.buffer().data(1, y);
        }
        return s;
    }
};

void ExpectSame(const EditorState& actual, const EditorState& expected, const QString& what)
{
    EXPECT_EQ(actual.fileLines, expected.fileLines) << qPrintable(what);
    EXPECT_EQ(actual.buffer, expected.buffer) << qPrintable(what);
    EXPECT_EQ(actual.ladenEnabled, expected.ladenEnabled) << qPrintable(what);
    EXPECT_TRUE(actual.overview == expected.overview) << qPrintable(what) << ": overview";
    EXPECT_TRUE(actual.surface == expected.surface) << qPrintable(what) << ": surface";
    EXPECT_TRUE(actual.preview == expected.preview) << qPrintable(what) << ": preview";
}

// An editor whose store, registers and row colours all differ from cell to cell, with pattern 5
// of set 2 in the buffer, pattern 9 as the swap partner, all pictures drawn and no history.
void Prepare(PatternEditor& e)
{
    PatternDocument& d = e.document();
    for (int i = 1; i <= PatternStore::kSlotsI; ++i)
        for (int j = 1; j <= PatternStore::kBanks; ++j)
            d.setSlot(i, j, QString::number((i * 37 + j * 11) % 256));
    const char* codes[5] = {"00", "46", "9C", "1A", "E8"};
    for (int k = 0; k < ColorRegisterSet::kCount; ++k) {
        const int code = QString::fromLatin1(codes[k]).toInt(nullptr, 16);
        d.setRegister(k, {QStringLiteral("F%1: %2").arg(k).arg(QLatin1String(codes[k])), PaletteColor(code), kWhite});
    }
    for (int r = 0; r < RowColorTable::kRows; ++r)
        for (int c = 0; c < RowColorTable::kColumns; ++c)
            d.setRowColor(c, r, {PaletteColor(16 * r + 2 * c + 2), QStringLiteral("%1%2").arg(r, 1, 16).arg(2 * c + 2).toUpper()});
    e.updateAllPatterns();
    e.setCurrentSet(2);
    e.setCurrentPattern(5);
    e.setSwapPattern(9);
    e.Laden();
    e.clearHistory();
}

// A drag from cell (1, 1) right along row 1 and down column 6.
void Stroke(PatternEditor& e)
{
    e.surfaceMouseMove(32 + 5, 16 + 5, false);
    e.surfaceMousePress();
    for (int x = 1; x <= 6; ++x)
        e.surfaceMouseMove(32 * x + 5, 16 + 5, true);
    for (int y = 1; y <= 6; ++y)
        e.surfaceMouseMove(6 * 32 + 5, 16 * y + 5, true);
    e.surfaceMouseRelease(6 * 32 + 5, 6 * 16 + 5);
}

struct StepCase {
    const char* name;
    std::function<void(PatternEditor&)> prepare; // not part of the step
    std::function<void(PatternEditor&)> step;
};

const auto kNothing = [](PatternEditor&) {};

TEST(Undo, EveryKindOfStepGivesBackTheExactTextsAndPictures)
{
    const StepCase cases[] = {
        {"Malen", [](PatternEditor& e) { e.selectRegister(2); }, Stroke},
        {"Malen", [](PatternEditor& e) { e.setMode(QStringLiteral("Player")); e.selectRegister(1); e.DrawDefine(); }, Stroke},
        {"Füllen", [](PatternEditor& e) { e.selectRegister(3); }, [](PatternEditor& e) { e.fill(); }},
        {"Hoch", kNothing, [](PatternEditor& e) { e.rotateUp(); }},
        {"Runter", kNothing, [](PatternEditor& e) { e.rotateDown(); }},
        {"Links", kNothing, [](PatternEditor& e) { e.rotateLeft(); }},
        {"Rechts", kNothing, [](PatternEditor& e) { e.rotateRight(); }},
        {"Spgl LR", kNothing, [](PatternEditor& e) { e.mirrorLeftRight(); }},
        {"Spgl HR", kNothing, [](PatternEditor& e) { e.mirrorTopBottom(); }},
        {"Eingabe", kNothing, [](PatternEditor& e) { e.typeData(1, 3, QStringLiteral("17")); }},
        {"Laden", kNothing, [](PatternEditor& e) { e.setCurrentPattern(7); e.Laden(); }},
        {"Speichern", [](PatternEditor& e) { e.selectRegister(1); Stroke(e); e.clearHistory(); },
         [](PatternEditor& e) { e.Speichern(); }},
        {"<->", [](PatternEditor& e) { e.selectRegister(1); Stroke(e); e.clearHistory(); },
         [](PatternEditor& e) { e.swapPatterns(); }},
        {"Farbe F2", [](PatternEditor& e) { e.requestRegister(2); e.clearHistory(); },
         [](PatternEditor& e) { e.acceptRegister(PaletteColor(0x54), QStringLiteral("54")); }},
        {"Farbe F1", [](PatternEditor& e) { e.setMode(QStringLiteral("Player")); e.requestRegister(1); e.DrawDefine(); e.clearHistory(); },
         [](PatternEditor& e) { e.acceptRegister(PaletteColor(0x76), QStringLiteral("76")); }}, // F3 derived too
        {"Zeilenfarbe", [](PatternEditor& e) { e.setMode(QStringLiteral("Player")); e.DrawDefine(); },
         [](PatternEditor& e) { e.acceptRowColor(1, 7, PaletteColor(0x3C), QStringLiteral("3C")); }},
        {"Farben Init", [](PatternEditor& e) { e.setMode(QStringLiteral("Player")); e.DrawDefine(); },
         [](PatternEditor& e) { e.farbenInit(); }},
        {"FNT importieren", kNothing, [](PatternEditor& e) { e.importFontBank(4, QByteArray(1024, '\x1B')); }},
        {"Leeren", kNothing, [](PatternEditor& e) { e.clearPattern(); }},
        {"Invertieren", kNothing, [](PatternEditor& e) { e.invertPattern(); }},
        {"Fläche füllen", [](PatternEditor& e) { e.setPaintText(QString::number((e.buffer().grid(3, 4).toInt() + 1) % 4)); }, [](PatternEditor& e) { e.fillArea(3, 4); }},
        {"Ausschneiden", kNothing, [](PatternEditor& e) { e.extendRunTo(8); e.cutPatterns(); }},
        {"Einfügen", [](PatternEditor& e) { e.setCurrentPattern(4); e.extendRunTo(6); e.clearHistory(); },
         [](PatternEditor& e) { e.pastePatterns(e.copyPatterns().repeated(2)); }},
    };
    for (const StepCase& c : cases) {
        const QString name = QString::fromUtf8(c.name);
        PatternEditor e;
        Prepare(e);
        c.prepare(e);
        ASSERT_EQ(e.historySize(), 0) << c.name;
        const EditorState before = EditorState::of(e);
        c.step(e);
        // Painting draws cells in the paint colour; redrawn from the grid they look the same.
        e.DrawDefine();
        const EditorState after = EditorState::of(e);
        ASSERT_NE(after.fileLines == before.fileLines && after.buffer == before.buffer, true) << c.name << " changed nothing";
        ASSERT_EQ(e.historySize(), 1) << c.name;
        EXPECT_EQ(e.undoText(), name);

        e.undo();
        ExpectSame(EditorState::of(e), before, name + QStringLiteral(" undone"));
        EXPECT_EQ(e.redoText(), name);
        e.redo();
        ExpectSame(EditorState::of(e), after, name + QStringLiteral(" redone"));
        e.undo();
        ExpectSame(EditorState::of(e), before, name + QStringLiteral(" undone again"));
    }
}

TEST(Undo, AStrokeOverManyCellsIsOneStep)
{
    PatternEditor e;
    Prepare(e);
    e.selectRegister(3);
    const EditorState before = EditorState::of(e);
    e.surfaceMousePress();
    int cells = 0;
    for (int y = 0; y < 16; y += 2)
        for (int x = 0; x < 8; ++x, ++cells)
            e.surfaceMouseMove(32 * x + 3, 16 * y + 3, true);
    e.surfaceMouseRelease(7 * 32 + 3, 14 * 16 + 3);
    ASSERT_GT(cells, 20);
    EXPECT_EQ(e.historySize(), 1);
    EXPECT_FALSE(e.ladenEnabled());
    e.undo();
    ExpectSame(EditorState::of(e), before, QStringLiteral("stroke undone"));
    EXPECT_TRUE(e.ladenEnabled()) << "the guard is back as it was before the stroke";
    EXPECT_FALSE(e.canUndo());

    // Two strokes are two steps; painting that changes no text is none.
    e.redo();
    e.surfaceMousePress();
    e.surfaceMouseRelease(3, 3);
    EXPECT_EQ(e.historySize(), 1) << "the cell had code 3 already";
    e.selectRegister(1);
    e.surfaceMousePress();
    e.surfaceMouseRelease(3, 3);
    EXPECT_EQ(e.historySize(), 2);
}

// A drag along pattern row `row` with the paint value of register k.
void StrokeAlongRow(PatternEditor& e, int k, int row)
{
    e.selectRegister(k);
    e.surfaceMouseMove(3, 16 * row + 3, false);
    e.surfaceMousePress();
    for (int x = 0; x < EditBuffer::kWidth; ++x)
        e.surfaceMouseMove(32 * x + 3, 16 * row + 3, true);
    e.surfaceMouseRelease(7 * 32 + 3, 16 * row + 3);
}

QByteArray FileBytes(PatternEditor& e, const QString& file)
{
    SaveFontFile(e, file);
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Undo, TwoStrokesAreTwoStepsThatUndoAndRedoApart)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("strokes.fa8"));
    PatternEditor e;
    Prepare(e);
    const QByteArray bytesBefore = FileBytes(e, file);
    const EditorState before = EditorState::of(e);

    StrokeAlongRow(e, 3, 0);
    const EditorState afterFirst = EditorState::of(e);
    StrokeAlongRow(e, 1, 1);
    const EditorState afterBoth = EditorState::of(e);
    EXPECT_EQ(e.historySize(), 2) << "a new stroke never joins the last one";
    EXPECT_EQ(e.undoText(), QStringLiteral("Malen"));

    e.undo();
    ExpectSame(EditorState::of(e), afterFirst, QStringLiteral("second stroke undone"));
    EXPECT_EQ(e.undoText(), QStringLiteral("Malen"));
    EXPECT_EQ(e.redoText(), QStringLiteral("Malen"));
    e.undo();
    ExpectSame(EditorState::of(e), before, QStringLiteral("both strokes undone"));
    EXPECT_FALSE(e.canUndo());
    EXPECT_FALSE(e.documentModified());
    EXPECT_FALSE(e.bufferModified());
    EXPECT_EQ(FileBytes(e, file), bytesBefore);

    e.redo();
    e.redo();
    ExpectSame(EditorState::of(e), afterBoth, QStringLiteral("both strokes redone"));
    // Row 0 painted with code 3 in all eight pixels is byte 255 twice, row 1 with code 1 is 85 twice.
    for (int h = 0; h < 2; ++h) {
        EXPECT_EQ(e.buffer().data(h, 0), QStringLiteral("255"));
        EXPECT_EQ(e.buffer().data(h, 1), QStringLiteral("85"));
    }
    e.Speichern();
    const QByteArray painted = FileBytes(e, file);
    EXPECT_NE(painted, bytesBefore);
    for (int h = 0; h < 2; ++h) {
        EXPECT_EQ(e.store().patternByte(2, 5, 0, h), QStringLiteral("255"));
        EXPECT_EQ(e.store().patternByte(2, 5, 1, h), QStringLiteral("85"));
    }
    // The bytes of rows 2-15 are those of the pattern before.
    for (int y = 2; y < EditBuffer::kHeight; ++y)
        for (int h = 0; h < 2; ++h)
            EXPECT_EQ(e.buffer().data(h, y), before.buffer[y * (EditBuffer::kWidth + 2) + EditBuffer::kWidth + h]);
}

TEST(Undo, UndoPastTheStartDoesNothing)
{
    PatternEditor e;
    Prepare(e);
    const EditorState start = EditorState::of(e);
    e.undo();
    e.redo();
    ExpectSame(EditorState::of(e), start, QStringLiteral("empty history"));
    e.fill();
    e.undo();
    e.undo();
    e.undo();
    ExpectSame(EditorState::of(e), start, QStringLiteral("past the start"));
    EXPECT_FALSE(e.canUndo());
    EXPECT_TRUE(e.canRedo());
    e.redo();
    e.redo();
    EXPECT_FALSE(e.canRedo());
}

TEST(Undo, ANewChangeAfterUndoDropsTheRedo)
{
    PatternEditor e;
    Prepare(e);
    e.rotateLeft();
    e.rotateUp();
    e.undo();
    EXPECT_EQ(e.redoText(), QStringLiteral("Hoch"));
    e.mirrorLeftRight();
    EXPECT_FALSE(e.canRedo());
    EXPECT_EQ(e.redoText(), QString());
    EXPECT_EQ(e.historySize(), 2);
    EXPECT_EQ(e.undoText(), QStringLiteral("Spgl LR"));
}

TEST(Undo, LoadingAFileStartsAFreshHistorySavingDoesNot)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("undo.fa8"));
    PatternEditor e;
    Prepare(e);
    e.fill();
    e.Speichern();
    SaveFontFile(e, file);
    EXPECT_EQ(e.historySize(), 2);
    EXPECT_EQ(e.undoText(), QStringLiteral("Speichern"));

    LoadFontFile(e, file);
    EXPECT_EQ(e.historySize(), 0);
    EXPECT_FALSE(e.canUndo());

    e.typeData(0, 0, QStringLiteral("1"));
    ImportUpperSets(e, file);
    EXPECT_EQ(e.historySize(), 0) << "half a file from disk starts afresh too";

    // A file that cannot be opened loads nothing and leaves the history alone.
    e.typeData(0, 0, QStringLiteral("2"));
    EXPECT_THROW(LoadFontFile(e, dir.filePath(QStringLiteral("fehlt.fa8"))), FileOpenError);
    EXPECT_EQ(e.historySize(), 1);
}

TEST(Undo, KeystrokesInOneByteCellAreOneStep)
{
    PatternEditor e;
    Prepare(e);
    const EditorState before = EditorState::of(e);
    e.typeData(0, 3, QStringLiteral("1"));
    e.typeData(0, 3, QStringLiteral("17"));
    e.typeData(0, 3, QStringLiteral("170"));
    EXPECT_EQ(e.historySize(), 1);
    e.typeData(1, 3, QStringLiteral("5"));
    EXPECT_EQ(e.historySize(), 2);
    e.undo();
    e.undo();
    ExpectSame(EditorState::of(e), before, QStringLiteral("typing undone"));
}

TEST(Undo, AStepThatFailedHalfWayIsUndoneToo)
{
    PatternEditor e;
    Prepare(e);
    const EditorState before = EditorState::of(e);
    EXPECT_THROW(e.typeData(1, 6, QStringLiteral("x")), ConversionError);
    EXPECT_EQ(e.buffer().data(1, 6), QStringLiteral("x"));
    EXPECT_EQ(e.undoText(), QStringLiteral("Eingabe"));
    e.undo();
    ExpectSame(EditorState::of(e), before, QStringLiteral("failed typing undone"));
    e.redo();
    EXPECT_EQ(e.buffer().data(1, 6), QStringLiteral("x"));
}

TEST(Undo, SuccessiveLoadsAreOneStepAndTheAnimationIsNone)
{
    PatternEditor e;
    Prepare(e);
    const EditorState before = EditorState::of(e);
    for (const int p : {6, 7, 8}) {
        e.setCurrentPattern(p);
        e.Laden();
    }
    EXPECT_EQ(e.historySize(), 1);
    e.undo();
    EXPECT_EQ(EditorState::of(e).buffer, before.buffer);

    // The frames shown while the animation runs are no steps, and nothing is undone meanwhile.
    e.setCurrentPattern(5);
    e.document().setPhases(QStringLiteral("1;3"));
    e.toggleAnimation();
    e.animationStep();
    e.animationStep();
    const QStringList frame = EditorState::of(e).buffer;
    e.undo();
    EXPECT_EQ(EditorState::of(e).buffer, frame);
    e.toggleAnimation();
    EXPECT_EQ(EditorState::of(e).buffer, before.buffer) << "stopping reloads pattern 5";
    EXPECT_EQ(e.historySize(), 1) << "the reload gives the buffer back as the animation found it";
}

TEST(Undo, ACopyStartsWithAHistoryOfItsOwn)
{
    PatternEditor e;
    Prepare(e);
    e.fill();
    PatternEditor copy = e;
    EXPECT_EQ(copy.historySize(), 0);
    copy.rotateUp();
    EXPECT_EQ(e.historySize(), 1);
    EXPECT_EQ(e.undoText(), QStringLiteral("Füllen"));
}

TEST(Undo, TheHistoryKeepsAtMostItsLimit)
{
    PatternEditor e;
    Prepare(e);
    for (int i = 0; i < PatternEditor::kHistoryLimit + 10; ++i)
        e.typeData(i % 2, 0, QString::number(i % 256));
    EXPECT_EQ(e.historySize(), PatternEditor::kHistoryLimit);
}

} // namespace

namespace {

// A step that changes no text is never pushed, so what could be redone stays: loading the bytes the
// buffer already holds, painting cells with the code they have, storing an unchanged buffer.
TEST(Undo, AStepThatChangesNothingKeepsTheRedo)
{
    const StepCase cases[] = {
        {"Laden", kNothing, [](PatternEditor& e) { e.Laden(); }},
        {"Malen", [](PatternEditor& e) { e.selectRegister(0); }, [](PatternEditor& e) {
             e.surfaceMouseMove(3, 3, false);
             e.surfaceMousePress();
             e.surfaceMouseRelease(3, 3);
         }},
        {"Speichern", kNothing, [](PatternEditor& e) { e.Speichern(); }},
        {"Eingabe", kNothing, [](PatternEditor& e) { e.typeData(0, 2, e.buffer().data(0, 2)); }},
    };
    for (const StepCase& c : cases) {
        PatternEditor e;
        Prepare(e);
        // Pixel (0, 0) of pattern 5 in set 2 holds code 0 after this, whatever it held before.
        e.setCurrentPattern(5);
        e.typeData(0, 0, QStringLiteral("0"));
        e.Speichern();
        e.rotateRight();
        e.undo();
        ASSERT_TRUE(e.canRedo()) << c.name;
        c.prepare(e);
        const int size = e.historySize();
        c.step(e);
        EXPECT_EQ(e.historySize(), size) << c.name;
        EXPECT_EQ(e.redoText(), QStringLiteral("Rechts")) << c.name;
        e.redo();
        EXPECT_EQ(e.undoText(), QStringLiteral("Rechts")) << c.name;
    }
}

} // namespace
