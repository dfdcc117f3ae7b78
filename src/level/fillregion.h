// The cells a fill reaches: the 4-connected region of one pattern.
#pragma once

#include <QPoint>
#include <vector>

class LevelDocument;

// Every cell reachable from `start` through left, right, up and down neighbours that hold the start
// cell's pattern (leftCode div 2), the start included, in the order they are reached. A neighbour
// whose code is not a number belongs to no region; a start cell whose code is not a number throws
// ConversionError, as picking it does.
std::vector<QPoint> FillRegion(const LevelDocument& document, QPoint start);
