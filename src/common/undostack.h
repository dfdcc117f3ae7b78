// The one way both editors record a step: the change is worked out as data before the push (the
// texts it changes, before and after), a step that changes nothing is never pushed, and the pushed
// command makes the change in redo(), the first one (run by the push) included; undo() puts the
// texts before back.
#pragma once

#include "common/stephistory.h"

#include <QUndoCommand>
#include <QUndoStack>
#include <memory>

// A step worked out before the push. It holds only what it changes and has no "already done" flag.
class RecordedStep : public QUndoCommand {
public:
    void undo() final { apply(false); }
    void redo() final { apply(true); }
    // Whether the step would change nothing: such a step is not pushed.
    virtual bool isEmpty() const = 0;
    // Whether the step changes what the document's file holds; a step of the editor's session alone
    // (the pattern editor's edit buffer) does not, and leaves the document saved.
    virtual bool changesFile() const { return true; }

protected:
    explicit RecordedStep(const QString& text) : QUndoCommand(text) {}
    // Writes the texts after the step (after true) or before it.
    virtual void apply(bool after) = 0;
};

// A document's undo stack: Qt's QUndoStack behind the document's StepHistory.
class UndoStack final : public StepHistory {
public:
    explicit UndoStack(int limit = 0) { mStack.setUndoLimit(limit); }
    // The history a document's slot holds, made there on first use.
    static UndoStack& of(HistorySlot& slot, int limit = 0);
    static const UndoStack* find(const HistorySlot& slot) { return static_cast<const UndoStack*>(slot.get()); }

    QUndoStack& stack() { return mStack; }
    const QUndoStack& stack() const { return mStack; }

    // Pushes a step unless it is empty (Qt's stack drops what could be redone at every push, so a
    // step that changes nothing must not reach it). Returns whether it was pushed; an empty step is
    // deleted.
    bool record(RecordedStep* step);

    // Whether a step between the saved point and now, on either side, changes the file (and
    // whether there is no saved point in the history at all).
    bool changedSinceClean() const;

    void clear() override { mStack.clear(); }
    bool isClean() const override { return mStack.isClean(); }
    void setClean() override { mStack.setClean(); }
    void resetClean() override { mStack.resetClean(); }

private:
    QUndoStack mStack;
};
