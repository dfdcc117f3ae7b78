// Filling the level's pixel table from the pattern store.
#include "level/levelpixeltable.h"

#include "common/intconv.h"
#include "pattern/patternstore.h"

void LevelPixelTable::fill(const PatternStore& store)
{
    for (int bank = 1; bank <= 2; ++bank) {
        for (int c = 0; c < kCharacters; ++c) {
            for (int r = 0; r < PatternStore::kRows; ++r) {
                const int b = StrToInt(store.entry(bank, c, r));
                const int row = (bank - 1) * PatternStore::kRows + r;
                setPixel(c, row, 0, b / 64);
                setPixel(c, row, 1, (b / 16) % 4);
                setPixel(c, row, 2, (b / 4) % 4);
                setPixel(c, row, 3, b % 4);
            }
        }
    }
}

std::array<quint8, LevelPixelTable::kCellWidth> LevelPixelTable::cellRow(int pattern, int row) const
{
    std::array<quint8, kCellWidth> line{};
    if (pattern < 0)
        return line;
    const int p = pattern > 63 ? pattern - 64 : pattern;
    const quint8 three = pattern > 63 ? 4 : 3;
    for (int i = 0; i < 2; ++i) {
        for (int k = 0; k < kPixels; ++k) {
            const int value = pixel(2 * p + i, row, k);
            const quint8 reg = value == 3 ? three : (value == 1 || value == 2) ? static_cast<quint8>(value) : 0;
            quint8* block = line.data() + 16 * i + 4 * k;
            block[0] = block[1] = block[2] = block[3] = reg;
        }
    }
    return line;
}
