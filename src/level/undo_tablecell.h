// One typed cell of the monster or switch table as one undo step.
#pragma once

#include "level/leveldocument.h"

#include <QUndoCommand>

class TableCellCommand : public QUndoCommand {
public:
    TableCellCommand(LevelDocument& document, LevelTable table, int row, int column, const QString& text);
    void undo() override;
    void redo() override;

private:
    LevelDocument& mDocument;
    LevelTable mTable;
    int mRow;
    int mColumn;
    QString mBefore;
    QString mAfter;
};
