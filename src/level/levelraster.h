// The level picture as one byte per pixel over the colours it uses, on Qt Core alone: what tavrel-cli
// render-level writes, pixel for pixel the level editor's picture after loading.
#pragma once

#include "common/indexedimage.h"

class LevelDocument;
class LevelPixelTable;

// 4096 x 320: every cell's pattern (its code div 2) in the colours of its row's colour line, drawn row by
// row from the top left. Throws ConversionError where the editor's redraw after loading stops: at the
// first code that is not a number, or a pattern above 127.
IndexedImage RenderLevelCells(const LevelDocument& document, const LevelPixelTable& pixels);
// Then the monster overlay and the switch overlay over it, in that order, as after loading. Throws as
// DrawMonsterOverlay and DrawSwitchOverlay do.
void DrawLoadedLevelOverlays(IndexedImage& image, const LevelDocument& document);
