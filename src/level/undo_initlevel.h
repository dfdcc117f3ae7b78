// "Level Initialisieren" as one undo step.
#pragma once

#include "level/undo_leveledit.h"

// Holds the cells and table cells that InitEmptyLevel(pattern) changes.
class InitLevelCommand : public LevelEditCommand {
public:
    InitLevelCommand(LevelDocument& document, int pattern);

private:
    InitLevelCommand(LevelDocument& document, const LevelEditPlan& plan);
};
