// A monster, a switch or a target field placed by mouse as one undo step.
#pragma once

#include "level/undo_leveledit.h"

#include <functional>

// Holds the table cells and level cells one part of a placement changes, before and after. The
// button press and the click that completes it push commands of the same placement (LevelPlacement
// numbers them), which merge into one step while nothing else came between them. Undo and redo call
// `redraw` once the texts are back.
class PlacementCommand : public LevelEditCommand {
public:
    PlacementCommand(LevelDocument& document, const QString& text, int placement, const LevelEditPlan& plan,
                     std::function<void()> redraw);
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    void restored() override;

    int mPlacement;
    std::function<void()> mRedraw;
};
