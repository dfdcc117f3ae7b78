// What an undo step of the pattern editor holds: the texts it changed, before and after, and the
// overview patterns its operation drew; and the command base that puts them back.
#pragma once

#include "pattern/patterneditor.h"

#include <QList>
#include <QUndoCommand>
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

// The changed texts of one step; empty lists cost no allocation.
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

    bool changesTexts() const;
    // Whether the step changes what the pattern file holds (store, registers, row colours).
    bool changesDocument() const;
    // Puts the texts before (after false) or after the step back; with redraw, also redraws what the
    // step drew.
    void apply(PatternEditor& editor, bool after, bool redraw) const;
    // Takes a later step on top of this one: its after texts win, its before texts count where this
    // step had not touched the text yet.
    void append(const StepChanges& later);
};

// The editor as a step found it. Copies of implicitly shared texts: taking one costs no text copy.
struct StepSnapshot {
    EditBuffer buffer;
    RowColorTable rowColors;
    ColorRegisterSet registers;
    bool guard = true;
    int origin = 0;
    std::optional<PatternStore> store; // only for steps that change the store

    static StepSnapshot take(const PatternEditor& editor, bool withStore);
    // The texts that differ between this snapshot and the editor now.
    StepChanges changesTo(const PatternEditor& editor) const;
};

// The base of the pattern editor's commands: redo() writes the texts after the step, undo() the texts
// before. The first redo runs inside the editor's push, after the operation drew its result: it
// writes the texts and draws nothing; later ones redraw what the step drew.
class PatternStep : public QUndoCommand {
public:
    void undo() override;
    void redo() override;
    // Whether the step changes what the pattern file holds (store, registers, row colours).
    bool changesDocument() const { return mChanges.changesDocument(); }

protected:
    PatternStep(PatternEditor& editor, const QString& name, StepChanges changes);

    PatternEditor& mEditor;
    StepChanges mChanges;
};

// A step of the store or the colours; it never merges.
class DocumentStep final : public PatternStep {
public:
    DocumentStep(PatternEditor& editor, const QString& name, StepChanges changes)
        : PatternStep(editor, name, std::move(changes))
    {
    }
};
