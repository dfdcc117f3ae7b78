// The level document's undoable steps and its undo stack, which QtGui holds.
#include "level/leveldocument.h"

#include "level/undo_initlevel.h"
#include "level/undo_paintstroke.h"
#include "level/undo_tablecell.h"

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

// --- undoable steps -------------------------------------------------------------------------------------

void LevelDocument::beginStroke()
{
    endStroke();
    mStroke.emplace();
}

void LevelDocument::paintCell(int x, int y, int pattern)
{
    if (!inGrid(x, y))
        return;
    const bool single = !mStroke;
    if (single)
        mStroke.emplace();
    const QPoint cell(x, y);
    auto it = std::find_if(mStroke->begin(), mStroke->end(), [&](const LevelCellEdit& e) { return e.cell == cell; });
    if (it == mStroke->end()) {
        mStroke->push_back({cell, leftCode(x, y), rightCode(x, y), {}, {}});
        it = mStroke->end() - 1;
    }
    writeCell(x, y, pattern);
    it->leftAfter = leftCode(x, y);
    it->rightAfter = rightCode(x, y);
    if (single)
        endStroke();
}

void LevelDocument::endStroke()
{
    if (!mStroke)
        return;
    std::vector<LevelCellEdit> edits;
    for (LevelCellEdit& e : *mStroke)
        if (e.leftBefore != e.leftAfter || e.rightBefore != e.rightAfter)
            edits.push_back(std::move(e));
    mStroke.reset();
    if (!edits.empty())
        undoStack().push(new PaintStrokeCommand(*this, std::move(edits)));
}

void LevelDocument::initialiseLevel(int pattern)
{
    endStroke();
    undoStack().push(new InitLevelCommand(*this, pattern));
}

void LevelDocument::editTableCell(LevelTable table, int row, int column, const QString& text)
{
    if (!tableSlot(table, row, column) || tableCell(table, row, column) == text)
        return;
    endStroke();
    undoStack().push(new TableCellCommand(*this, table, row, column, text));
}
