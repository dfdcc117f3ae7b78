// What the level editor's picture draws for the operations of the monster, switch and colour pages.
#pragma once

// The level editor implements it over its level picture and the two overlay check boxes.
// Every call may throw ConversionError where a code or a table text is not a number.
class LevelDrawing {
public:
    virtual ~LevelDrawing() = default;
    // Every cell row by row, then the switch overlay and the monster overlay where they are ticked.
    virtual void drawlevel() = 0;
    // The cell's own pattern (leftCode div 2), in the colours of its row.
    virtual void drawCell(int x, int y) = 0;
    // The 128 cells of row y.
    virtual void updateline(int y) = 0;
    // The monster overlay over the current picture, when the monsters are ticked.
    virtual void drawMonstersIfShown() = 0;
};
