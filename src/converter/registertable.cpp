// Register table storage: one vector of texts per row, grown on write.
#include "converter/registertable.h"

#include <algorithm>

namespace {
const QString kEmpty;
const std::vector<QString> kEmptyRow;
} // namespace

RegisterTable::RegisterTable() = default;

void RegisterTable::setSize(int columns, int rows)
{
    mColumns = std::max(1, columns);
    mRows = std::max(1, rows);
    if (static_cast<int>(mCells.size()) > mRows)
        mCells.resize(mRows);
}

const QString& RegisterTable::cell(int column, int row) const
{
    if (row < 0 || column < 0 || row >= static_cast<int>(mCells.size()))
        return kEmpty;
    const auto& cells = mCells[row];
    return column < static_cast<int>(cells.size()) ? cells[column] : kEmpty;
}

std::vector<QString>& RegisterTable::rowFor(int row)
{
    if (row >= static_cast<int>(mCells.size()))
        mCells.resize(row + 1);
    return mCells[row];
}

void RegisterTable::setCell(int column, int row, const QString& text)
{
    if (row < 0 || column < 0)
        return;
    if (text.isEmpty() && cell(column, row).isEmpty())
        return;
    auto& cells = rowFor(row);
    if (column >= static_cast<int>(cells.size()))
        cells.resize(column + 1);
    cells[column] = text;
}

const std::vector<QString>& RegisterTable::rowCells(int row) const
{
    return row >= 0 && row < static_cast<int>(mCells.size()) ? mCells[row] : kEmptyRow;
}

void RegisterTable::clearRows()
{
    if (mCells.size() > 1)
        mCells.resize(1);
}

void RegisterTable::moveColumn(int from, int to)
{
    if (from < 0 || to < 0 || from == to)
        return;
    const int needed = std::max(from, to) + 1;
    for (auto& cells : mCells) {
        if (static_cast<int>(cells.size()) <= std::min(from, to))
            continue;
        if (static_cast<int>(cells.size()) < needed)
            cells.resize(needed);
        if (from < to)
            std::rotate(cells.begin() + from, cells.begin() + from + 1, cells.begin() + to + 1);
        else
            std::rotate(cells.begin() + to, cells.begin() + from, cells.begin() + from + 1);
    }
}
