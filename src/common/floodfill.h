// The 4-connected region of a cell in a grid: what a fill reaches.
#pragma once

#include <QPoint>
#include <QSize>
#include <functional>
#include <vector>

// Every cell of a `size` grid reachable from `start` through left, right, up and down neighbours for
// which `joins` holds, the start included, in the order they are reached (breadth first). `joins` is
// asked once per cell at most, and only for cells inside the grid. Nothing when the start lies outside.
std::vector<QPoint> FloodRegion(QSize size, QPoint start, const std::function<bool(QPoint)>& joins);
