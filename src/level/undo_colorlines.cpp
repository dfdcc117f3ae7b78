// Undo and redo of colour line entries.
#include "level/undo_colorlines.h"

ColorLinesCommand::ColorLinesCommand(LevelDocument& document, const QString& text, std::vector<ColorLineEdit> edits,
                                     StepRedraws redraws)
    : RecordedStep(text), mDocument(document), mEdits(std::move(edits)), mRedraws(redraws)
{
}

void ColorLinesCommand::apply(bool after)
{
    LevelDocument::StepRun run(mDocument, mRedraws.next());
    for (const ColorLineEdit& e : mEdits)
        mDocument.setColorEntry(e.column, e.line, after ? e.after : e.before);
}
