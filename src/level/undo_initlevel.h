// "Level Initialisieren" as one undo step.
#pragma once

#include "level/leveldocument.h"

#include <QUndoCommand>
#include <vector>

// Keeps the grid and both tables as they were; redo runs InitEmptyLevel again.
class InitLevelCommand : public QUndoCommand {
public:
    InitLevelCommand(LevelDocument& document, int pattern);
    void undo() override;
    void redo() override;

private:
    LevelDocument& mDocument;
    int mPattern;
    std::vector<QString> mGrid;
    std::vector<QString> mMonsters;
    std::vector<QString> mSwitches;
};
