// The pattern being edited: a pixel grid and a byte grid of texts kept in line with each other.
#pragma once

#include <QString>
#include <array>

class EditBuffer {
public:
    static constexpr int kWidth = 8;
    static constexpr int kHeight = 16;

    EditBuffer();

    // grid: column x = pixel 0-7, row y = pattern row 0-15; PixelCode texts.
    const QString& grid(int x, int y) const { return mGrid[y][x]; }
    void setGrid(int x, int y, const QString& text) { mGrid[y][x] = text; }

    // data: column h = half 0 (pixels 0-3) or 1 (pixels 4-7); DataByteText.
    const QString& data(int h, int y) const { return mData[y][h]; }
    void setData(int h, int y, const QString& text) { mData[y][h] = text; }

    // Pixels to bytes. A row half with a cell that is not a number becomes "0".
    void Calcdata();

    // Bytes to pixels. The first cell that is not a number stops it with the conversion error;
    // the cells before it are already updated.
    void ReCalcdata();

    void fillGrid(const QString& text);
    void fillData(const QString& text);

private:
    std::array<std::array<QString, kWidth>, kHeight> mGrid;
    std::array<std::array<QString, 2>, kHeight> mData;
};
