// Undo and redo of a placement by mouse.
#include "level/undo_placement.h"

#include "common/undoids.h"

PlacementCommand::PlacementCommand(LevelDocument& document, const QString& text, int placement,
                                   const LevelEditPlan& plan, LevelRedraw first)
    : LevelEditCommand(document, text, plan.tableEdits(), plan.cellEdits(), {first, LevelRedraw::Level}),
      mPlacement(placement)
{
}

int PlacementCommand::id() const { return kUndoLevelPlacement; }

bool PlacementCommand::mergeWith(const QUndoCommand* other)
{
    const auto* later = static_cast<const PlacementCommand*>(other);
    if (later->mPlacement != mPlacement)
        return false;
    mergeEdits(*later);
    setText(later->text());
    return true;
}
