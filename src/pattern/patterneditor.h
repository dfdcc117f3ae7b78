// The pattern editor's editing session: the pattern document it edits, the edit buffer, the paint
// value, the current pattern, the animation, the pictures and the undo history, independent of any widget.
#pragma once

#include "pattern/editbuffer.h"
#include "pattern/patterndocument.h"

#include <QByteArray>
#include <QFlags>
#include <QImage>
#include <array>
#include <bitset>
#include <functional>
#include <memory>
#include <optional>

class QUndoCommand;
class QUndoStack;
struct StepSnapshot;

// The paint selection: the PixelCode text painting writes, and the swatch it paints with.
struct PaintValue {
    QString text = QStringLiteral("0");
    PackedColor color = kBlack;
    PackedColor textColor = kWhite;
};

// What an action changed, so that a window refreshes only that.
enum class EditorPart : unsigned {
    Overview = 1u << 0,   // the overview picture was drawn on
    Surface = 1u << 1,    // the editing surface or the preview was drawn on
    Buffer = 1u << 2,     // texts of the pixel or byte grid
    Registers = 1u << 3,  // the register captions and colours
    RowColors = 1u << 4,  // the row colour table or its selected cell
    Paint = 1u << 5,      // the paint value
    Selection = 1u << 6,  // current and partner set and pattern
    Guard = 1u << 7,      // whether "Laden" may be used
    Phases = 1u << 8,     // the phase list text
    FontLabel = 1u << 9,
    Animation = 1u << 10, // running or stopped, speed
    Mode = 1u << 11,
    History = 1u << 12,   // what undo and redo would do next
};
Q_DECLARE_FLAGS(EditorParts, EditorPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(EditorParts)

// The three kinds of undo steps: the edit buffer (with the row colours the shifts move), the
// store (with the buffer a swap reloads), and the colours.
enum class StepKind { Buffer, Store, Color };

// Keeps one undo stack per editor. A copied editor starts with an empty history of its own, as the
// steps of the original act on the original.
class UndoHistory {
public:
    explicit UndoHistory();
    UndoHistory(const UndoHistory&);
    UndoHistory& operator=(const UndoHistory&);
    ~UndoHistory();
    QUndoStack& stack() const { return *mStack; }

private:
    std::unique_ptr<QUndoStack> mStack;
};

class PatternEditor {
public:
    static constexpr int kOverviewWidth = 2048;
    static constexpr int kOverviewHeight = 256;
    static constexpr int kSurfaceSize = 254;
    static constexpr int kPreviewSize = 160;
    static constexpr PackedColor kFrameColor = 0xFF00FF; // fuchsia, seen in the gaps between cells
    // Steps kept; older ones are dropped, which bounds the history's memory.
    static constexpr int kHistoryLimit = 2000;

    PatternEditor();

    // --- the document ------------------------------------------------------------------------
    const PatternDocument& document() const { return mDocument; }
    // For the document's named operations. They redraw nothing and record no undo step: the
    // editor's own operations below do both.
    PatternDocument& document() { return mDocument; }
    // Shorthands for reading.
    const PatternStore& store() const { return mDocument.store(); }
    const ColorRegisterSet& registers() const { return mDocument.registers(); }
    const RowColorTable& rowColors() const { return mDocument.rowColors(); }

    // --- session state -----------------------------------------------------------------------
    const EditBuffer& buffer() const { return mBuffer; }
    void setGridCell(int x, int y, const QString& text);
    void setDataCell(int half, int y, const QString& text);
    // The edit buffer's conversions (see EditBuffer).
    void Calcdata();
    void ReCalcdata();

    const PaintValue& paint() const { return mPaint; }
    void setPaint(const PaintValue& paint);
    void setPaintText(const QString& text);

    // "Char" or "Player"; only "Player" colours by rows.
    const QString& mode() const { return mMode; }
    void setMode(const QString& mode);
    bool isPlayerMode() const { return mMode == QLatin1String("Player"); }

    const QString& fontLabel() const { return mFontLabel; }
    void setFontLabel(const QString& label);

    // The guard against losing painted changes: false from painting until the next store.
    bool ladenEnabled() const { return mLadenEnabled; }
    void setLadenEnabled(bool enabled);

    int currentSet() const { return mSet; }
    int currentPattern() const { return mPattern; }
    int swapPattern() const { return mSwapPattern; }
    int swapSet() const { return mSwapSet; }
    void setCurrentSet(int set);
    void setCurrentPattern(int pattern);
    void setSwapPattern(int pattern);
    void setSwapSet(int set);

    // Made and filled when first asked for or drawn on: a start that clears the store and then loads
    // a pattern file fills it once.
    const QImage& overview() const { return overviewImage(); }
    // The overview made in its size but without its pending fill, for a view to hold on to before a
    // pattern file draws every pixel of it anyway; overview() makes the fill if none did.
    const QImage* overviewPlace() const;
    const QImage& surface() const { return mSurface; }
    const QImage& preview() const { return mPreview; }

    // Lines for the "Info / Errors" list.
    void setInfoHandler(std::function<void(const QString&)> handler) { mInfo = std::move(handler); }

    // The parts changed since the last call, the document's included.
    EditorParts takeChanges();

    // --- store <-> edit buffer --------------------------------------------------------------
    // Copies pattern (set, pattern) into the byte grid, then ReCalcdata and DrawDefine.
    // Successive loads make one undo step "Laden".
    void Laden();
    // Copies the byte grid into the current pattern, redraws it in the overview, releases the guard.
    void Speichern();

    // --- drawing ----------------------------------------------------------------------------
    // Draws pattern x + 1 of set y + 1 (x 0-63, y 0-7) into the overview with the register colours.
    void UpdatePattern(int x, int y);
    void updateAllPatterns();
    // Redraws the editing surface and the preview from the pixel grid.
    void DrawDefine();
    // Screen colour of a pixel code text in pattern row `row` by the colour rule.
    PackedColor pixelColor(const QString& code, int row) const;

    // The start-up sequence of the window's creation, up to (not including) the start-up file.
    void create();

    // Sets every RowColorTable row to F1-F3's colours (ColorCodes untouched).
    void resetRowColorsToRegisters();

    // --- painting with the mouse (X, Y relative to the editing surface) -----------------------
    // A press starts a new paint stroke and the release ends it: the cells painted in between are
    // steps "Malen" that merge into one, so a stroke is undone as a whole.
    int cursorX() const { return mCursorX; }
    int cursorY() const { return mCursorY; }
    void surfaceMouseMove(int x, int y, bool leftHeld);
    void surfaceMousePress();
    void surfaceMouseRelease(int x, int y);
    void surfaceDoubleClick();

    // --- edit operations ------------------------------------------------------------------------
    void fill();            // "Füllen"
    void rotateUp();        // "Hoch"
    void rotateDown();      // "Runter"
    void rotateLeft();      // "Links"
    void rotateRight();     // "Rechts"
    void mirrorLeftRight(); // "Spgl LR"
    void mirrorTopBottom(); // "Spgl HR"
    void swapPatterns();    // "<->": exchanges the current and the partner pattern number in all sets
    // A keystroke in the byte grid: the cell's new text.
    void typeData(int half, int y, const QString& text);
    // The Char/Player switch: stores, changes the mode, reloads.
    void changeMode(const QString& text);
    // "FNT importieren": the 1024 bytes of a raw font become bank 1-16, one undo step, and the
    // overview redraws the bank's pattern set. The edit buffer reloads its pattern when it is of
    // that set and holds no painted changes; painted changes stay.
    void importFontBank(int bank, const QByteArray& font);

    // --- colours ----------------------------------------------------------------------------------
    // Click on register panel k (0-4): selects its paint value.
    void selectRegister(int k);
    // What a palette request starts with.
    struct ColorRequest {
        QString code;
        PackedColor color = 0;
        PackedColor textColor = 0;
    };
    // Double click on register k: stores the edit buffer and names the register in the paint value.
    // Nothing (no request) for F3 in the player mode, where F3 is derived.
    std::optional<ColorRequest> requestRegister(int k);
    // The palette's answer for the register named by the paint value text.
    void acceptRegister(PackedColor color, const QString& code);
    // F3 from F1 and F2 (player mode); adds an empty info line.
    void calc3();
    // Double click on row colour table cell (column, row): false when nothing is requested.
    bool requestRowColor(int column);
    // The palette's answer for table entry (column, row); derives column 2 of that row.
    void acceptRowColor(int column, int row, PackedColor color, const QString& code);
    // "Farben Init".
    void farbenInit();

    // The row colour table's display: 3 x 16 cells of 20 x 15 with 1-pixel lines.
    static constexpr int kRowGridWidth = 3 * 21 - 1;
    static constexpr int kRowGridHeight = 16 * 16 - 1;
    const QImage& rowGrid() const { return mRowGrid; }
    void drawRowColorGrid();
    // A mouse release over the display selects column X div 20 and row Y div 16 (kept inside the table).
    void selectRowColorCell(int x, int y);
    int rowSelectionColumn() const { return mRowColumn; }
    int rowSelectionRow() const { return mRowRow; }

    // --- animation --------------------------------------------------------------------------------
    static constexpr int kMaxPhases = 64;
    bool animationRunning() const { return mAnimating; }
    int animationInterval() const { return mInterval; }
    // A change of the speed field (1-100): value x 20 ms.
    void setSpeed(int value);
    // "Start Anim"/"Stop Anim": parses the phase list (info lines), then toggles.
    void toggleAnimation();
    // One timer tick.
    void animationStep();
    int phaseCount() const { return mPhaseCount; }
    int phaseEntry(int i) const { return mPhaseTable[i]; }

    // --- undo and redo ------------------------------------------------------------------------------
    // Nothing happens past either end of the history, nor while the animation runs.
    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;
    // The names of the steps undo and redo would take ("Füllen"); empty when there is none.
    QString undoText() const;
    QString redoText() const;
    int historySize() const;
    // A loaded file starts a fresh history. What was unsaved stays unsaved.
    void clearHistory();
    // Takes effect on an empty history only.
    void setHistoryLimit(int steps);
    // Whether a step is being pushed: its first redo draws nothing, as its operation drew already.
    bool pushing() const { return mPushing; }

    // --- saved state ---------------------------------------------------------------------------------
    // Whether the edit buffer's bytes differ from the pattern they were last loaded from or stored
    // into, whatever changed them (painting, "Füllen", a shift, a mirror, a typed byte); undoing back
    // to the stored bytes makes it saved again. Independent of the guard that locks "Laden".
    bool bufferModified() const;
    // The pattern the buffer was last loaded from or stored into (set 1-8, pattern 1-64).
    int bufferSet() const { return mBufferSet; }
    int bufferPattern() const { return mBufferPattern; }
    // For undo steps, which put it back as they found it.
    void setBufferOrigin(int set, int pattern);
    // Whether store, registers, row colours or phases differ from the last load or save of the
    // pattern file: a step that changes them done or undone since then (undoing back to that point
    // makes it saved again), or the phase list typed, which records no step.
    bool documentModified() const;
    // The document as it stands counts as saved (after loading or saving the file).
    void markSaved();
    // The document matches no file any more (half of another file taken in).
    void markModified();

private:
    static inline const QString kPaintStepName = QStringLiteral("Malen");
    // Records what an operation changes as one undo step; nested scopes join the outermost one.
    class StepScope {
    public:
        StepScope(PatternEditor& editor, StepKind kind, const QString& name);
        ~StepScope();
        StepScope(const StepScope&) = delete;
        StepScope& operator=(const StepScope&) = delete;

    private:
        PatternEditor& mEditor;
    };
    void openStep(StepKind kind, const QString& name);
    void closeStep();
    void push(QUndoCommand* step);
    // Lets the step just opened start from this buffer instead.
    void restartStepFrom(const std::optional<EditBuffer>& buffer);

    void loadDataFrom(int set, int pattern);
    void paintCurrentCell(bool withPreview);
    void rotateRows(int shift);
    void swapRows(int r, int other);
    void addInfo(const QString& line);
    template <class Transform>
    void transformRows(const QString& name, Transform transform);

    void drawSurfaceCell(int x, int y, PackedColor color);
    void drawPreviewPixel(int x, int y, PackedColor color);
    void note(EditorParts parts) { mChanges |= parts; }

    PatternDocument mDocument;
    EditBuffer mBuffer;
    PaintValue mPaint;
    QString mMode = QStringLiteral("Char");
    QString mFontLabel = QStringLiteral(" Kein Font geladen");
    bool mLadenEnabled = true;
    int mBufferSet = 1;
    int mBufferPattern = 1;
    int mSet = 1;
    int mPattern = 1;
    int mSwapPattern = 1;
    int mSwapSet = 1;
    int mCursorX = 0;
    int mCursorY = 0;
    bool mAnimating = false;
    int mInterval = 300;
    int mPhaseCount = 0;
    int mPhasePosition = -1;
    std::array<int, kMaxPhases> mPhaseTable{};
    // The overview, and the colour it is to be filled with before it is next read or drawn on.
    QImage& overviewImage() const;
    mutable QImage mOverview;
    mutable std::optional<QRgb> mOverviewFill;
    QImage mSurface;
    QImage mPreview;
    QImage mRowGrid;
    int mRowColumn = 0;
    int mRowRow = 0;
    std::function<void(const QString&)> mInfo;
    EditorParts mChanges;

    // The phase list as last loaded or saved.
    QString mSavedPhases = mDocument.phases();
    // The step being recorded.
    UndoHistory mHistory;
    int mStepDepth = 0;
    bool mPushing = false;
    int mStrokeCount = 0; // paint strokes started
    int mStroke = 0;      // the number of the stroke the mouse paints, 0 outside a stroke
    bool mStrokeGuard = true; // whether "Laden" was free when the stroke began
    int mTypedCell = -1; // half * 16 + row of the byte cell typed into
    StepKind mStepKind = StepKind::Buffer;
    QString mStepName;
    std::shared_ptr<const StepSnapshot> mStepStart;
    // Overview patterns drawn while the step is open (set * 64 + pattern, from 0), redrawn by its undo.
    std::bitset<512> mStepRedrawn;
    // The buffer as the animation found it: stopping it reloads, and that load is undone to here.
    std::optional<EditBuffer> mBufferBeforeAnimation;
};
