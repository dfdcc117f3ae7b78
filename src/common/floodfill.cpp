// Finding the region a fill reaches, breadth first.
#include "common/floodfill.h"

std::vector<QPoint> FloodRegion(QSize size, QPoint start, const std::function<bool(QPoint)>& joins)
{
    const auto inside = [size](QPoint p) { return p.x() >= 0 && p.y() >= 0 && p.x() < size.width() && p.y() < size.height(); };
    if (!inside(start))
        return {};
    std::vector<bool> seen(std::size_t(size.width()) * std::size_t(size.height()), false);
    const auto mark = [&](QPoint p) { seen[std::size_t(p.y()) * std::size_t(size.width()) + std::size_t(p.x())] = true; };
    const auto marked = [&](QPoint p) { return seen[std::size_t(p.y()) * std::size_t(size.width()) + std::size_t(p.x())]; };
    std::vector<QPoint> region{start};
    mark(start);
    for (std::size_t next = 0; next < region.size(); ++next) {
        const QPoint cell = region[next];
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = cell + step;
            if (!inside(n) || marked(n))
                continue;
            mark(n);
            if (joins(n))
                region.push_back(n);
        }
    }
    return region;
}
