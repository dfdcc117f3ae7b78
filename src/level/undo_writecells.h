// Patterns written into many level cells at once (paste, cut, delete, fill) as one named undo step.
#pragma once

#include "level/leveledits.h"

#include <QUndoCommand>
#include <vector>

// A pattern for one level cell.
struct CellWrite {
    QPoint cell;
    int pattern;
};

// The first redo writes the cells and keeps, of the cells it changed, their two code texts before
// and after; the writes themselves are then dropped. A step that changes no cell makes itself
// obsolete, so the stack does not keep it. The picture follows through the restored announcements.
class WriteCellsCommand : public QUndoCommand {
public:
    WriteCellsCommand(LevelDocument& document, const QString& text, std::vector<CellWrite> writes);
    void undo() override;
    void redo() override;

private:
    LevelDocument& mDocument;
    std::vector<CellWrite> mWrites;
    std::vector<LevelCellEdit> mEdits;
    bool mWritten = false;
};
