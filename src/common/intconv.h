// The single integer conversion used by every reader of numbers held as text.
#pragma once

#include <QString>
#include <optional>

// Value 0-15 of a hex digit "0"-"9", "A"-"F" or "a"-"f"; -1 for any other character.
int HexDigitValue(QChar c);

// Optional leading blanks, optional sign, then decimal digits or "$" and hex digits.
// Hex takes up to 32 bits (so "$FFFFFFFF" is -1); decimal must fit a signed 32-bit value.
std::optional<int> TryStrToInt(const QString& text);

// As TryStrToInt, but throws ConversionError with the text on failure.
int StrToInt(const QString& text);

// As TryStrToInt, with a fallback for guarded readers.
int StrToIntDef(const QString& text, int fallback);
