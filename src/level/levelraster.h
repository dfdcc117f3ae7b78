// The level picture's cells as one byte per pixel over the colour lines' colours, on Qt Core alone: what
// tavrel-cli render-level writes without overlays, pixel for pixel the level editor's picture after loading.
#pragma once

#include "common/indexedimage.h"

class LevelDocument;
class LevelPixelTable;

// 4096 x 320: every cell's pattern (its code div 2) in the colours of its row's colour line, drawn row by
// row from the top left. Throws ConversionError where the editor's redraw after loading stops: at the
// first code that is not a number, or a pattern above 127.
IndexedImage RenderLevelCells(const LevelDocument& document, const LevelPixelTable& pixels);
