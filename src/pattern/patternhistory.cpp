// Moving through the pattern editor's history and what it tells of the saved state.
#include "pattern/patternhistory.h"

#include "common/undostack.h"

PatternHistory::PatternHistory(PatternDocument& document) : mDocument(document)
{
    UndoStack::of(mDocument.history(), kLimit);
}

UndoStack& PatternHistory::stack() const
{
    return UndoStack::of(mDocument.history(), kLimit);
}

bool PatternHistory::record(RecordedStep* step)
{
    return stack().record(step);
}

void PatternHistory::undo() { stack().stack().undo(); }
void PatternHistory::redo() { stack().stack().redo(); }
bool PatternHistory::canUndo() const { return stack().stack().canUndo(); }
bool PatternHistory::canRedo() const { return stack().stack().canRedo(); }
QString PatternHistory::undoText() const { return stack().stack().undoText(); }
QString PatternHistory::redoText() const { return stack().stack().redoText(); }
int PatternHistory::size() const { return stack().stack().count(); }

void PatternHistory::clear()
{
    const bool modified = documentModified();
    stack().clear();
    if (modified)
        stack().resetClean();
}

void PatternHistory::setLimit(int steps)
{
    stack().stack().setUndoLimit(steps);
}

bool PatternHistory::documentModified() const
{
    // Buffer-only steps between the saved point and now do not count.
    return mDocument.phasesModified() || stack().changedSinceClean();
}

void PatternHistory::markSaved()
{
    stack().setClean();
    mDocument.markPhasesSaved();
}

void PatternHistory::markModified()
{
    stack().resetClean();
}
