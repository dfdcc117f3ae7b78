// Undo and redo of patterns written into many cells.
#include "level/undo_writecells.h"

WriteCellsCommand::WriteCellsCommand(LevelDocument& document, const QString& text, std::vector<CellWrite> writes)
    : QUndoCommand(text), mDocument(document), mWrites(std::move(writes))
{
}

void WriteCellsCommand::redo()
{
    LevelDocument::Restoring restoring(mDocument);
    if (mWritten) {
        RestoreCellEdits(mDocument, mEdits, true);
        return;
    }
    LevelEditRecorder recorder(mDocument);
    for (const CellWrite& w : mWrites)
        recorder.writeCell(w.cell.x(), w.cell.y(), w.pattern);
    mEdits = recorder.cellEdits();
    mWrites = {};
    mWritten = true;
    setObsolete(mEdits.empty());
}

void WriteCellsCommand::undo()
{
    LevelDocument::Restoring restoring(mDocument);
    RestoreCellEdits(mDocument, mEdits, false);
}
