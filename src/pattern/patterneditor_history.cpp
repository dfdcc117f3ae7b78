// Recording the editor's operations as steps, and moving through the history.
#include "pattern/patterneditor.h"

#include "pattern/undo_step.h"

#include <exception>

QString PatternStepText(PatternStepKind kind, const QString& registerNumber)
{
    switch (kind) {
    case PatternStepKind::Paint: return QStringLiteral("Malen");
    case PatternStepKind::Fill: return QStringLiteral("Füllen");
    case PatternStepKind::RotateUp: return QStringLiteral("Hoch");
    case PatternStepKind::RotateDown: return QStringLiteral("Runter");
    case PatternStepKind::RotateLeft: return QStringLiteral("Links");
    case PatternStepKind::RotateRight: return QStringLiteral("Rechts");
    case PatternStepKind::MirrorLeftRight: return QStringLiteral("Spgl LR");
    case PatternStepKind::MirrorTopBottom: return QStringLiteral("Spgl HR");
    case PatternStepKind::Typing: return QStringLiteral("Eingabe");
    case PatternStepKind::Loading: return QStringLiteral("Laden");
    case PatternStepKind::Storing: return QStringLiteral("Speichern");
    case PatternStepKind::Swap: return QStringLiteral("<->");
    case PatternStepKind::RegisterColor: return QStringLiteral("Farbe F%1").arg(registerNumber);
    case PatternStepKind::RowColor: return QStringLiteral("Zeilenfarbe");
    case PatternStepKind::ColorInit: return QStringLiteral("Farben Init");
    case PatternStepKind::FontImport: return QStringLiteral("FNT importieren");
    case PatternStepKind::Clear: return QStringLiteral("Leeren");
    case PatternStepKind::Invert: return QStringLiteral("Invertieren");
    case PatternStepKind::AreaFill: return QStringLiteral("Fläche füllen");
    case PatternStepKind::Cut: return QStringLiteral("Ausschneiden");
    case PatternStepKind::Paste: return QStringLiteral("Einfügen");
    }
    return {};
}

namespace {

// The steps that change the store take a copy of it into their draft.
bool ChangesStore(PatternStepKind kind)
{
    return kind == PatternStepKind::Storing || kind == PatternStepKind::Swap || kind == PatternStepKind::FontImport
        || kind == PatternStepKind::Cut || kind == PatternStepKind::Paste;
}

} // namespace

void PatternEditor::record(PatternStepKind kind, const std::function<void(PatternDraft&)>& operation,
                           const QString& registerNumber)
{
    PatternDraft draft(*this, ChangesStore(kind));
    const StepSnapshot start = draft;
    std::exception_ptr failure;
    try {
        operation(draft);
    } catch (...) {
        failure = std::current_exception();
    }
    StepChanges changes = start.changesTo(draft);
    changes.redrawn = draft.redrawn;
    changes.redrawAll = draft.redrawAll;
    changes.surface = draft.surface;
    const int stroke = kind == PatternStepKind::Paint ? mStroke : 0;
    // Cells painted with the code they had change no text but lock "Laden": the stroke's undo gives
    // the guard back as the press found it.
    if (stroke > 0)
        changes.guardBefore = mStrokeGuard;
    if (changes.changesTexts()) {
        int typedCell = -1;
        if (kind == PatternStepKind::Typing)
            for (const BufferCellChange& c : changes.cells)
                if (c.data)
                    typedCell = c.column * EditBuffer::kHeight + c.row;
        history().record(new PatternStep(*this, kind, PatternStepText(kind, registerNumber), std::move(changes),
                                         typedCell, stroke));
        note(EditorPart::History);
    } else {
        // Nothing to undo, and what could be redone stays: the guard, the origin and the drawing of
        // the operation take effect without a step.
        changes.apply(*this, true);
    }
    if (failure)
        std::rethrow_exception(failure);
}

const PatternHistory PatternEditor::history() const
{
    // The view makes the document's stack where it has none yet (a copied editor's): an empty history
    // changes nothing the editor shows.
    return PatternHistory(const_cast<PatternDocument&>(mDocument));
}

void PatternEditor::undo()
{
    // Undo and redo end a stroke whose release never came.
    mStroke = 0;
    if (mAnimation.running())
        return;
    history().undo();
    note(EditorPart::History);
}

void PatternEditor::redo()
{
    mStroke = 0;
    if (mAnimation.running())
        return;
    history().redo();
    note(EditorPart::History);
}

void PatternEditor::clearHistory()
{
    history().clear();
    note(EditorPart::History);
}
