// The undo step of an edit-buffer change: painting, filling, the shifts and mirrors, typing into
// the byte grid, and loading a pattern into the buffer.
#pragma once

#include "pattern/undo_step.h"

class BufferStep : public PatternStep {
public:
    // typedCell: half * 16 + row of the byte cell a keystroke changed, -1 for other steps.
    BufferStep(PatternEditor& editor, const QString& name, StepChanges changes, int typedCell = -1);
    int id() const override;
    // Keystrokes into the same byte cell make one step, and so do loads that follow each other.
    bool mergeWith(const QUndoCommand* other) override;

private:
    int mTypedCell;
};
