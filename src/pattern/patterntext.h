// Patterns as text, for the clipboard: one pattern a line, its 32 bytes as two hex digits each with a
// space between them, in the order of the byte grid (row 0 left half, row 0 right half, row 1 ...).
#pragma once

#include <QString>
#include <array>
#include <vector>

// The 32 bytes of one pattern: rows 0-15, the left half (pixels 0-3) before the right.
using PatternBytes = std::array<unsigned char, 32>;

// "00 3C 66 ..." (upper-case digits).
QString PatternBytesLine(const PatternBytes& bytes);

struct PatternTextParse {
    std::vector<PatternBytes> patterns; // the lines read, at most the room given
    int notRead = 0;                    // pattern lines past that room, not read
    QString error;                      // German; empty when the text is patterns
    bool ok() const { return error.isEmpty(); }
};

// Reads patterns from text: blank lines are passed over; on a line, bytes of one or two hex digits
// in either case, separated by any blanks, or written together in pairs ("003C66"). Only the first
// `room` pattern lines are read; the rest are counted. Text that is not that form gives an error that
// names the line and what is wrong, and no patterns.
PatternTextParse ParsePatternText(const QString& text, int room);
