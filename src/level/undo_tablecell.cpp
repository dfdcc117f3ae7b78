// Undo and redo of a typed table cell.
#include "level/undo_tablecell.h"

TableCellCommand::TableCellCommand(LevelDocument& document, LevelTable table, int row, int column,
                                   const QString& text)
    : QUndoCommand(table == LevelTable::Monsters ? QStringLiteral("Gegner ändern") : QStringLiteral("Schalter ändern")),
      mDocument(document),
      mTable(table),
      mRow(row),
      mColumn(column),
      mBefore(document.tableCell(table, row, column)),
      mAfter(text)
{
}

void TableCellCommand::undo()
{
    LevelDocument::Restoring restoring(mDocument);
    mDocument.setTableCell(mTable, mRow, mColumn, mBefore);
}

void TableCellCommand::redo()
{
    LevelDocument::Restoring restoring(mDocument);
    mDocument.setTableCell(mTable, mRow, mColumn, mAfter);
}
