// What a mouse release over the palette grid picks, and the picture of that grid.
#pragma once

#include "palette/ataricolor.h"

#include <QImage>
#include <QString>

// The grid shows 16 hue rows and 16 columns of 31-pixel cells, each followed by a 1-pixel line.
constexpr int kPaletteCellPitch = 32;
constexpr int kPaletteCellSize = kPaletteCellPitch - 1;
constexpr int kPaletteGridCells = 16;
constexpr int kPaletteGridPixels = kPaletteGridCells * kPaletteCellPitch;

// The info line before anything was clicked (and each time the window is shown).
QString PaletteInitialInfo();

// The luminance a grid column shows: only even ones, columns 2k and 2k + 1 both show 2k.
constexpr int PaletteColumnLuminance(int column) { return (column / 2) * 2; }

// One picked Atari colour, always a valid hue row and luminance 0-15.
struct PalettePick {
    int row = 0;
    int luminance = 0;

    AtariColor atariColor() const { return static_cast<AtariColor>(row * 16 + luminance); }
    QString colorCode() const { return ColorCodeOf(row, luminance); }
    PackedColor color() const;
    PackedColor textColor() const { return ContrastTextColor(luminance); }
    // "Rot: R        Grün: G        Blau: B" with the decimal channel values.
    QString infoText() const;

    friend bool operator==(const PalettePick&, const PalettePick&) = default;
};

// The pick of a pointer position relative to the grid's top-left corner. The grid keeps the mouse
// while a button is held, so positions past the last column or row select 15, and positions left
// of or above the grid select 0 rather than a negative index.
PalettePick PickAt(int x, int y);

// The colour a grid cell shows.
PackedColor PaletteCellColor(int column, int row);

// The whole grid: every cell filled with its colour, grid lines in between.
QImage DrawPaletteGrid();
