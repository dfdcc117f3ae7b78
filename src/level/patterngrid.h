// Rectangles of level pattern numbers and their clipboard text.
#pragma once

#include <QString>
#include <QStringView>
#include <limits>
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

// Longest text ParsePatternGrid reads: a whole level of three-digit numbers fills about 5,000
// characters, so a longer text is no level copy; it is refused before any of it is read.
constexpr qsizetype kMaxPatternGridText = 1 << 20;

// The grid a text holds: lines (CR LF, LF or CR) of whole numbers 0-127, apart by tabs or blanks,
// every line as long as the first; blank lines at the end are passed over. Only the first maxRows
// lines and the first maxColumns numbers of each are read (what lands on the level): a line longer
// than that counts as maxColumns numbers, and what lies beyond is neither read nor checked. A text
// longer than kMaxPatternGridText characters and anything else gives no grid and says in German
// where and why.
PatternGridParse ParsePatternGrid(QStringView text, int maxRows = std::numeric_limits<int>::max(),
                                  int maxColumns = std::numeric_limits<int>::max());
