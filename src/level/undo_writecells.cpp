// Written cells and paint strokes as undo steps.
#include "level/undo_writecells.h"

#include "common/undoids.h"

std::vector<LevelCellEdit> CellWriteEdits(const LevelDocument& document, const std::vector<CellWrite>& writes)
{
    LevelEditPlan plan(document);
    for (const CellWrite& w : writes)
        plan.writeCell(w.cell.x(), w.cell.y(), w.pattern);
    return plan.cellEdits();
}

WriteCellsCommand::WriteCellsCommand(LevelDocument& document, const QString& text, std::vector<LevelCellEdit> edits)
    : LevelEditCommand(document, text, {}, std::move(edits))
{
}

PaintStrokeCommand::PaintStrokeCommand(LevelDocument& document, int stroke, std::vector<LevelCellEdit> edits,
                                       const QString& text)
    : LevelEditCommand(document, text, {}, std::move(edits)), mStroke(stroke)
{
}

int PaintStrokeCommand::id() const { return kUndoLevelPaintStroke; }

bool PaintStrokeCommand::mergeWith(const QUndoCommand* other)
{
    const auto* later = static_cast<const PaintStrokeCommand*>(other);
    if (later->mStroke != mStroke)
        return false;
    mergeEdits(*later);
    return true;
}
