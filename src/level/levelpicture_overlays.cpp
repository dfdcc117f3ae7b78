// The two overlays of the level picture, drawn by the overlay code the command-line companion uses too.
#include "level/levelpicture.h"

#include "level/leveloverlays_picture.h"

void LevelPicture::drawSwitches()
{
    ImageOverlayCanvas canvas(levelImage());
    DrawSwitchOverlay(canvas, mDocument);
}

void LevelPicture::drawMonsters()
{
    ImageOverlayCanvas canvas(levelImage());
    DrawMonsterOverlay(canvas, mDocument);
}
