// Undo and redo of a placement by mouse.
#include "level/undo_placement.h"

PlacementCommand::PlacementCommand(LevelDocument& document, const QString& text, int placement,
                                   std::vector<TableCellEdit> tables, std::vector<LevelCellEdit> cells,
                                   std::function<void()> redraw)
    : QUndoCommand(text),
      mDocument(document),
      mPlacement(placement),
      mTables(std::move(tables)),
      mCells(std::move(cells)),
      mRedraw(std::move(redraw))
{
}

void PlacementCommand::restore(bool after)
{
    {
        LevelDocument::Restoring restoring(mDocument);
        RestoreCellEdits(mDocument, mCells, after);
        RestoreTableEdits(mDocument, mTables, after);
    }
    // After the announcement, so that the overlays end up on top of the restored cells.
    if (mRedraw)
        mRedraw();
}

void PlacementCommand::undo()
{
    restore(false);
    mDone = false;
}

void PlacementCommand::redo()
{
    if (mDone)
        return;
    restore(true);
    mDone = true;
}

bool PlacementCommand::mergeWith(const QUndoCommand* other)
{
    const auto* later = static_cast<const PlacementCommand*>(other);
    if (later->mPlacement != mPlacement)
        return false;
    MergeTableEdits(mTables, later->mTables);
    MergeCellEdits(mCells, later->mCells);
    setText(later->text());
    setObsolete(mTables.empty() && mCells.empty());
    return true;
}
