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
