// Texts before and after a change of table cells and level cells, kept by the undo steps of placing and resetting.
#pragma once

#include "level/leveldocument.h"

#include <vector>

struct TableCellEdit {
    LevelTable table;
    int row;
    int column;
    QString before, after;
};

// Collects what a sequence of plain operations changes: the first text a cell held and its last.
// Cells whose text ends as it began are dropped by edits().
class LevelEditRecorder {
public:
    explicit LevelEditRecorder(LevelDocument& document) : mDocument(document) {}

    void setTableCell(LevelTable table, int row, int column, const QString& text);
    void writeCell(int x, int y, int pattern);

    bool isEmpty() const;
    std::vector<TableCellEdit> tableEdits() const;
    std::vector<LevelCellEdit> cellEdits() const;

private:
    LevelDocument& mDocument;
    std::vector<TableCellEdit> mTables;
    std::vector<LevelCellEdit> mCells;
};

// Writes the before or the after texts back through the plain operations, latest change first on
// the way back.
void RestoreTableEdits(LevelDocument& document, const std::vector<TableCellEdit>& edits, bool after);
void RestoreCellEdits(LevelDocument& document, const std::vector<LevelCellEdit>& edits, bool after);

// Appends later edits to earlier ones: a cell both touched keeps the earlier before and the later after.
void MergeTableEdits(std::vector<TableCellEdit>& into, const std::vector<TableCellEdit>& later);
void MergeCellEdits(std::vector<LevelCellEdit>& into, const std::vector<LevelCellEdit>& later);
