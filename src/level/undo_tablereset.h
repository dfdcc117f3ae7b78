// "Init Table" of the monster or the switch table as one undo step.
#pragma once

#include "level/leveledits.h"

#include <QUndoCommand>

// Holds the cells the reset changed, before and after; pushed when already done.
class TableResetCommand : public QUndoCommand {
public:
    TableResetCommand(LevelDocument& document, LevelTable table, std::vector<TableCellEdit> edits);
    void undo() override;
    void redo() override;

private:
    LevelDocument& mDocument;
    std::vector<TableCellEdit> mEdits;
    bool mDone = true;
};
