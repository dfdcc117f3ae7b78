// Undo and redo of colour line entries.
#include "level/undo_colorlines.h"

ColorLinesCommand::ColorLinesCommand(LevelDocument& document, const QString& text, std::vector<ColorLineEdit> edits)
    : QUndoCommand(text), mDocument(document), mEdits(std::move(edits))
{
}

void ColorLinesCommand::undo()
{
    LevelDocument::Restoring restoring(mDocument);
    for (const ColorLineEdit& e : mEdits)
        mDocument.setColorEntry(e.column, e.line, e.before);
}

void ColorLinesCommand::redo()
{
    LevelDocument::Restoring restoring(mDocument);
    for (const ColorLineEdit& e : mEdits)
        mDocument.setColorEntry(e.column, e.line, e.after);
}
