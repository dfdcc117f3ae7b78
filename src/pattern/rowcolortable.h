// The player mode's three colours for each of the 16 pattern rows.
#pragma once

#include "palette/ataricolor.h"

#include <array>

struct RowColorEntry {
    PackedColor displayColor = 0;
    QString code;               // ColorCode text, empty until set

    bool operator==(const RowColorEntry&) const = default;
};

// Column c (0-2) holds pixel code c + 1, row r (0-15) belongs to pattern row r.
class RowColorTable {
public:
    static constexpr int kColumns = 3;
    static constexpr int kRows = 16;

    RowColorEntry& at(int c, int r) { return mEntries[r][c]; }
    const RowColorEntry& at(int c, int r) const { return mEntries[r][c]; }

    // Whole rows, as the vertical shifts and mirrors move them.
    using Row = std::array<RowColorEntry, kColumns>;
    Row& row(int r) { return mEntries[r]; }
    const Row& row(int r) const { return mEntries[r]; }

    bool operator==(const RowColorTable&) const = default;

private:
    std::array<Row, kRows> mEntries;
};
