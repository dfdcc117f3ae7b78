// Undo and redo of a paint stroke.
#include "level/undo_paintstroke.h"

PaintStrokeCommand::PaintStrokeCommand(LevelDocument& document, std::vector<LevelCellEdit> edits)
    : QUndoCommand(QStringLiteral("Malen")), mDocument(document), mEdits(std::move(edits))
{
}

void PaintStrokeCommand::undo()
{
    LevelDocument::Restoring restoring(mDocument);
    // Backwards, so that the oldest texts are what remains.
    for (auto it = mEdits.rbegin(); it != mEdits.rend(); ++it)
        mDocument.setCellCodes(it->cell.x(), it->cell.y(), it->leftBefore, it->rightBefore);
    mDone = false;
}

void PaintStrokeCommand::redo()
{
    if (mDone)
        return;
    LevelDocument::Restoring restoring(mDocument);
    for (const LevelCellEdit& e : mEdits)
        mDocument.setCellCodes(e.cell.x(), e.cell.y(), e.leftAfter, e.rightAfter);
    mDone = true;
}
