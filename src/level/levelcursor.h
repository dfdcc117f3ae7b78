// The keyboard's cell cursor on the level and the rectangle of cells selected from it.
#pragma once

#include <QPoint>
#include <QRect>
#include <optional>

// The cursor always stands on a level cell (x 0-127, y 0-9). A selection runs from its anchor to the
// cursor: Shift + arrows or a Ctrl drag set the anchor where they start and move the cursor as the
// other corner. Moving the cursor any other way drops the selection.
class LevelCursor {
public:
    QPoint cell() const { return mCell; }
    // The selected cells, when a selection is made.
    std::optional<QRect> selection() const;
    // What copy, cut and delete act on: the selection, else the cursor's cell.
    QRect target() const { return selection().value_or(QRect(mCell, mCell)); }

    // Puts the cursor on a cell (clamped into the level) and drops the selection.
    void moveTo(QPoint cell);
    // Moves by whole cells, clamped at the level's edges; `extend` (Shift) selects from where the
    // cursor stood.
    void moveBy(int dx, int dy, bool extend);
    // To the first or last column of the cursor's row.
    void toRowStart(bool extend);
    void toRowEnd(bool extend);
    // Escape: the selection goes, the cursor stays.
    void clearSelection() { mAnchor.reset(); }

    // A Ctrl drag: the press puts the cursor and the anchor on its cell, every move takes the cursor
    // along, and a release on the pressed cell leaves no selection.
    void beginDrag(QPoint cell);
    void dragTo(QPoint cell);
    void endDrag();

private:
    void go(QPoint cell, bool extend);

    QPoint mCell{0, 0};
    std::optional<QPoint> mAnchor;
};
