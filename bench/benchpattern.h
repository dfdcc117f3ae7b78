// A pattern store for the benchmarks: every byte value in it, neighbouring entries different.
#pragma once

#include "pattern/patterneditor.h"

namespace bench {

inline void FillDistinctStore(PatternEditor& editor)
{
    for (int i = 1; i <= PatternStore::kSlotsI; ++i)
        for (int j = 1; j <= PatternStore::kBanks; ++j)
            editor.document().setSlot(i, j, QString::number((i * 37 + j * 11) % 256));
}

// The store filled, pattern 1 of set 1 in the buffer, no history.
inline void PrepareEditor(PatternEditor& editor)
{
    FillDistinctStore(editor);
    editor.Laden();
    editor.clearHistory();
}

} // namespace bench
