// Undo and redo of a table reset.
#include "level/undo_tablereset.h"

TableResetCommand::TableResetCommand(LevelDocument& document, LevelTable table, std::vector<TableCellEdit> edits)
    : QUndoCommand(table == LevelTable::Monsters ? QStringLiteral("Monstertabelle initialisieren")
                                                 : QStringLiteral("Schaltertabelle initialisieren")),
      mDocument(document),
      mEdits(std::move(edits))
{
}

void TableResetCommand::undo()
{
    LevelDocument::Restoring restoring(mDocument);
    RestoreTableEdits(mDocument, mEdits, false);
    mDone = false;
}

void TableResetCommand::redo()
{
    if (mDone)
        return;
    LevelDocument::Restoring restoring(mDocument);
    RestoreTableEdits(mDocument, mEdits, true);
    mDone = true;
}
