// Finding the region a fill reaches, breadth first over the 1280 cells.
#include "level/fillregion.h"

#include "common/intconv.h"
#include "level/leveldocument.h"

#include <array>

std::vector<QPoint> FillRegion(const LevelDocument& document, QPoint start)
{
    if (!LevelDocument::inGrid(start.x(), start.y()))
        return {};
    const int pattern = document.cellPattern(start.x(), start.y());
    std::array<std::array<bool, LevelDocument::kColumns>, LevelDocument::kRows> seen{};
    std::vector<QPoint> region{start};
    seen[start.y()][start.x()] = true;
    for (std::size_t next = 0; next < region.size(); ++next) {
        const QPoint cell = region[next];
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = cell + step;
            if (!LevelDocument::inGrid(n.x(), n.y()) || seen[n.y()][n.x()])
                continue;
            seen[n.y()][n.x()] = true;
            const std::optional<int> code = TryStrToInt(document.leftCode(n.x(), n.y()));
            if (code && *code / 2 == pattern)
                region.push_back(n);
        }
    }
    return region;
}
