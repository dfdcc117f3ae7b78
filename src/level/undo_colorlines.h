// A change of colour line entries (a swatch, the standard colours, the take-over) as one undo step.
#pragma once

#include "common/undostack.h"
#include "level/leveldocument.h"

#include <vector>

struct ColorLineEdit {
    int column; // 0-4 = A-E
    int line;   // 1-10
    ColorLineEntry before, after;
};

// Holds only the entries that change. redo() writes the after entries, the first redo (the push)
// included. The pictures redraw the changed rows (the take-over's first run leaves the picture as it is).
class ColorLinesCommand : public RecordedStep {
public:
    ColorLinesCommand(LevelDocument& document, const QString& text, std::vector<ColorLineEdit> edits,
                      StepRedraws redraws = {});
    bool isEmpty() const override { return mEdits.empty(); }

private:
    void apply(bool after) override;

    LevelDocument& mDocument;
    std::vector<ColorLineEdit> mEdits;
    StepRedraws mRedraws;
};
