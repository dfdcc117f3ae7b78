// Sizing a window so that it lies whole on the screen, title bar and frame included.
#pragma once

#include <QSize>

class QWidget;

// Sizes and places a window about to be shown: as large as `wanted` where that fits, never below its
// minimum size, with its frame inside the primary screen's free area and centred on it. The frame is the
// window's own once shown, else that of the active window, else a common one.
void FitWindowOnScreen(QWidget* window, QSize wanted);
// The same for a window at its present size, only when that does not fit: a window that fits is left
// where the window manager puts it.
void KeepWindowOnScreen(QWidget* window);
// Makes a shown window `extra` pixels wider where the screen's free area has room for the whole of it,
// moving it left as far as needed to stay inside; false (and nothing changed) where it has not, or the
// window is maximised or full screen.
bool WidenWindowOnScreen(QWidget* window, int extra);
// Watches a window for its first seconds on the screen: once the window manager has framed it, a frame
// that reaches past the screen's free area is moved (and, if need be, shrunk) inside it.
void KeepFrameOnScreen(QWidget* window);
