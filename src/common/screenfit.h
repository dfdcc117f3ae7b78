// Where a window goes so that it lies whole on the screen.
#pragma once

#include <QMargins>
#include <QRect>

// The client rectangle for a window that would like client size `wanted` and whose frame adds `frame`:
// no larger than what lets the whole frame lie inside `available` (but not below `minimum`), centred
// on `available`, and never with its frame above or left of it.
QRect FitOnScreen(QSize wanted, QSize minimum, QMargins frame, QRect available);
// The rectangle moved (not resized) the least that brings it inside `available`; where it is larger,
// its left and top edges are kept inside.
QRect MovedInside(QRect outer, const QRect& available);
