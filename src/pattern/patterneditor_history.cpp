// The pattern editor's undo history: recording an operation as one step, undo and redo.
#include "pattern/patterneditor.h"

#include "pattern/undo_bufferstep.h"

#include <QUndoStack>
#include <algorithm>

PatternEditor::StepScope::StepScope(PatternEditor& editor, StepKind kind, const QString& name) : mEditor(editor)
{
    mEditor.openStep(kind, name);
}

PatternEditor::StepScope::~StepScope()
{
    // Also when the operation failed half-way: what it changed before the error stays changed,
    // and its step puts it back.
    mEditor.closeStep();
}

void PatternEditor::openStep(StepKind kind, const QString& name)
{
    // An operation other than painting ends a stroke whose release never came.
    if (mStepDepth == 0 && name != kPaintStepName)
        mStroke = 0;
    if (mStepDepth > 0) {
        // Joining the open step. A store change inside a step that did not expect one: the store
        // is still as the step found it, as only store steps change it.
        if (kind == StepKind::Store && !mStepStart->store) {
            auto start = std::make_shared<StepSnapshot>(*mStepStart);
            start->store = store();
            mStepStart = std::move(start);
            mStepKind = StepKind::Store;
        }
        ++mStepDepth;
        return;
    }
    mStepDepth = 1;
    mStepKind = kind;
    mStepName = name;
    mStepRedrawn.reset();
    mStepStart = std::make_shared<const StepSnapshot>(StepSnapshot::take(*this, kind == StepKind::Store));
}

void PatternEditor::closeStep()
{
    if (mStepDepth <= 0 || --mStepDepth > 0)
        return;
    const std::shared_ptr<const StepSnapshot> start = std::exchange(mStepStart, nullptr);
    StepChanges changes = start->changesTo(*this);
    if (!changes.changesTexts())
        return;
    if (mStepRedrawn.all()) {
        changes.redrawAll = true;
    } else {
        for (std::size_t p = 0; p < mStepRedrawn.size(); ++p)
            if (mStepRedrawn.test(p))
                changes.redrawn.append(quint16(p));
    }
    const bool buffer = mStepKind == StepKind::Buffer;
    const int typedCell = buffer && mStepName == QLatin1String("Eingabe") && !changes.cells.isEmpty() ? mTypedCell : -1;
    const int stroke = buffer && mStepName == kPaintStepName ? mStroke : 0;
    // Cells painted with the code they had change no text but lock "Laden": the stroke's undo gives
    // the guard back as the press found it.
    if (stroke > 0)
        changes.guardBefore = mStrokeGuard;
    // The operation worked out the step: its texts go back as it found them, and the command writes
    // the texts after in its redo, the first one (run by the push) included. What the operation drew
    // already shows them, so that first redo draws nothing.
    changes.apply(*this, false, false);
    if (buffer)
        push(new BufferStep(*this, mStepName, std::move(changes), typedCell, stroke));
    else
        push(new DocumentStep(*this, mStepName, std::move(changes)));
}

void PatternEditor::push(QUndoCommand* step)
{
    mPushing = true;
    mHistory.stack().push(step);
    mPushing = false;
    note(EditorPart::History);
}

void PatternEditor::restartStepFrom(const std::optional<EditBuffer>& buffer)
{
    if (!buffer || mStepDepth != 1)
        return;
    auto start = std::make_shared<StepSnapshot>(*mStepStart);
    start->buffer = *buffer;
    mStepStart = std::move(start);
}

void PatternEditor::undo()
{
    // Undo and redo end a stroke whose release never came.
    mStroke = 0;
    if (mAnimating || mStepDepth > 0)
        return;
    mHistory.stack().undo();
    note(EditorPart::History);
}

void PatternEditor::redo()
{
    mStroke = 0;
    if (mAnimating || mStepDepth > 0)
        return;
    mHistory.stack().redo();
    note(EditorPart::History);
}

bool PatternEditor::canUndo() const { return mHistory.stack().canUndo(); }
bool PatternEditor::canRedo() const { return mHistory.stack().canRedo(); }
QString PatternEditor::undoText() const { return mHistory.stack().undoText(); }
QString PatternEditor::redoText() const { return mHistory.stack().redoText(); }
int PatternEditor::historySize() const { return mHistory.stack().count(); }

void PatternEditor::clearHistory()
{
    const bool modified = documentModified();
    mHistory.stack().clear();
    if (modified)
        mHistory.stack().resetClean();
    note(EditorPart::History);
}

bool PatternEditor::documentModified() const
{
    if (mDocument.phases() != mSavedPhases)
        return true;
    // The steps between the saved point and now, on either side: buffer-only steps do not count.
    const QUndoStack& stack = mHistory.stack();
    if (stack.cleanIndex() < 0)
        return true;
    const int from = std::min(stack.cleanIndex(), stack.index());
    const int to = std::max(stack.cleanIndex(), stack.index());
    for (int i = from; i < to; ++i) {
        // Only the editor pushes onto its stack, and only its steps.
        if (static_cast<const PatternStep*>(stack.command(i))->changesDocument())
            return true;
    }
    return false;
}

void PatternEditor::markSaved()
{
    mHistory.stack().setClean();
    mSavedPhases = mDocument.phases();
}

void PatternEditor::markModified()
{
    mHistory.stack().resetClean();
}

void PatternEditor::setHistoryLimit(int steps)
{
    mHistory.stack().setUndoLimit(steps);
}
