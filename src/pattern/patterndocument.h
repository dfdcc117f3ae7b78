// What a pattern file holds: the store, the colour registers, the row colours and the phase list.
#pragma once

#include "common/stephistory.h"
#include "pattern/colorregisterset.h"
#include "pattern/patternstore.h"
#include "pattern/rowcolortable.h"

#include <QFlags>
#include <QString>

// The parts of a pattern document a change touched.
enum class PatternPart : unsigned {
    Store = 1,
    Registers = 2,
    RowColors = 4,
    Phases = 8,
};
Q_DECLARE_FLAGS(PatternParts, PatternPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(PatternParts)

// State is read through const accessors and changed only through the named operations below.
// Each operation notes the part it touched; the owner takes the collected parts with
// takeChanges() after an action and refreshes what they name. A plain value: copies carry the
// texts and the parts not yet taken, but not the history (a copy starts with none).
class PatternDocument {
public:
    const PatternStore& store() const { return mStore; }
    const ColorRegisterSet& registers() const { return mRegisters; }
    const RowColorTable& rowColors() const { return mRowColors; }
    const QString& phases() const { return mPhases; }

    // bank 1-16, character 0-127, row 0-7.
    void setEntry(int bank, int character, int row, const QString& text);
    // Storage order, i = 1..1024, j = 1..16.
    void setSlot(int i, int j, const QString& text);
    // Set 1-8, pattern 1-64, pattern row 0-15, half 0-1.
    void setPatternByte(int set, int pattern, int y, int half, const QString& text);
    // Every store entry becomes "0".
    void clearStore();

    void setRegister(int k, const ColorRegister& value);
    void setRegisterColor(int k, PackedColor color);
    void setRegisterCaption(int k, const QString& caption);

    // Column c 0-2, row r 0-15.
    void setRowColor(int c, int r, const RowColorEntry& entry);
    void setRowColorRow(int r, const RowColorTable::Row& row);

    void setPhases(const QString& phases);
    // Whether the phase list differs from its last load or save; typing it records no step.
    bool phasesModified() const { return mPhases != mSavedPhases; }
    void markPhasesSaved() { mSavedPhases = mPhases; }

    // The parts changed since the last call.
    PatternParts takeChanges();

    // The document's undo history; the editor's model side makes its stack (PatternHistory).
    HistorySlot& history() { return mHistory; }
    const HistorySlot& history() const { return mHistory; }

private:
    PatternStore mStore;
    ColorRegisterSet mRegisters;
    RowColorTable mRowColors;
    QString mPhases = QStringLiteral("1;2;1;3");
    QString mSavedPhases = mPhases;
    PatternParts mChanges;
    HistorySlot mHistory;
};
