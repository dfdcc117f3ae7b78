// The level held in memory: grid codes, colour lines, time, monster and switch tables and the four texts.
#pragma once

// How to use it
// -------------
// Every value is kept as the text the editor shows; readers convert on use (StrToInt), so that a text
// that is not a number fails where it is read.
//
// Addressing (all 0-based unless a name says otherwise):
//   grid        code(position 0-255, y 0-9); cell (x 0-127, y) is positions 2x and 2x + 1.
//               leftCode(x, y) is the code the editor reads; cellPattern(x, y) = StrToInt(leftCode) / 2.
//   colours     colorEntry(column 0-4 = A-E, line 1-10); ColorLineKey(column, line) gives "A1" ... "EA".
//   time        timeDigit(0-3), the four digits left to right, each "0" ... "9".
//   tables      tableCell(LevelTable::Monsters, row 1-8, monster 1-10), tableCell(LevelTable::Switches,
//               row 1-5, switch 1-8); the row numbers are the field rows (1 = activeNumber / switchX).
//   texts       author(), title(), tip1(), tip2().
//
// Two kinds of operations change the document:
//   - plain operations (writeCell, setCode, setColorEntry, InitEmptyLevel, InitMonsterTable, setTableCell ...)
//     change the texts and announce it; they push nothing onto the undo stack. Loaders and the undo
//     commands use them, and so do the editor's operations that are not undoable.
//   - undoable steps are commands (level/undo_*.h) pushed through push(): the command does its
//     change in redo(), also the first one, which push runs. initialiseLevel ("Level Initialisieren")
//     and editTableCell (a cell of the monster or switch table typed in a table view) push theirs
//     here; the edit session, the placement and the colour lines push the others.
// Loading a file calls clearHistory(): a fresh history starts.
//
// changed(LevelChange) names what changed: single cells, the whole grid, colour lines, time, the
// tables, the texts. Plain operations never redraw. A change a step makes (its first run inside
// push(), an undo, a redo) is one announcement that also says what the pictures draw for it
// (LevelRedraw, chosen by the step); the views draw it on that signal (level/stepredraw.h) and
// nobody draws after a push. A view that cannot draw tells the document (drawFailed): push() hands
// the first failure of its step's first run to its caller, after the step is recorded; an undo or
// redo cannot report one.
// Batch groups many plain operations into one announcement (a file load announces once).

#include "common/stephistory.h"
#include "palette/ataricolor.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <exception>
#include <optional>
#include <utility>
#include <vector>

class ColorRegisterSet;
class QUndoStack;
class RecordedStep;

// One of the 50 colour entries of the level: the Atari value as text, the drawing colour, the caption colour.
struct ColorLineEntry {
    QString hexText = QStringLiteral("00");
    PackedColor displayColor = kBlack;
    PackedColor textColor = kWhite;

    friend bool operator==(const ColorLineEntry&, const ColorLineEntry&) = default;
};

// "A1" ... "A9", "AA" for column 0-4 (A-E) and line 1-10.
QString ColorLineKey(int column, int line);
// The column (0-4) and line (1-10) of a key, or nothing when the text names no entry.
std::optional<std::pair<int, int>> ParseColorLineKey(const QString& key);

enum class LevelTable { Monsters, Switches };

// One cell's two code texts before and after a step changed it.
struct LevelCellEdit {
    QPoint cell;
    QString leftBefore, rightBefore, leftAfter, rightAfter;
};

// What the pictures draw for a change a step made.
enum class LevelRedraw : unsigned char {
    Nothing,  // no drawing (table resets, the colour take-over's first run)
    Changed,  // the cells, whole grid and colour-line rows the change names
    Monsters, // what Changed draws, then the monster overlay where it is shown
    Level,    // every cell, then the overlays shown (drawlevel)
};

// What the pictures draw for a step's first run and for its undo and redo; a step keeps one.
class StepRedraws {
public:
    StepRedraws(LevelRedraw first = LevelRedraw::Changed, LevelRedraw again = LevelRedraw::Changed)
        : mFirst(first), mAgain(again)
    {
    }
    // What this run draws: the first run's drawing once, then the other.
    LevelRedraw next() { return std::exchange(mRan, true) ? mAgain : mFirst; }

private:
    LevelRedraw mFirst;
    LevelRedraw mAgain;
    bool mRan = false;
};

// What an announcement covers.
struct LevelChange {
    enum Part : unsigned {
        Cells = 1u << 0,      // the cells listed in `cells`
        Grid = 1u << 1,       // any or all codes of the grid: redraw every cell
        ColorLines = 1u << 2, // the lines listed in `colorLines`
        Time = 1u << 3,
        Monsters = 1u << 4,
        Switches = 1u << 5,
        Texts = 1u << 6,
    };
    unsigned parts = 0;
    QList<QPoint> cells;   // x 0-127, y 0-9
    QList<int> colorLines; // 1-10
    // Set by a step (its first run, undo or redo): what the pictures draw. Plain operations draw nothing.
    LevelRedraw redraw = LevelRedraw::Nothing;
    bool fromStep = false;

    bool has(Part part) const { return (parts & part) != 0; }
    bool isEmpty() const { return parts == 0; }
    void merge(const LevelChange& other);
};

class LevelDocument : public QObject {
    Q_OBJECT
public:
    static constexpr int kColumns = 128;
    static constexpr int kRows = 10;
    static constexpr int kCodes = 256;
    static constexpr int kColorColumns = 5;
    static constexpr int kColorLines = 10;
    static constexpr int kTimeDigits = 4;
    static constexpr int kMonsters = 10;
    static constexpr int kMonsterRows = 8;
    static constexpr int kSwitches = 8;
    static constexpr int kSwitchRows = 5;

    explicit LevelDocument(QObject* parent = nullptr);
    ~LevelDocument() override;

    // --- grid -------------------------------------------------------------------------------------
    static bool inGrid(int x, int y) { return x >= 0 && x < kColumns && y >= 0 && y < kRows; }
    // Code at position 0-255 of row 0-9; outside the grid an empty text.
    const QString& code(int position, int y) const;
    const QString& leftCode(int x, int y) const { return code(2 * x, y); }
    const QString& rightCode(int x, int y) const { return code(2 * x + 1, y); }
    // leftCode div 2; throws ConversionError when the code is not a number.
    int cellPattern(int x, int y) const;
    // Writes the pair 2p, 2p + 1 into cell (x, y). Outside the grid nothing happens.
    void writeCell(int x, int y, int pattern);
    // The two codes writeCell writes for a pattern.
    static QString writtenLeftCode(int pattern) { return QString::number(2 * pattern); }
    static QString writtenRightCode(int pattern) { return QString::number(2 * pattern + 1); }
    // Whether writeCell(x, y, pattern) would leave the cell's texts as they are.
    bool holdsWritten(int x, int y, int pattern) const;
    // Stores a code text as it is (the level file, the byte view).
    void setCode(int position, int y, const QString& text);

    // Pattern p everywhere, the borders of pattern 0 and the walls of pattern 3, then both tables reset.
    void InitEmptyLevel(int pattern);
    // The pattern InitEmptyLevel(pattern) gives column x.
    static int emptyLevelPattern(int x, int pattern);

    // --- colour lines ---------------------------------------------------------------------------------
    const ColorLineEntry& colorEntry(int column, int line) const;
    void setColorEntry(int column, int line, const ColorLineEntry& entry);
    // Every line takes the five registers' colours, caption colours and codes.
    void takeRegisterColors(const ColorRegisterSet& registers);
    // A-C from F0-F2 with white captions, D and E from the standard table.
    void Farbenstandard(const ColorRegisterSet& registers);
    // The entries each of them writes, [line - 1][column].
    using ColorEntries = std::array<std::array<ColorLineEntry, kColorColumns>, kColorLines>;
    static ColorEntries takenOverColors(const ColorRegisterSet& registers);
    static ColorEntries standardColors(const ColorRegisterSet& registers);

    // --- time -------------------------------------------------------------------------------------
    const QString& timeDigit(int index) const;
    // Limited to 0-9.
    void setTimeDigit(int index, int value);

    // --- monster and switch tables -------------------------------------------------------------------
    static int tableRows(LevelTable table) { return table == LevelTable::Monsters ? kMonsterRows : kSwitchRows; }
    static int tableColumns(LevelTable table) { return table == LevelTable::Monsters ? kMonsters : kSwitches; }
    // "Mon #01" ... "Mon #10" / "S01" ... "S08".
    static QString tableHeader(LevelTable table, int column);
    // The hint text in front of a row (1-based).
    static QString tableHint(LevelTable table, int row);
    // row 1-based field, column 1-based monster or switch; outside the table an empty text.
    const QString& tableCell(LevelTable table, int row, int column) const;
    void setTableCell(LevelTable table, int row, int column, const QString& text);
    const QString& monsterCell(int row, int monster) const { return tableCell(LevelTable::Monsters, row, monster); }
    const QString& switchCell(int row, int sw) const { return tableCell(LevelTable::Switches, row, sw); }
    void InitMonsterTable();
    void InitSwitchTable();
    // The text InitMonsterTable / InitSwitchTable writes into a cell.
    static QString initialTableCell(LevelTable table, int row, int column);

    // --- texts ------------------------------------------------------------------------------------
    const QString& author() const { return mAuthor; }
    const QString& title() const { return mTitle; }
    const QString& tip1() const { return mTip1; }
    const QString& tip2() const { return mTip2; }
    void setAuthor(const QString& text);
    void setTitle(const QString& text);
    void setTip1(const QString& text);
    void setTip2(const QString& text);

    // --- undoable steps -------------------------------------------------------------------------------
    // The document's own stack, made on first use: a document that is only read and written (the
    // command line) has none.
    QUndoStack& undoStack();
    // Records a step (common/undostack.h): pushed unless it changes nothing; its redo does the
    // change, and the views draw what the step's announcement names. Returns whether it was pushed;
    // throws the first failure a view reported while drawing the step's first run (the step stays
    // recorded).
    bool push(RecordedStep* step);
    // A view could not draw a step's change (a code or table text that is not a number).
    void drawFailed(std::exception_ptr failure);
    // "Level Initialisieren" as one step, drawing the cells it changes; false when it changes nothing.
    bool initialiseLevel(int pattern);
    // A typed table cell as one step; nothing when the text is unchanged.
    void editTableCell(LevelTable table, int row, int column, const QString& text);
    // A loaded level starts a fresh history.
    void clearHistory();

    // --- saved state ------------------------------------------------------------------------------------
    // Whether the level differs from its last load or save: a step done or undone since then (undoing
    // back to that point makes it saved again), or texts or time typed, which record no step.
    bool isModified() const;
    // The level as it stands counts as saved (after loading, saving it, or putting it onto a disk).
    void markSaved();
    // The level matches no file (work taken back from a recovery copy) until it is saved.
    void markModified() { mMatchesNoFile = true; }

    // --- announcements --------------------------------------------------------------------------------
    // Collects the announcements of its lifetime into one.
    class Batch {
    public:
        explicit Batch(LevelDocument& document);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        LevelDocument& mDocument;
    };
    // A step's run (its first redo, an undo, a redo): the plain operations of its lifetime make one
    // announcement, marked as the step's, with what the pictures draw for it.
    class StepRun {
    public:
        StepRun(LevelDocument& document, LevelRedraw redraw);
        ~StepRun();
        StepRun(const StepRun&) = delete;
        StepRun& operator=(const StepRun&) = delete;

    private:
        LevelDocument& mDocument;
        std::optional<LevelRedraw> mOuter;
        std::optional<Batch> mBatch;
    };

    // The grid's codes, row by row (2560 texts), for steps that replace the whole grid.
    std::vector<QString> gridCodes() const;
    void setGridCodes(const std::vector<QString>& codes);
    // Restores the two codes of a cell as they were (undo of a stroke).
    void setCellCodes(int x, int y, const QString& left, const QString& right);
    std::vector<QString> tableCells(LevelTable table) const;
    void setTableCells(LevelTable table, const std::vector<QString>& cells);

signals:
    void changed(const LevelChange& change);

private:
    void setColorEntries(const ColorEntries& entries);
    void announce(const LevelChange& change);
    void announceCell(int x, int y);
    QString* tableSlot(LevelTable table, int row, int column);

    std::array<std::array<QString, kCodes>, kRows> mGrid;
    std::array<std::array<ColorLineEntry, kColorColumns>, kColorLines> mColors;
    std::array<QString, kTimeDigits> mTime;
    std::array<std::array<QString, kMonsters>, kMonsterRows> mMonsters;
    std::array<std::array<QString, kSwitches>, kSwitchRows> mSwitches;
    QString mAuthor, mTitle, mTip1, mTip2;

    // The document's undo history. The stack is QtGui: its model side (leveldocument_history.cpp)
    // makes it on first use; this side only clears it and reads and sets its clean point.
    HistorySlot mHistory;
    bool mMatchesNoFile = false;
    // Texts and time as last loaded or saved.
    std::array<QString, 4 + kTimeDigits> mSavedFields;
    std::array<QString, 4 + kTimeDigits> unrecordedFields() const;
    int mBatchDepth = 0;
    // The redraw of the step running, while one runs.
    std::optional<LevelRedraw> mStepRedraw;
    std::exception_ptr mDrawFailure;
    LevelChange mPending;
};
