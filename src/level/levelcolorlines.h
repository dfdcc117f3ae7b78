// Editing the level's colour lines: the swatch keys, the palette hand-back, the take-over and the standard colours.
#pragma once

#include "level/leveldocument.h"
#include "palette/paletterequest.h"

#include <optional>

class ColorRegisterSet;
class LevelDrawing;

// The caption colour of a handed-back entry: white when the caption's second character sorts before
// "A" (a luminance digit 0-9, or no second character), black otherwise.
PackedColor HandBackTextColor(const QString& caption);

// Every change is one undo step that holds only the entries it changed.
class LevelColorLines {
public:
    LevelColorLines(LevelDocument& document, LevelDrawing& drawing);

    // The request of a double click on swatch (column 0-4, line 1-10): the entry's fill, caption
    // and caption colour in the preview, its key in Labelfarbe, Buttonwahl2 to accept. The caller
    // adds where the answer goes.
    PaletteRequest request(int column, int line) const;

    // Buttonwahl2's hand-back. The entry whose key is the answer's target takes the fill and the
    // caption, its caption colour follows HandBackTextColor, and its level row is redrawn. A target
    // that names no entry ("Grid", the converter's) changes nothing. Returns the row redrawn.
    std::optional<int> accept(const PaletteAnswer& answer);

    // takeRegisterColors as a step: every line takes the five registers; nothing is redrawn.
    void takeOver(const ColorRegisterSet& registers);
    // "Standardfarbe setzen" after its question: Farbenstandard as a step, then every cell of rows
    // 0-9 is drawn (no overlays); a code that is not a number stops the drawing there.
    void standardColors(const ColorRegisterSet& registers);

private:
    // The lines (1-10) the step changed.
    QList<int> push(const QString& text, const LevelDocument::ColorEntries& target, StepRedraws redraws = {});

    LevelDocument& mDocument;
    LevelDrawing& mDrawing;
};
