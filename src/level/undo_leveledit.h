// The level's undo command: the level cells and table cells a step changes, before and after.
#pragma once

#include "common/undostack.h"
#include "level/leveledits.h"

#include <vector>

// A RecordedStep: redo() writes the after texts (the push runs it: the command does its change
// itself), undo() the before texts, both through the plain operations inside a step run, whose one
// announcement tells the views what to draw: by default the cells the step changed; a step may draw
// something else for its first run (what its operation draws) than for an undo or redo. The kinds of
// steps differ only in their text, in how they merge and in what they draw:
//   "Level Initialisieren" (undo_initlevel.h), a paint stroke and cells written at once
//   (undo_writecells.h), a placement (undo_placement.h); typed table cells and table resets are
//   LevelEditCommands as they are.
class LevelEditCommand : public RecordedStep {
public:
    LevelEditCommand(LevelDocument& document, const QString& text, std::vector<TableCellEdit> tables,
                     std::vector<LevelCellEdit> cells, StepRedraws redraws = {});
    bool isEmpty() const override { return mTables.empty() && mCells.empty(); }

protected:
    // Takes a later command's edits on top of these; the step becomes obsolete when nothing is left.
    void mergeEdits(const LevelEditCommand& later);
    LevelDocument& mDocument;

private:
    void apply(bool after) override;

    std::vector<TableCellEdit> mTables;
    std::vector<LevelCellEdit> mCells;
    StepRedraws mRedraws;
};

// A typed cell of the monster or switch table ("Gegner ändern", "Schalter ändern").
LevelEditCommand* TableCellCommand(LevelDocument& document, LevelTable table, int row, int column, const QString& text);
// "Init Table" of the monster or the switch table, holding the cells the reset changes; nullptr
// when it changes none.
LevelEditCommand* TableResetCommand(LevelDocument& document, LevelTable table);
