// Patterns written into level cells: cells written at once (paste, cut, delete, fill) as one named
// undo step, and a paint stroke, whose cells come one push at a time and merge into one step.
#pragma once

#include "level/undo_leveledit.h"

// A pattern for one level cell.
struct CellWrite {
    QPoint cell;
    int pattern;
};

// The cells the writes change, before and after (LevelEditPlan); empty when they change none.
std::vector<LevelCellEdit> CellWriteEdits(const LevelDocument& document, const std::vector<CellWrite>& writes);

class WriteCellsCommand : public LevelEditCommand {
public:
    WriteCellsCommand(LevelDocument& document, const QString& text, std::vector<LevelCellEdit> edits);
};

// "Malen" (or the tool's name, as "Stempel"): what one paint of a stroke changes. The edit session numbers its strokes (a press starts
// a new one); a push merges into the step before it when that is of the same stroke, so a stroke is
// one step and a new stroke never joins the last one.
class PaintStrokeCommand : public LevelEditCommand {
public:
    PaintStrokeCommand(LevelDocument& document, int stroke, std::vector<LevelCellEdit> edits,
                       const QString& text = QStringLiteral("Malen"));
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    int mStroke;
};
