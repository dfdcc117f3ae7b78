// Moving through the pattern editor's history and what it tells of the saved state.
#include "pattern/patternhistory.h"

#include "common/undostack.h"
#include "pattern/undo_step.h"

#include <algorithm>

PatternHistory::PatternHistory(PatternDocument& document) : mDocument(document)
{
    UndoStack::of(mDocument.history(), kLimit);
}

UndoStack& PatternHistory::stack() const
{
    return UndoStack::of(mDocument.history(), kLimit);
}

bool PatternHistory::record(PatternStep* step)
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
    if (mDocument.phasesModified())
        return true;
    // The steps between the saved point and now, on either side: buffer-only steps do not count.
    const QUndoStack& s = stack().stack();
    if (s.cleanIndex() < 0)
        return true;
    const int from = std::min(s.cleanIndex(), s.index());
    const int to = std::max(s.cleanIndex(), s.index());
    for (int i = from; i < to; ++i) {
        // Only the editor pushes onto its document's stack, and only its steps.
        if (static_cast<const PatternStep*>(s.command(i))->changesDocument())
            return true;
    }
    return false;
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
