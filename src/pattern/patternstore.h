// The 16 character banks of the pattern editor, as decimal texts, and the byte <-> pixel codes.
#pragma once

#include <QString>
#include <array>
#include <deque>
#include <vector>

// Four 2-bit pixel codes of one byte; pixel 0 (leftmost) sits in bits 7-6.
// Every value of 255 and more gives 3 in all pixels, every negative value 0.
std::array<int, 4> DecodeByte(int value);

// p0 * 64 + p1 * 16 + p2 * 4 + p3; codes above 3 are not masked.
int EncodePixels(int p0, int p1, int p2, int p3);

// The byte a stored text stands for as the overview shows it: a number clamped to 0-255 (DecodeByte
// saturates the same way), anything else 0.
int StoredByteValue(const QString& text);

// 16 banks x 128 characters x 8 rows of unvalidated texts, converted on use.
// Storage order: slot [i][j] (i = 1..1024, j = 1..16) is bank j, character (i-1) div 8, row (i-1) mod 8.
// Nearly every entry is a number's own decimal text ("0" to "255"): such an entry is kept as its number,
// two bytes, and only other texts as strings, so a store takes 32 KB instead of 16 384 strings.
class PatternStore {
public:
    static constexpr int kBanks = 16;
    static constexpr int kCharacters = 128;
    static constexpr int kRows = 8;
    static constexpr int kSlotsI = 1024;
    static constexpr int kSize = kBanks * kCharacters * kRows;
    static constexpr int kSets = 8;
    static constexpr int kPatterns = 64;

    PatternStore();

    // Every entry becomes "0".
    void clear();

    // bank 1-16, character 0-127, row 0-7. A reference is good until the store next changes: copy the
    // text to keep it longer.
    const QString& entry(int bank, int character, int row) const { return text(index(bank, character, row)); }
    void setEntry(int bank, int character, int row, const QString& text) { assign(index(bank, character, row), text); }
    // The byte an entry stands for, as StoredByteValue reads its text.
    int byteValue(int bank, int character, int row) const
    {
        const quint16 code = mCodes[index(bank, character, row)];
        return code < kNumberCodes ? code : StoredByteValue(mOthers[code - kNumberCodes]);
    }

    // Storage order, i = 1..1024, j = 1..16.
    const QString& slot(int i, int j) const { return text((i - 1) * kBanks + (j - 1)); }
    void setSlot(int i, int j, const QString& text) { assign((i - 1) * kBanks + (j - 1), text); }

    // Pattern view: set 1-8, pattern 1-64, pattern row 0-15, half 0 (pixels 0-3) or 1 (pixels 4-7).
    static int bankOf(int set, int y) { return y < 8 ? 2 * set - 1 : 2 * set; }
    static int characterOf(int pattern, int half) { return 2 * (pattern - 1) + half; }
    const QString& patternByte(int set, int pattern, int y, int half) const
    {
        return entry(bankOf(set, y), characterOf(pattern, half), y % 8);
    }
    int patternByteValue(int set, int pattern, int y, int half) const
    {
        return byteValue(bankOf(set, y), characterOf(pattern, half), y % 8);
    }
    void setPatternByte(int set, int pattern, int y, int half, const QString& text)
    {
        setEntry(bankOf(set, y), characterOf(pattern, half), y % 8, text);
    }

private:
    // An entry's code: 0-255 for that number's own decimal text, kNumberCodes + k for mOthers[k].
    static constexpr quint16 kNumberCodes = 256;
    static int index(int bank, int character, int row) { return (character * kRows + row) * kBanks + (bank - 1); }
    const QString& text(int index) const;
    void assign(int index, const QString& text);
    std::vector<quint16> mCodes;
    std::deque<QString> mOthers; // a deque: a text keeps its place while others are added
    std::vector<quint16> mFreeOthers; // places of mOthers no entry uses
};
