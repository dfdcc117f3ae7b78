// The preview of a monster's walk: 240 steps from its start cell, turning at walls and edges.
#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

class LevelDocument;

// A cell of the walk. A typed position may be any 32-bit number and the walk steps one cell beyond
// it, so the coordinates are wider than the table's numbers.
struct PathCell {
    qint64 x = 0;
    qint64 y = 0;
    bool operator==(const PathCell&) const = default;
};

// The cells the walk visits: the start cell, then one cell per step (241 in all).
// Facing "O" up, "U" down, "L" left, "R" right (any letter case); anything else stays in place.
// A cell is walkable when its leftCode, less 128 when above 128, is 2 or lies in 104-110.
// A vertical walk visits the blocking cell (or the clamped edge row) for one step and turns; a
// horizontal walk turns in front of the blocking cell. Cells outside the grid count as blocking
// and are never read. Throws ConversionError for a cell code that is not a number.
std::vector<PathCell> MonsterPath(const LevelDocument& document, qint64 startX, qint64 startY, const QString& facing);

constexpr int kMonsterPathSteps = 240;
