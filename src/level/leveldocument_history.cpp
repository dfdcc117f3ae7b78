// The level document's undo stack, which QtGui holds, and the steps the document pushes itself.
#include "level/leveldocument.h"

#include "level/undo_initlevel.h"
#include "level/undo_leveledit.h"

#include <QUndoStack>

QUndoStack& LevelDocument::undoStack()
{
    if (!mUndo) {
        auto* stack = new QUndoStack(this);
        mUndo = stack;
        mUndoHooks = {[stack] { stack->clear(); }, [stack] { return stack->isClean(); }, [stack] { stack->setClean(); }};
    }
    return *static_cast<QUndoStack*>(mUndo);
}

void LevelDocument::push(QUndoCommand* command)
{
    QUndoStack& stack = undoStack();
    ++mPushDepth;
    stack.push(command);
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
