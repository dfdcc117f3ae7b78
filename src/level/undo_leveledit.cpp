// Undo and redo of level cells and table cells.
#include "level/undo_leveledit.h"

LevelEditCommand::LevelEditCommand(LevelDocument& document, const QString& text, std::vector<TableCellEdit> tables,
                                   std::vector<LevelCellEdit> cells, StepRedraws redraws)
    : RecordedStep(text), mDocument(document), mTables(std::move(tables)), mCells(std::move(cells)), mRedraws(redraws)
{
}

void LevelEditCommand::apply(bool after)
{
    LevelDocument::StepRun run(mDocument, mRedraws.next());
    RestoreCellEdits(mDocument, mCells, after);
    RestoreTableEdits(mDocument, mTables, after);
}

void LevelEditCommand::mergeEdits(const LevelEditCommand& later)
{
    MergeTableEdits(mTables, later.mTables);
    MergeCellEdits(mCells, later.mCells);
    setObsolete(mTables.empty() && mCells.empty());
}

LevelEditCommand* TableCellCommand(LevelDocument& document, LevelTable table, int row, int column, const QString& text)
{
    LevelEditPlan plan(document);
    plan.setTableCell(table, row, column, text);
    return new LevelEditCommand(document,
                                table == LevelTable::Monsters ? QStringLiteral("Gegner ändern")
                                                              : QStringLiteral("Schalter ändern"),
                                plan.tableEdits(), {});
}

LevelEditCommand* TableResetCommand(LevelDocument& document, LevelTable table)
{
    LevelEditPlan plan(document);
    for (int row = 1; row <= LevelDocument::tableRows(table); ++row)
        for (int column = 1; column <= LevelDocument::tableColumns(table); ++column)
            plan.setTableCell(table, row, column, LevelDocument::initialTableCell(table, row, column));
    if (plan.isEmpty())
        return nullptr;
    return new LevelEditCommand(document,
                                table == LevelTable::Monsters ? QStringLiteral("Monstertabelle initialisieren")
                                                              : QStringLiteral("Schaltertabelle initialisieren"),
                                plan.tableEdits(), {});
}
