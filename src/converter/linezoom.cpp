// Line zoom rules and the pointer-to-pixel rule of the converter's picture.
#include "converter/linezoom.h"

#include <algorithm>
#include <cmath>

int LineZoomAfterLoad(int scrollBoxHeight, int pictureHeight, int current)
{
    const int v = scrollBoxHeight / (pictureHeight + 1) - 1;
    return v > kDefaultLineZoom ? std::min(v, kMaxLineZoom) : current;
}

int LineZoomAfterResize(int scrollBoxHeight, int tableRowCount)
{
    const int v = scrollBoxHeight / std::max(1, tableRowCount) - 1;
    return v > kDefaultLineZoom ? std::min(v, kMaxLineZoom) : kDefaultLineZoom;
}

int PictureDisplayHeight(int lineZoom, int tableRowCount)
{
    return (lineZoom + 1) * std::max(0, tableRowCount - 1);
}

std::optional<QPoint> PicturePixelAt(int x, int y, int drawnWidth, int drawnHeight, int width, int height)
{
    if (width <= 0 || height <= 0 || drawnWidth <= 0 || drawnHeight <= 0)
        return std::nullopt;
    const double px = std::trunc(x / (static_cast<double>(drawnWidth) / width));
    const double py = std::trunc(y / (static_cast<double>(drawnHeight) / height));
    return QPoint(static_cast<int>(px), static_cast<int>(py));
}
