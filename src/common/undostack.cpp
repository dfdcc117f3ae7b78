// Pushing recorded steps.
#include "common/undostack.h"

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
    struct Recording {
        int& depth;
        explicit Recording(int& d) : depth(++d) {}
        ~Recording() { --depth; }
    } recording(mRecording);
    mStack.push(owned.release());
    return true;
}
