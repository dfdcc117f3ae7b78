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
    if (mStrokeOpen && name != mStepName)
        closeStroke();
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
    mStrokeOpen = false;
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
    int typedCell = -1;
    if (mStepName == QLatin1String("Eingabe") && changes.cells.size() > 0)
        typedCell = mTypedCell;
    QUndoCommand* step = mStepKind == StepKind::Buffer
        ? new BufferStep(*this, mStepName, std::move(changes), typedCell)
        : new PatternStep(*this, mStepName, std::move(changes));
    mHistory.stack().push(step);
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

void PatternEditor::closeStroke()
{
    if (!mStrokeOpen)
        return;
    mStepDepth = 1;
    closeStep();
}

void PatternEditor::undo()
{
    closeStroke();
    if (mAnimating || mStepDepth > 0)
        return;
    mHistory.stack().undo();
    note(EditorPart::History);
}

void PatternEditor::redo()
{
    closeStroke();
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
        const auto* step = dynamic_cast<const PatternStep*>(stack.command(i));
        if (!step || step->changesDocument())
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
