// Pushing recorded steps.
#include "common/undostack.h"

#include <algorithm>

UndoStack& UndoStack::of(HistorySlot& slot, int limit)
{
    if (!slot.get())
        slot.hold(new UndoStack(limit));
    return *static_cast<UndoStack*>(slot.get());
}

bool UndoStack::record(RecordedStep* step)
{
    std::unique_ptr<RecordedStep> owned(step);
    if (!owned || owned->isEmpty())
        return false;
    mStack.push(owned.release());
    return true;
}

bool UndoStack::changedSinceClean() const
{
    if (mStack.cleanIndex() < 0)
        return true;
    const int from = std::min(mStack.cleanIndex(), mStack.index());
    const int to = std::max(mStack.cleanIndex(), mStack.index());
    for (int i = from; i < to; ++i) {
        // Only record() pushes, and only recorded steps.
        if (static_cast<const RecordedStep*>(mStack.command(i))->changesFile())
            return true;
    }
    return false;
}
