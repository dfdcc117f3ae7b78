// Edit-buffer steps and which of them merge.
#include "pattern/undo_bufferstep.h"

#include "common/undoids.h"

BufferStep::BufferStep(PatternEditor& editor, const QString& name, StepChanges changes, int typedCell)
    : PatternStep(editor, name, std::move(changes)), mTypedCell(typedCell)
{
}

int BufferStep::id() const
{
    if (mTypedCell >= 0)
        return kUndoPatternTyping;
    return text() == QLatin1String("Laden") ? kUndoPatternLoading : -1;
}

bool BufferStep::mergeWith(const QUndoCommand* other)
{
    const auto* later = static_cast<const BufferStep*>(other);
    if (later->mTypedCell != mTypedCell)
        return false;
    mChanges.append(later->mChanges);
    return true;
}
