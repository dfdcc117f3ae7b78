// The texts before and after a change of level cells and table cells: what the level's undo commands hold.
#pragma once

#include "level/leveldocument.h"

#include <vector>

struct TableCellEdit {
    LevelTable table;
    int row;
    int column;
    QString before, after;
};

// Works out, without changing the document, what a sequence of writes would change: for each cell
// the text the document holds now and the last text written. A write sees the earlier writes of the
// plan. Cells whose text would end as it began are dropped by the edits.
class LevelEditPlan {
public:
    explicit LevelEditPlan(const LevelDocument& document) : mDocument(document) {}

    void setTableCell(LevelTable table, int row, int column, const QString& text);
    // Outside the grid nothing is planned.
    void writeCell(int x, int y, int pattern);

    bool isEmpty() const;
    std::vector<TableCellEdit> tableEdits() const;
    std::vector<LevelCellEdit> cellEdits() const;

private:
    const LevelDocument& mDocument;
    std::vector<TableCellEdit> mTables;
    std::vector<LevelCellEdit> mCells;
};

// Writes the before or the after texts through the plain operations, latest change first on the way back.
void RestoreTableEdits(LevelDocument& document, const std::vector<TableCellEdit>& edits, bool after);
void RestoreCellEdits(LevelDocument& document, const std::vector<LevelCellEdit>& edits, bool after);

// Appends later edits to earlier ones: a cell both touched keeps the earlier before and the later after.
void MergeTableEdits(std::vector<TableCellEdit>& into, const std::vector<TableCellEdit>& later);
void MergeCellEdits(std::vector<LevelCellEdit>& into, const std::vector<LevelCellEdit>& later);
