// The texts that describe the 64 level elements, shown when the mouse rests on the pattern chooser.
#pragma once

#include <QString>

// The text of pattern 0-63; a pattern 64-127 has the text of pattern - 64.
// Numbers outside 0-127 have no text (an empty one).
QString ElementDescription(int pattern);
