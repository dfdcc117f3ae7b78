// Moving the cell cursor and keeping its selection.
#include "level/levelcursor.h"

#include "level/leveldocument.h"

#include <algorithm>

namespace {

QPoint Clamped(QPoint cell)
{
    return {std::clamp(cell.x(), 0, LevelDocument::kColumns - 1), std::clamp(cell.y(), 0, LevelDocument::kRows - 1)};
}

} // namespace

std::optional<QRect> LevelCursor::selection() const
{
    if (!mAnchor)
        return std::nullopt;
    // Built from the corners' minimum and maximum: QRect::normalized() treats its corners as edges.
    return QRect(QPoint(std::min(mAnchor->x(), mCell.x()), std::min(mAnchor->y(), mCell.y())),
                 QPoint(std::max(mAnchor->x(), mCell.x()), std::max(mAnchor->y(), mCell.y())));
}

void LevelCursor::go(QPoint cell, bool extend)
{
    if (!extend)
        mAnchor.reset();
    else if (!mAnchor)
        mAnchor = mCell;
    mCell = Clamped(cell);
}

void LevelCursor::moveTo(QPoint cell) { go(cell, false); }

void LevelCursor::moveBy(int dx, int dy, bool extend) { go(mCell + QPoint(dx, dy), extend); }

void LevelCursor::toRowStart(bool extend) { go(QPoint(0, mCell.y()), extend); }

void LevelCursor::toRowEnd(bool extend) { go(QPoint(LevelDocument::kColumns - 1, mCell.y()), extend); }

void LevelCursor::beginDrag(QPoint cell)
{
    mCell = Clamped(cell);
    mAnchor = mCell;
}

void LevelCursor::dragTo(QPoint cell)
{
    if (mAnchor)
        mCell = Clamped(cell);
}

void LevelCursor::endDrag()
{
    if (mAnchor == mCell)
        mAnchor.reset();
}
