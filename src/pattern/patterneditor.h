// The pattern editor's editing session: the pattern document it edits, the edit buffer, the paint
// value, the current pattern and the edit operations. It is cut into pieces with one job each:
// the pictures (PatternPicture), the animation (PatternAnimation) and the history (PatternHistory,
// over the stack the document owns); the window talks to the pieces it needs.
#pragma once

#include "pattern/editbuffer.h"
#include "pattern/patternanimation.h"
#include "pattern/patterndocument.h"
#include "pattern/patternhistory.h"
#include "pattern/patternpicture.h"

#include <QByteArray>
#include <QFlags>
#include <algorithm>
#include <array>
#include <functional>
#include <optional>

struct PatternDraft;

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

// The kinds of undo steps; each has its German name (PatternStepText), and the kind, never the
// name, decides how steps merge and what they take in.
enum class PatternStepKind {
    Paint,           // "Malen"
    Fill,            // "Füllen"
    RotateUp,        // "Hoch"
    RotateDown,      // "Runter"
    RotateLeft,      // "Links"
    RotateRight,     // "Rechts"
    MirrorLeftRight, // "Spgl LR"
    MirrorTopBottom, // "Spgl HR"
    Typing,          // "Eingabe"
    Loading,         // "Laden"
    Storing,         // "Speichern"
    Swap,            // "<->"
    RegisterColor,   // "Farbe F1"
    RowColor,        // "Zeilenfarbe"
    ColorInit,       // "Farben Init"
    FontImport,      // "FNT importieren"
    Clear,           // "Leeren"
    Invert,          // "Invertieren"
    AreaFill,        // "Fläche füllen"
    Cut,             // "Ausschneiden"
    Paste,           // "Einfügen"
};
// The name undo and redo show; `register` names the register of a RegisterColor step.
QString PatternStepText(PatternStepKind kind, const QString& registerNumber = {});

class PatternEditor {
public:
    static constexpr int kOverviewWidth = PatternPicture::kOverviewWidth;
    static constexpr int kOverviewHeight = PatternPicture::kOverviewHeight;
    static constexpr int kSurfaceSize = PatternPicture::kSurfaceSize;
    static constexpr int kPreviewSize = PatternPicture::kPreviewSize;
    static constexpr PackedColor kFrameColor = PatternPicture::kFrameColor;
    static constexpr int kHistoryLimit = PatternHistory::kLimit;

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
    // Choosing a set or a pattern frames that one pattern alone.
    void setCurrentSet(int set);
    void setCurrentPattern(int pattern);
    // The framed run of patterns in the current set, from the anchor to the current pattern (Shift and
    // the arrows in the overview): what the clipboard takes and where it pastes.
    int runAnchor() const { return mRunAnchor; }
    int runFirst() const { return std::min(mRunAnchor, mPattern); }
    int runLast() const { return std::max(mRunAnchor, mPattern); }
    // Moves the current pattern to `pattern` (clamped to 1-64) and keeps the anchor.
    void extendRunTo(int pattern);
    void setSwapPattern(int pattern);
    void setSwapSet(int set);

    // --- the pieces ------------------------------------------------------------------------------
    const PatternPicture& picture() const { return mPicture; }
    const PatternAnimation& animation() const { return mAnimation; }
    // The history of the document's stack (made with the editor).
    PatternHistory history() { return PatternHistory(mDocument); }
    const PatternHistory history() const;
    // The pictures (PatternPicture).
    const QImage& overview() const { return mPicture.overview(); }
    const QImage& surface() const { return mPicture.surface(); }
    const QImage& preview() const { return mPicture.preview(); }

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
    // Redraws one pixel cell (x 0-7, y 0-15) of the surface and the preview from the pixel grid.
    void drawPixel(int x, int y);
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
    // Ctrl + press: "Fläche füllen" at the cell under the pointer; the moves and the release of this
    // press paint nothing.
    void surfaceFillPress();
    // The label over the editing surface for a position (X, Y relative to it): the pixel's column
    // (1-8), row (1-16) and code; outside the pattern it names none.
    QString pixelText(int x, int y) const;

    // --- edit operations ------------------------------------------------------------------------
    void fill();            // "Füllen"
    void rotateUp();        // "Hoch"
    void rotateDown();      // "Runter"
    void rotateLeft();      // "Links"
    void rotateRight();     // "Rechts"
    void mirrorLeftRight(); // "Spgl LR"
    void mirrorTopBottom(); // "Spgl HR"
    void swapPatterns();    // "<->": exchanges the current and the partner pattern number in all sets
    void clearPattern();    // "Leeren": every pixel code 0
    void invertPattern();   // "Invertieren": every bit flipped, codes 0 <-> 3 and 1 <-> 2
    // "Fläche füllen": the 4-connected area of pixel (x 0-7, y 0-15)'s code takes the paint code.
    // Locks "Laden" as painting does.
    void fillArea(int x, int y);

    // --- patterns on the clipboard and duplicates (patterneditor_patterns.cpp) -------------------------
    // The framed run's stored patterns as text (see pattern/patterntext.h), logged.
    QString copyPatterns();
    // The same patterns in their colours, as the overview shows them.
    QImage runPicture() const;
    // "Ausschneiden": copyPatterns, then the run's patterns cleared, as one step.
    QString cutPatterns();
    // "Einfügen": the patterns of the text into the framed run's first slot and those after it, as one
    // step. What does not fit before the set's end is left out and counted in the log; text that is not
    // patterns changes nothing and the log says why. Returns how many were pasted.
    int pastePatterns(const QString& text);
    // "Doppelte Patterns finden": per set, the groups of patterns with equal bytes ("Set 1: 10 = 42 = 77").
    QStringList duplicatePatterns() const;
    // The same into the log, with a line when there are none.
    void logDuplicatePatterns();
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

    void drawRowColorGrid();
    // A mouse release over the display selects column X div 20 and row Y div 16 (kept inside the table).
    void selectRowColorCell(int x, int y);
    int rowSelectionColumn() const { return mRowColumn; }
    int rowSelectionRow() const { return mRowRow; }

    // --- animation (PatternAnimation) ----------------------------------------------------------------
    // A change of the speed field (1-100): value x 20 ms.
    void setSpeed(int value);
    // "Start Anim"/"Stop Anim": reads the phase list (info lines), then toggles. Starting stores the
    // buffer; stopping gives the buffer back as the animation found it and loads the pattern.
    void toggleAnimation();
    // One timer tick: the next phase's pattern in the buffer, shown; no step.
    void animationStep();

    // --- undo and redo (PatternHistory; shorthands for reading) ----------------------------------------
    // Nothing happens past either end of the history, nor while the animation runs; both end a
    // stroke whose release never came.
    void undo();
    void redo();
    bool canUndo() const { return history().canUndo(); }
    bool canRedo() const { return history().canRedo(); }
    QString undoText() const { return history().undoText(); }
    QString redoText() const { return history().redoText(); }
    int historySize() const { return history().size(); }
    // A loaded file starts a fresh history. What was unsaved stays unsaved.
    void clearHistory();

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
    // See PatternHistory::documentModified.
    bool documentModified() const { return history().documentModified(); }

private:
    // Records an operation as one step: it works out its change on a draft of the editor's texts,
    // then the step is pushed and makes the change in its redo, drawing what it draws. A step that
    // changes no text is not pushed; its guard, origin and drawing still take effect. An operation
    // that fails half-way is recorded as far as it got, then its error goes on.
    void record(PatternStepKind kind, const std::function<void(PatternDraft&)>& operation,
                const QString& registerNumber = {});

    // The operations on a draft, so that one step can join several.
    void loadInto(PatternDraft& draft, int set, int pattern) const;
    void storeInto(PatternDraft& draft) const;
    // Reloads the buffer after the store changed under the current pattern, unless it holds painted
    // changes not yet stored: a later "Speichern" of the old pattern would quietly undo the change.
    void reloadIfFree(PatternDraft& draft) const;
    void rotateRows(PatternDraft& draft, int shift) const;
    void transformRows(PatternStepKind kind, const std::function<std::array<int, 8>(const std::array<int, 8>&)>& transform);
    void deriveF3(ColorRegisterSet& registers);

    void paintCurrentCell(bool withPreview);
    void addInfo(const QString& line);
    void note(EditorParts parts) { mChanges |= parts; }

    PatternDocument mDocument;
    PatternPicture mPicture;
    PatternAnimation mAnimation;
    EditBuffer mBuffer;
    PaintValue mPaint;
    QString mMode = QStringLiteral("Char");
    QString mFontLabel = QStringLiteral(" Kein Font geladen");
    bool mLadenEnabled = true;
    int mBufferSet = 1;
    int mBufferPattern = 1;
    int mSet = 1;
    int mPattern = 1;
    int mRunAnchor = 1;
    int mSwapPattern = 1;
    int mSwapSet = 1;
    int mCursorX = 0;
    int mCursorY = 0;
    int mRowColumn = 0;
    int mRowRow = 0;
    std::function<void(const QString&)> mInfo;
    EditorParts mChanges;

    int mStrokeCount = 0; // paint strokes started
    int mStroke = 0;      // the number of the stroke the mouse paints, 0 outside a stroke
    bool mStrokeGuard = true; // whether "Laden" was free when the stroke began
    bool mFillPress = false;  // the left button went down with Ctrl: an area fill, no stroke
    // The buffer as the animation found it: stopping it gives it back before the reload.
    std::optional<EditBuffer> mBufferBeforeAnimation;
};
