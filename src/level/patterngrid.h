// Rectangles of level pattern numbers and their clipboard text.
#pragma once

#include <QString>
#include <vector>

// Rows of pattern numbers 0-127, all rows equally long.
using PatternGrid = std::vector<std::vector<int>>;

// One line per row, the numbers apart by tabs, every line ended by a line feed: a spreadsheet takes
// it as a table, and it reads back as the same grid.
QString PatternGridText(const PatternGrid& grid);

struct PatternGridParse {
    PatternGrid grid;
    QString error; // empty when the text is a grid
    bool ok() const { return error.isEmpty(); }
};

// The grid a text holds: lines (CR LF, LF or CR) of whole numbers 0-127, apart by tabs or blanks,
// every line as long as the first; blank lines at the end are passed over. Anything else gives no
// grid and says in German where and why.
PatternGridParse ParsePatternGrid(const QString& text);
