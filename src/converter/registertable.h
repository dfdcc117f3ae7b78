// The converter's register table: texts addressed by column and row, with a visible size.
#pragma once

#include <QString>
#include <vector>

// Row 0 holds the register headers, column 0 the row numbers; columns 1-9 of row y hold the colour
// texts of the nine colour registers on picture line y. Cells may be written outside the visible
// size; they are kept and read like the others. A cell never written reads as empty text.
class RegisterTable {
public:
    static constexpr int kShownColumns = 20;

    RegisterTable();

    int columnCount() const { return mColumns; }
    int rowCount() const { return mRows; }
    // Sets the visible size. Rows from the new row count on are dropped, as a grid forgets the cells
    // of rows it no longer has; columns are kept.
    void setSize(int columns, int rows);

    const QString& cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    // The cells of a row as stored (may be shorter than the visible width).
    const std::vector<QString>& rowCells(int row) const;
    // Empties every cell of every row from row 1 on, in every column, shown or not.
    void clearRows();
    // Moves a column's cells in every row to another position, shifting those in between.
    void moveColumn(int from, int to);

private:
    std::vector<QString>& rowFor(int row);

    int mColumns = kShownColumns;
    int mRows = 2;
    std::vector<std::vector<QString>> mCells;
};
