// Undo and redo of the level initialisation.
#include "level/undo_initlevel.h"

InitLevelCommand::InitLevelCommand(LevelDocument& document, int pattern)
    : QUndoCommand(QStringLiteral("Level Initialisieren")),
      mDocument(document),
      mPattern(pattern),
      mGrid(document.gridCodes()),
      mMonsters(document.tableCells(LevelTable::Monsters)),
      mSwitches(document.tableCells(LevelTable::Switches))
{
}

void InitLevelCommand::undo()
{
    LevelDocument::Restoring restoring(mDocument);
    mDocument.setGridCodes(mGrid);
    mDocument.setTableCells(LevelTable::Monsters, mMonsters);
    mDocument.setTableCells(LevelTable::Switches, mSwitches);
}

void InitLevelCommand::redo()
{
    LevelDocument::Restoring restoring(mDocument);
    mDocument.InitEmptyLevel(mPattern);
}
