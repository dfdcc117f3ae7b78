// The two overlays of the level picture on Qt Core: switches with their labels, lines and hatched target
// fields, monsters with their labels and walks. The level editor draws them into its picture and
// tavrel-cli render-level into its indexed one, through the same code.
#pragma once

#include "palette/ataricolor.h"

#include <QtGlobal>

class LevelDocument;

// What the overlays are drawn on: runs of pixels of one colour.
class OverlayCanvas {
public:
    virtual ~OverlayCanvas() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    // Pixels x0 ... x1 of row y take the colour; all of them lie inside the picture.
    virtual void fill(int y, int x0, int x1, PackedColor color) = 0;
};

PackedColor OverlayMonsterColor(int n);
PackedColor OverlaySwitchColor(int n);

// Active switches with their labels, lines to their targets and hatched target fields.
// Throws ConversionError when a switchX is not a number.
void DrawSwitchOverlay(OverlayCanvas& canvas, const LevelDocument& document);
// Monsters whose posX is not 0, with labels and the 240-step walk. Throws ConversionError when a posX
// or a code on a walk is not a number.
void DrawMonsterOverlay(OverlayCanvas& canvas, const LevelDocument& document);

// A line of 5 pixels' width with square ends between two pixel positions (any 64-bit values: what
// lies outside the canvas is not drawn): the pixels whose centres lie inside the rectangle around the
// segment, reaching 2.5 pixels beyond each end and to each side (a centre on the left or top edge
// counts as outside, on the right or bottom edge as inside). A line of no length is a 5 x 5 square.
void DrawWideLine(OverlayCanvas& canvas, qint64 x1, qint64 y1, qint64 x2, qint64 y2, PackedColor color);
// A target field of 32 x 32 pixels at (left, top): an outline 5 pixels wide around its edge (2 pixels
// outside, 3 inside) and diagonal hatching inside it (the pixels whose x + y is 7 modulo 8; the others
// keep what was there).
void DrawTargetField(OverlayCanvas& canvas, qint64 left, qint64 top, PackedColor color);
