// The level code text: colour lines and level cells as assembler data lines for the game's source.
#pragma once

#include <QStringList>

class LevelDocument;

// Number of lines the text always has.
constexpr int kLevelCodeLines = 29;

// A banner of four lines, the ten colour lines ("OriginalColorLine1: .byte $00,$...") with the
// hex texts as they stand, a second banner, the ten level lines ("LevelLine1:           .byte 0, ...")
// with the left code of every cell as it stands, and two empty lines. Nothing is converted or checked.
QStringList LevelAssemblerCode(const LevelDocument& document);
