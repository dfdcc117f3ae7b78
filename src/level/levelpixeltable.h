// The decoded pixels of pattern set 1 from which the level, the chooser and the previews are drawn.
#pragma once

#include <QtGlobal>
#include <array>

class PatternStore;

// 128 characters x 16 rows x 4 pixels. Rows 0-7 come from bank 1, rows 8-15 from bank 2; level
// pattern p (0-63) is characters 2p (left half) and 2p + 1 (right half).
class LevelPixelTable {
public:
    static constexpr int kCharacters = 128;
    static constexpr int kRows = 16;
    static constexpr int kPixels = 4;

    // Every pixel 0 until filled.
    LevelPixelTable() { mPixels.fill(0); }

    // Decodes banks 1 and 2: pixel 1 = b div 64, 2 = (b div 16) mod 4, 3 = (b div 4) mod 4, 4 = b mod 4,
    // with the truncating division of the stored numbers (a byte outside 0-255 gives values outside
    // 0-3, which draw in the background colour). Throws ConversionError at the first entry that
    // is not an integer; the entries before it are already decoded.
    void fill(const PatternStore& store);

    // character 0-127, row 0-15, pixel 0-3 (left to right).
    int pixel(int character, int row, int k) const { return mPixels[(character * kRows + row) * kPixels + k]; }
    void setPixel(int character, int row, int k, int value) { mPixels[(character * kRows + row) * kPixels + k] = value; }

    // The colour registers (0-4 = A-E) of the 32 screen pixels of level pattern p's row 0-15, each Atari
    // pixel 4 wide: pixel values 1-3 take B-D, any other A; patterns 64-127 show the graphics of p - 64
    // with E in place of D; a negative pattern is all A. The level picture and the command-line
    // companion's indexed picture both draw their cells from it. p is at most 127.
    static constexpr int kCellWidth = 2 * kPixels * 4;
    std::array<quint8, kCellWidth> cellRow(int pattern, int row) const;

private:
    std::array<int, kCharacters * kRows * kPixels> mPixels;
};
