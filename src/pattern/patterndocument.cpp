// The pattern document's named operations.
#include "pattern/patterndocument.h"

#include <utility>

void PatternDocument::setEntry(int bank, int character, int row, const QString& text)
{
    mStore.setEntry(bank, character, row, text);
    mChanges |= PatternPart::Store;
}

void PatternDocument::setSlot(int i, int j, const QString& text)
{
    mStore.setSlot(i, j, text);
    mChanges |= PatternPart::Store;
}

void PatternDocument::setPatternByte(int set, int pattern, int y, int half, const QString& text)
{
    mStore.setPatternByte(set, pattern, y, half, text);
    mChanges |= PatternPart::Store;
}

void PatternDocument::clearStore()
{
    mStore.clear();
    mChanges |= PatternPart::Store;
}

void PatternDocument::setRegister(int k, const ColorRegister& value)
{
    mRegisters[k] = value;
    mChanges |= PatternPart::Registers;
}

void PatternDocument::setRegisterColor(int k, PackedColor color)
{
    mRegisters[k].displayColor = color;
    mChanges |= PatternPart::Registers;
}

void PatternDocument::setRegisterCaption(int k, const QString& caption)
{
    mRegisters[k].caption = caption;
    mChanges |= PatternPart::Registers;
}

void PatternDocument::setRowColor(int c, int r, const RowColorEntry& entry)
{
    mRowColors.at(c, r) = entry;
    mChanges |= PatternPart::RowColors;
}

void PatternDocument::setRowColorRow(int r, const RowColorTable::Row& row)
{
    mRowColors.row(r) = row;
    mChanges |= PatternPart::RowColors;
}

void PatternDocument::setPhases(const QString& phases)
{
    mPhases = phases;
    mChanges |= PatternPart::Phases;
}

PatternParts PatternDocument::takeChanges()
{
    return std::exchange(mChanges, {});
}
