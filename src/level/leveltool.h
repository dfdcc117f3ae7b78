// The seam between the level picture's mouse and keys and what they do: one LevelTool is active at a time.
#pragma once

#include "level/levelkey.h"
#include "level/levelpicture.h"

#include <QPoint>
#include <QRect>
#include <QtCore/qnamespace.h>
#include <optional>

// A pointer event over the level picture, in picture pixels.
struct LevelPointer {
    QPoint point;
    unsigned buttons = 0; // LevelEditSession::ButtonBit set of the held buttons
    bool shift = false;
    QPoint cell() const { return {point.x() / LevelPicture::kCell, point.y() / LevelPicture::kCell}; }
};

// A way of working on the level with the mouse (a press, the drag it starts, its release) and the keys
// that act at the cursor. The level window hands its picture's events to the active tool; the tool does
// its change through the model (one undo step per stroke) and sets the banner for the cell under the
// pointer. A tool keeps no widget: the window shows its cursor shape.
class LevelTool {
public:
    virtual ~LevelTool() = default;

    // A button pressed over the picture: starts the tool's stroke.
    virtual void press(const LevelPointer& pointer) = 0;
    // The pointer moved, with buttons held (a drag) or none (hovering).
    virtual void move(const LevelPointer& pointer) = 0;
    // The buttons released: ends the stroke.
    virtual void release() {}
    // A key at the cursor (Space, P, F, Entf); false when the tool takes no such key.
    virtual bool key(LevelKey) { return false; }
    // What the mouse pointer looks like over the level while the tool is active.
    virtual Qt::CursorShape cursorShape() const { return Qt::ArrowCursor; }
    // The cells a drag under way will change, framed by the picture until the release.
    virtual std::optional<QRect> outline() const { return std::nullopt; }
};
