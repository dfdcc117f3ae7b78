// The level picture (4096 x 320) and the pattern chooser (1024 x 128), drawn from the level document.
#pragma once

#include "level/leveloverlays.h"
#include "level/levelpixeltable.h"
#include "palette/ataricolor.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <array>

class ColorRegisterSet;
class LevelDocument;
struct LevelChange;

// Each Atari pixel is a block of 4 x 2 screen pixels, each pattern a square of 32 x 32. Level cells take
// the colours of their row's colour line; the chooser and the previews take the pattern editor's
// registers F0-F4. Patterns 64-127 show the graphics of p - 64 with E (F4) in place of D (F3) for
// pixel value 3; any pixel value outside 1-3 takes A (F0).
class LevelPicture {
public:
    static constexpr int kCell = 32;
    static constexpr int kWidth = 4096;
    static constexpr int kHeight = 320;
    static constexpr int kChooserWidth = 1024;
    static constexpr int kChooserHeight = 128;
    static constexpr int kChooserColumns = 32;

    // Both are read on every draw; the registers are the pattern editor's.
    LevelPicture(const LevelDocument& document, const ColorRegisterSet& registers);

    // Both pictures are made, white, when first drawn or shown, so that a level editor that is never
    // opened costs no memory for them.
    const QImage& level() const { return Made(mLevel, kWidth, kHeight); }
    const QImage& chooser() const { return Made(mChooser, kChooserWidth, kChooserHeight); }
    LevelPixelTable& pixels() { return mPixels; }
    const LevelPixelTable& pixels() const { return mPixels; }

    // --- cells ------------------------------------------------------------------------------------
    // Pattern p at cell (x, y) in the colours of line y + 1. A pattern above 127 has no pixels: it
    // stops with the conversion error of an empty text. A negative one draws as a plain cell in A.
    void UpdatePatternLevel(int pattern, int x, int y);
    // The cell's own pattern (leftCode div 2); throws ConversionError for a code that is not a number.
    void drawCell(int x, int y);
    // Row y from the grid; stops at the first cell whose code is not a number.
    void updateline(int y);
    // All cells row by row, then the switch overlay, then the monster overlay, each if asked for.
    void drawlevel(bool switches, bool monsters);
    // The redraw after loading: every cell (stopping with ConversionError at a code that is not a
    // number), then the monster overlay and then the switch overlay, each if asked for.
    void drawLoadedLevel(bool monsters, bool switches);
    // All cells, each on its own: a cell that cannot be drawn is passed over.
    void drawAllCells();

    // --- overlays -----------------------------------------------------------------------------------
    // Active switches with their labels, lines to their targets and hatched target fields.
    // Throws ConversionError when a switchX is not a number.
    void drawSwitches();
    // Monsters whose posX is not 0, with labels and the 240-step path preview. Throws ConversionError
    // when a posX or a code on a path is not a number.
    void drawMonsters();
    static PackedColor monsterColor(int n) { return OverlayMonsterColor(n); }
    static PackedColor switchColor(int n) { return OverlaySwitchColor(n); }

    // --- editor colours -------------------------------------------------------------------------------
    // Pattern p at cell (x, y) of an image, in the pattern editor's colours. Cells outside the image
    // are not drawn; a pattern above 127 throws as in UpdatePatternLevel.
    void UpdatePattern2(int pattern, int x, int y, QImage& image) const;
    // Every level pattern n at chooser column n mod 32, row n div 32.
    void drawChooser();

private:
    using Colors = std::array<QRgb, 5>;
    static QImage& Made(QImage& image, int width, int height);
    QImage& levelImage() { return Made(mLevel, kWidth, kHeight); }
    QImage& chooserImage() { return Made(mChooser, kChooserWidth, kChooserHeight); }
    void drawPattern(int pattern, int x, int y, QImage& image, const Colors& colors) const;
    Colors lineColors(int y) const;
    Colors registerColors() const;

    const LevelDocument& mDocument;
    const ColorRegisterSet& mRegisters;
    LevelPixelTable mPixels;
    mutable QImage mLevel;
    mutable QImage mChooser;
};

// The redraw after loading: every cell (stopping with ConversionError at a code that is not a number),
// then the monster overlay and then the switch overlay, each if asked for.
void DrawLoadedLevel(LevelPicture& picture, bool monsters, bool switches);
