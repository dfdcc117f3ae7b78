// Edit-buffer steps and which of them merge.
#include "pattern/undo_bufferstep.h"

#include "common/undoids.h"

BufferStep::BufferStep(PatternEditor& editor, const QString& name, StepChanges changes, int typedCell, int stroke)
    : PatternStep(editor, name, std::move(changes)), mTypedCell(typedCell), mStroke(stroke)
{
}

int BufferStep::id() const
{
    if (mTypedCell >= 0)
        return kUndoPatternTyping;
    if (mStroke > 0)
        return kUndoPatternPaintStroke;
    return text() == QLatin1String("Laden") ? kUndoPatternLoading : -1;
}

bool BufferStep::mergeWith(const QUndoCommand* other)
{
    // The ids agree: both are the same kind of step.
    const auto* later = static_cast<const BufferStep*>(other);
    if (later->mTypedCell != mTypedCell || later->mStroke != mStroke)
        return false;
    mChanges.append(later->mChanges);
    return true;
}
