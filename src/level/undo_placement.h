// A monster, a switch or a target field placed by mouse as one undo step.
#pragma once

#include "level/undo_leveledit.h"

// Holds the table cells and level cells one part of a placement changes, before and after. The
// button press and the click that completes it push commands of the same placement (LevelPlacement
// numbers them), which merge into one step while nothing else came between them. Its first run draws
// what the placement's operation draws (`first`); undo and redo draw the whole level with its overlays.
class PlacementCommand : public LevelEditCommand {
public:
    PlacementCommand(LevelDocument& document, const QString& text, int placement, const LevelEditPlan& plan,
                     LevelRedraw first);
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    int mPlacement;
};
