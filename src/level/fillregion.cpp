// Finding the region a fill reaches over the 1280 cells.
#include "level/fillregion.h"

#include "common/floodfill.h"
#include "common/intconv.h"
#include "level/leveldocument.h"

std::vector<QPoint> FillRegion(const LevelDocument& document, QPoint start)
{
    if (!LevelDocument::inGrid(start.x(), start.y()))
        return {};
    const int pattern = document.cellPattern(start.x(), start.y());
    return FloodRegion(QSize(LevelDocument::kColumns, LevelDocument::kRows), start, [&](QPoint n) {
        const std::optional<int> code = TryStrToInt(document.leftCode(n.x(), n.y()));
        return code && *code / 2 == pattern;
    });
}
