// The pattern editor's undo history: a view of the stack its document owns, made where it is used.
#pragma once

#include "pattern/patterndocument.h"

class RecordedStep;
class UndoStack;

class PatternHistory {
public:
    // Steps kept; older ones are dropped, which bounds the history's memory.
    static constexpr int kLimit = 2000;

    // Makes the document's stack on first use.
    explicit PatternHistory(PatternDocument& document);

    // Pushes a worked-out step unless it changes nothing; returns whether it was pushed.
    bool record(RecordedStep* step);
    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;
    // The names of the steps undo and redo would take ("Füllen"); empty when there is none.
    QString undoText() const;
    QString redoText() const;
    int size() const;
    // A loaded file starts a fresh history. What was unsaved stays unsaved.
    void clear();
    // Takes effect on an empty history only.
    void setLimit(int steps);

    // Whether store, registers, row colours or phases differ from the last load or save of the
    // pattern file: a step that changes them done or undone since then (undoing back to that point
    // makes it saved again), or the phase list typed, which records no step.
    bool documentModified() const;
    // The document as it stands counts as saved (after loading or saving the file).
    void markSaved();
    // The document matches no file any more (half of another file taken in).
    void markModified();

private:
    UndoStack& stack() const;

    PatternDocument& mDocument;
};
