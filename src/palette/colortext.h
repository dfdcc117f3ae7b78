// The text form of screen colours in files and tables: a standard name or "$" and eight hex digits.
#pragma once

#include "palette/ataricolor.h"

#include <optional>

// One of the 20 names when the colour equals it, else "$" and eight upper-case hex digits.
QString FormatColorText(PackedColor color);

// A name in any letter case, or a decimal or "$"-hex integer; nothing else.
std::optional<PackedColor> TryParseColorText(const QString& text);

// As TryParseColorText; a text that is not a colour raises the conversion error with the text.
PackedColor ParseColorText(const QString& text);
