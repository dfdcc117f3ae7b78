// The undo step of an edit-buffer change: painting, filling, the shifts and mirrors, typing into
// the byte grid, and loading a pattern into the buffer.
#pragma once

#include "pattern/undo_step.h"

class BufferStep final : public PatternStep {
public:
    // typedCell: half * 16 + row of the byte cell a keystroke changed, -1 for other steps.
    // stroke: the number of the paint stroke a painted cell belongs to, 0 for other steps.
    BufferStep(PatternEditor& editor, const QString& name, StepChanges changes, int typedCell, int stroke);
    int id() const override;
    // The cells of one paint stroke make one step, and so do keystrokes into the same byte cell and
    // loads that follow each other.
    bool mergeWith(const QUndoCommand* other) override;

private:
    int mTypedCell;
    int mStroke;
};
