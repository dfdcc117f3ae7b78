// What an undo step of the pattern editor holds: the texts it changed, before and after, and what
// its operation draws; the draft an operation works out its change on; and the command.
#pragma once

#include "common/undostack.h"
#include "pattern/patterneditor.h"

#include <QList>
#include <optional>

// A cell of the pixel grid (data false: column 0-7) or the byte grid (data true: half 0-1).
struct BufferCellChange {
    bool data = false;
    quint8 column = 0;
    quint8 row = 0;
    QString before;
    QString after;
};

struct RowColorChange {
    quint8 column = 0;
    quint8 row = 0;
    RowColorEntry before;
    RowColorEntry after;
};

struct RegisterChange {
    quint8 k = 0;
    ColorRegister before;
    ColorRegister after;
};

struct StoreEntryChange {
    quint8 bank = 0; // 1-16
    quint8 character = 0;
    quint8 row = 0;
    QString before;
    QString after;
};

// What a step draws on the editing surface and the preview, done or undone.
enum class SurfaceDrawing : quint8 {
    None,  // nothing (storing)
    Cells, // the pixel cells it changed (painting)
    Whole, // the whole pattern
};

// The changed texts of one step and what it draws; empty lists cost no allocation.
struct StepChanges {
    QList<BufferCellChange> cells;
    QList<RowColorChange> rowColors;
    QList<RegisterChange> registers;
    QList<StoreEntryChange> entries;
    bool guardBefore = true;
    bool guardAfter = true;
    // The pattern the buffer belongs to (set * 64 + pattern - 1), before and after.
    int originBefore = 0;
    int originAfter = 0;
    // Overview patterns to redraw (set * 64 + pattern, from 0); all of them when redrawAll.
    QList<quint16> redrawn;
    bool redrawAll = false;
    SurfaceDrawing surface = SurfaceDrawing::None;

    bool changesTexts() const;
    // Whether the step changes what the pattern file holds (store, registers, row colours).
    bool changesDocument() const;
    // Puts the texts before (after false) or after the step into the editor and draws what the
    // step draws.
    void apply(PatternEditor& editor, bool after) const;
    // Takes a later step on top of this one: its after texts win, its before texts count where this
    // step had not touched the text yet.
    void append(const StepChanges& later);
};

// The texts a step may change. Copies of implicitly shared texts: taking one costs no text copy.
struct StepSnapshot {
    EditBuffer buffer;
    RowColorTable rowColors;
    ColorRegisterSet registers;
    bool guard = true;
    int origin = 0;
    std::optional<PatternStore> store; // only for steps that change the store

    static StepSnapshot take(const PatternEditor& editor, bool withStore);
    // The texts that differ between this snapshot and a later one.
    StepChanges changesTo(const StepSnapshot& later) const;
};

// What an operation works on before anything is pushed: a copy of the editor's texts, and what the
// step is to draw. The editor stays as it is until the step is pushed.
struct PatternDraft : StepSnapshot {
    PatternDraft(const PatternEditor& editor, bool withStore);

    // The store as the operation sees it: its own copy, or the editor's where it changes none.
    const PatternStore& storeView() const { return store ? *store : mEditorStore; }
    void setOrigin(int set, int pattern);
    // Draws pattern x + 1 of set y + 1 (x 0-63, y 0-7) in the overview with the step.
    void redrawPattern(int x, int y);
    void redrawSet(int y);
    void drawSurface(SurfaceDrawing surface);

    QList<quint16> redrawn;
    bool redrawAll = false;
    SurfaceDrawing surface = SurfaceDrawing::None;

private:
    const PatternStore& mEditorStore;
};

// A step of the pattern editor. It merges by its kind: the cells of one paint stroke make one step,
// and so do keystrokes into the same byte cell and loads that follow each other.
class PatternStep final : public RecordedStep {
public:
    // typedCell: half * 16 + row of the byte cell a keystroke changed, -1 for other steps.
    // stroke: the number of the paint stroke a painted cell belongs to, 0 for other steps.
    PatternStep(PatternEditor& editor, PatternStepKind kind, const QString& text, StepChanges changes, int typedCell,
                int stroke);
    bool isEmpty() const override { return !mChanges.changesTexts(); }
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;
    // Whether the step changes what the pattern file holds (store, registers, row colours).
    bool changesFile() const override { return mChanges.changesDocument(); }

private:
    void apply(bool after) override { mChanges.apply(mEditor, after); }

    PatternEditor& mEditor;
    PatternStepKind mKind;
    StepChanges mChanges;
    int mTypedCell;
    int mStroke;
};
