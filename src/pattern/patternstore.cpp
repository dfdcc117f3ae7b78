// Pattern store and the multicolour byte layout.
#include "pattern/patternstore.h"

#include "common/intconv.h"

#include <algorithm>

std::array<int, 4> DecodeByte(int v)
{
    // A byte: pixel 0 sits in bits 7-6.
    if (v >= 0 && v <= 255)
        return {v >> 6, (v >> 4) & 3, (v >> 2) & 3, v & 3};
    // Subtracting the bit weights in turn makes 255 and above saturate at 3 per pixel
    // and leaves negative values at 0, as the game data tools always did.
    std::array<int, 4> p{};
    int weight = 128;
    for (int k = 0; k < 4; ++k) {
        if (v >= weight) {
            p[k] += 2;
            v -= weight;
        }
        weight /= 2;
        if (v >= weight) {
            p[k] += 1;
            v -= weight;
        }
        weight /= 2;
    }
    return p;
}

int EncodePixels(int p0, int p1, int p2, int p3)
{
    return p0 * 64 + p1 * 16 + p2 * 4 + p3;
}

int StoredByteValue(const QString& text)
{
    return std::clamp(StrToIntDef(text, 0), 0, 255);
}

PatternStore::PatternStore() : mEntries(kSize, QStringLiteral("0")) {}

void PatternStore::clear()
{
    const QString zero = QStringLiteral("0");
    std::fill(mEntries.begin(), mEntries.end(), zero);
}
