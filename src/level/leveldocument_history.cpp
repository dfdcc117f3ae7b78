// The level document's undo stack, which QtGui holds, and the steps the document pushes itself.
#include "level/leveldocument.h"

#include "level/undo_initlevel.h"
#include "level/undo_leveledit.h"

#include "common/undostack.h"

#include <utility>

QUndoStack& LevelDocument::undoStack()
{
    return UndoStack::of(mHistory).stack();
}

bool LevelDocument::push(RecordedStep* step)
{
    mDrawFailure = nullptr;
    const bool pushed = UndoStack::of(mHistory).record(step);
    if (std::exception_ptr failure = std::exchange(mDrawFailure, nullptr))
        std::rethrow_exception(failure);
    return pushed;
}

void LevelDocument::drawFailed(std::exception_ptr failure)
{
    // The first failure is the one the push reports.
    if (!mDrawFailure)
        mDrawFailure = std::move(failure);
}

// --- undoable steps -------------------------------------------------------------------------------------

bool LevelDocument::initialiseLevel(int pattern)
{
    return push(new InitLevelCommand(*this, pattern));
}

void LevelDocument::editTableCell(LevelTable table, int row, int column, const QString& text)
{
    if (!tableSlot(table, row, column) || tableCell(table, row, column) == text)
        return;
    push(TableCellCommand(*this, table, row, column, text));
}
