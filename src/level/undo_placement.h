// A monster, a switch or a target field placed by mouse as one undo step.
#pragma once

#include "level/leveledits.h"

#include <QUndoCommand>
#include <functional>

// Holds the table cells and level cells the placement changed, before and after. The button press
// and the click that completes it are pushed as two commands of the same placement, which merge
// into one step while nothing else came between them. Pushed when already done, so the first
// redo does nothing; later undos and redos call `redraw` once the texts are back.
class PlacementCommand : public QUndoCommand {
public:
    PlacementCommand(LevelDocument& document, const QString& text, int placement, std::vector<TableCellEdit> tables,
                     std::vector<LevelCellEdit> cells, std::function<void()> redraw);
    void undo() override;
    void redo() override;
    int id() const override { return kId; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    static constexpr int kId = 0x4C50; // placements of the level editor
    void restore(bool after);

    LevelDocument& mDocument;
    int mPlacement;
    std::vector<TableCellEdit> mTables;
    std::vector<LevelCellEdit> mCells;
    std::function<void()> mRedraw;
    bool mDone = true;
};
