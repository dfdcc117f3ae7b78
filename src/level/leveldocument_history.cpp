// The level document's undo stack, which QtGui holds, and the steps the document pushes itself.
#include "level/leveldocument.h"

#include "level/undo_initlevel.h"
#include "level/undo_leveledit.h"

#include "common/undostack.h"

QUndoStack& LevelDocument::undoStack()
{
    return UndoStack::of(mHistory).stack();
}

void LevelDocument::push(RecordedStep* step)
{
    ++mPushDepth;
    UndoStack::of(mHistory).record(step);
    --mPushDepth;
}

// --- undoable steps -------------------------------------------------------------------------------------

void LevelDocument::initialiseLevel(int pattern)
{
    push(new InitLevelCommand(*this, pattern));
}

void LevelDocument::editTableCell(LevelTable table, int row, int column, const QString& text)
{
    if (!tableSlot(table, row, column) || tableCell(table, row, column) == text)
        return;
    push(TableCellCommand(*this, table, row, column, text));
}
