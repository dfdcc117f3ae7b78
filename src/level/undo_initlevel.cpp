// The level initialisation as edits.
#include "level/undo_initlevel.h"

namespace {

LevelEditPlan InitLevelPlan(const LevelDocument& document, int pattern)
{
    LevelEditPlan plan(document);
    for (int y = 0; y < LevelDocument::kRows; ++y)
        for (int x = 0; x < LevelDocument::kColumns; ++x)
            plan.writeCell(x, y, LevelDocument::emptyLevelPattern(x, pattern));
    for (LevelTable table : {LevelTable::Monsters, LevelTable::Switches})
        for (int row = 1; row <= LevelDocument::tableRows(table); ++row)
            for (int column = 1; column <= LevelDocument::tableColumns(table); ++column)
                plan.setTableCell(table, row, column, LevelDocument::initialTableCell(table, row, column));
    return plan;
}

} // namespace

InitLevelCommand::InitLevelCommand(LevelDocument& document, int pattern)
    : InitLevelCommand(document, InitLevelPlan(document, pattern))
{
}

InitLevelCommand::InitLevelCommand(LevelDocument& document, const LevelEditPlan& plan)
    : LevelEditCommand(document, QStringLiteral("Level Initialisieren"), plan.tableEdits(), plan.cellEdits())
{
}
