// The line zoom: each picture line drawn as tall as a table row, so line y stands beside row y.
#pragma once

constexpr int kDefaultLineZoom = 8;
constexpr int kMinLineZoom = 1;
constexpr int kMaxLineZoom = 100;

// After a load: the zoom that fits height + 1 rows into the scroll box, when larger than 8;
// otherwise the current one.
int LineZoomAfterLoad(int scrollBoxHeight, int pictureHeight, int current);
// After the window was resized (with a picture loaded): back to 8, or larger when the rows fit.
int LineZoomAfterResize(int scrollBoxHeight, int tableRowCount);
// The height of the drawn picture: one line pitch (zoom + 1) per table row below the header.
int PictureDisplayHeight(int lineZoom, int tableRowCount);

