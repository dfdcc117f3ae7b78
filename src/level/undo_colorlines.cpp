// Undo and redo of colour line entries.
#include "level/undo_colorlines.h"

ColorLinesCommand::ColorLinesCommand(LevelDocument& document, const QString& text, std::vector<ColorLineEdit> edits,
                                     bool drawFirst)
    : RecordedStep(text), mDocument(document), mEdits(std::move(edits)), mDrawFirst(drawFirst)
{
}

void ColorLinesCommand::apply(bool after)
{
    LevelDocument::StepRun run(mDocument, mRan || mDrawFirst ? LevelRedraw::Changed : LevelRedraw::Nothing);
    mRan = true;
    for (const ColorLineEdit& e : mEdits)
        mDocument.setColorEntry(e.column, e.line, after ? e.after : e.before);
}
