// Recording and restoring the texts of table cells and level cells.
#include "level/leveledits.h"

#include <algorithm>

namespace {

template <class Edit>
void DropUnchanged(std::vector<Edit>& edits)
{
    std::erase_if(edits, [](const Edit& e) { return e.before == e.after; });
}

bool SameTableCell(const TableCellEdit& a, const TableCellEdit& b)
{
    return a.table == b.table && a.row == b.row && a.column == b.column;
}

bool Unchanged(const LevelCellEdit& e)
{
    return e.leftBefore == e.leftAfter && e.rightBefore == e.rightAfter;
}

} // namespace

void LevelEditPlan::setTableCell(LevelTable table, int row, int column, const QString& text)
{
    if (row < 1 || row > LevelDocument::tableRows(table) || column < 1 || column > LevelDocument::tableColumns(table))
        return;
    const TableCellEdit key{table, row, column, {}, {}};
    auto it = std::find_if(mTables.begin(), mTables.end(), [&](const TableCellEdit& e) { return SameTableCell(e, key); });
    if (it == mTables.end()) {
        mTables.push_back({table, row, column, mDocument.tableCell(table, row, column), {}});
        it = mTables.end() - 1;
    }
    it->after = text;
}

void LevelEditPlan::writeCell(int x, int y, int pattern)
{
    if (!LevelDocument::inGrid(x, y))
        return;
    const QPoint cell(x, y);
    auto it = std::find_if(mCells.begin(), mCells.end(), [&](const LevelCellEdit& e) { return e.cell == cell; });
    if (it == mCells.end()) {
        mCells.push_back({cell, mDocument.leftCode(x, y), mDocument.rightCode(x, y), {}, {}});
        it = mCells.end() - 1;
    }
    it->leftAfter = LevelDocument::writtenLeftCode(pattern);
    it->rightAfter = LevelDocument::writtenRightCode(pattern);
}

bool LevelEditPlan::isEmpty() const
{
    return tableEdits().empty() && cellEdits().empty();
}

std::vector<TableCellEdit> LevelEditPlan::tableEdits() const
{
    std::vector<TableCellEdit> edits = mTables;
    DropUnchanged(edits);
    return edits;
}

std::vector<LevelCellEdit> LevelEditPlan::cellEdits() const
{
    std::vector<LevelCellEdit> edits = mCells;
    std::erase_if(edits, Unchanged);
    return edits;
}

void RestoreTableEdits(LevelDocument& document, const std::vector<TableCellEdit>& edits, bool after)
{
    if (after) {
        for (const TableCellEdit& e : edits)
            document.setTableCell(e.table, e.row, e.column, e.after);
        return;
    }
    for (auto it = edits.rbegin(); it != edits.rend(); ++it)
        document.setTableCell(it->table, it->row, it->column, it->before);
}

void RestoreCellEdits(LevelDocument& document, const std::vector<LevelCellEdit>& edits, bool after)
{
    if (after) {
        for (const LevelCellEdit& e : edits)
            document.setCellCodes(e.cell.x(), e.cell.y(), e.leftAfter, e.rightAfter);
        return;
    }
    for (auto it = edits.rbegin(); it != edits.rend(); ++it)
        document.setCellCodes(it->cell.x(), it->cell.y(), it->leftBefore, it->rightBefore);
}

void MergeTableEdits(std::vector<TableCellEdit>& into, const std::vector<TableCellEdit>& later)
{
    for (const TableCellEdit& e : later) {
        auto it = std::find_if(into.begin(), into.end(), [&](const TableCellEdit& d) { return SameTableCell(d, e); });
        if (it == into.end())
            into.push_back(e);
        else
            it->after = e.after;
    }
    DropUnchanged(into);
}

void MergeCellEdits(std::vector<LevelCellEdit>& into, const std::vector<LevelCellEdit>& later)
{
    for (const LevelCellEdit& e : later) {
        auto it = std::find_if(into.begin(), into.end(), [&](const LevelCellEdit& d) { return d.cell == e.cell; });
        if (it == into.end()) {
            into.push_back(e);
        } else {
            it->leftAfter = e.leftAfter;
            it->rightAfter = e.rightAfter;
        }
    }
    std::erase_if(into, Unchanged);
}
