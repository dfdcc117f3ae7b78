// One paint stroke, press to release, as one undo step.
#pragma once

#include "level/leveldocument.h"

#include <QUndoCommand>
#include <vector>

// Holds the two code texts of every cell the stroke changed, before and after. The stroke is
// already painted when it is pushed, so the first redo does nothing.
class PaintStrokeCommand : public QUndoCommand {
public:
    PaintStrokeCommand(LevelDocument& document, std::vector<LevelCellEdit> edits);
    void undo() override;
    void redo() override;

private:
    LevelDocument& mDocument;
    std::vector<LevelCellEdit> mEdits;
    bool mDone = true;
};
