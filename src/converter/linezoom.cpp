// Line zoom rules of the converter's picture.
#include "converter/linezoom.h"

#include <algorithm>

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
