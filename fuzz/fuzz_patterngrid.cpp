// The level clipboard's reader: any text, read up to any number of rows and columns that can land.
// A grid it gives holds only patterns 0-127 in equally long rows within the bounds, and its own text
// reads back as the same grid.
#include "level/patterngrid.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes pick where the cursor stands: 1-10 rows and 1-128 columns to the edges, or
    // no bound at all.
    const int rows = data[0] == 255 ? std::numeric_limits<int>::max() : 1 + data[0] % 10;
    const int columns = data[1] == 255 ? std::numeric_limits<int>::max() : 1 + data[1] % 128;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    const PatternGridParse parsed = ParsePatternGrid(text, rows, columns);
    if (!parsed.ok()) {
        if (!parsed.grid.empty())
            std::abort();
        return 0;
    }
    if (parsed.grid.empty() || parsed.grid.size() > std::size_t(rows))
        std::abort();
    for (const std::vector<int>& row : parsed.grid) {
        if (row.empty() || row.size() != parsed.grid.front().size() || row.size() > std::size_t(columns))
            std::abort();
        for (int value : row)
            if (value < 0 || value > 127)
                std::abort();
    }
    const PatternGridParse back = ParsePatternGrid(PatternGridText(parsed.grid));
    if (!back.ok() || back.grid != parsed.grid)
        std::abort();
    return 0;
}
