// Working out, comparing and putting back the texts of an undo step.
#include "pattern/undo_step.h"

#include "common/undoids.h"

#include <algorithm>

namespace {

template <class List, class Same>
void AppendChanges(List& mine, const List& later, Same same)
{
    for (const auto& change : later) {
        const auto found = std::find_if(mine.begin(), mine.end(), [&](const auto& c) { return same(c, change); });
        if (found == mine.end())
            mine.append(change);
        else
            found->after = change.after;
    }
}

int OriginOf(int set, int pattern)
{
    return (set - 1) * PatternStore::kPatterns + pattern - 1;
}

} // namespace

bool StepChanges::changesTexts() const
{
    return !cells.isEmpty() || changesDocument();
}

bool StepChanges::changesDocument() const
{
    return !rowColors.isEmpty() || !registers.isEmpty() || !entries.isEmpty();
}

void StepChanges::apply(PatternEditor& editor, bool after) const
{
    for (const BufferCellChange& c : cells) {
        const QString& text = after ? c.after : c.before;
        if (c.data)
            editor.setDataCell(c.column, c.row, text);
        else
            editor.setGridCell(c.column, c.row, text);
    }
    PatternDocument& document = editor.document();
    for (const RowColorChange& c : rowColors)
        document.setRowColor(c.column, c.row, after ? c.after : c.before);
    for (const RegisterChange& c : registers)
        document.setRegister(c.k, after ? c.after : c.before);
    for (const StoreEntryChange& c : entries)
        document.setEntry(c.bank, c.character, c.row, after ? c.after : c.before);
    editor.setLadenEnabled(after ? guardAfter : guardBefore);
    const int origin = after ? originAfter : originBefore;
    editor.setBufferOrigin(origin / PatternStore::kPatterns + 1, origin % PatternStore::kPatterns + 1);
    if (redrawAll) {
        editor.updateAllPatterns();
    } else {
        for (const quint16 p : redrawn)
            editor.UpdatePattern(p % PatternStore::kPatterns, p / PatternStore::kPatterns);
    }
    if (surface == SurfaceDrawing::Whole) {
        editor.DrawDefine();
    } else if (surface == SurfaceDrawing::Cells) {
        for (const BufferCellChange& c : cells)
            if (!c.data)
                editor.drawPixel(c.column, c.row);
    }
}

void StepChanges::append(const StepChanges& later)
{
    AppendChanges(cells, later.cells,
                  [](const auto& a, const auto& b) { return a.data == b.data && a.column == b.column && a.row == b.row; });
    AppendChanges(rowColors, later.rowColors, [](const auto& a, const auto& b) { return a.column == b.column && a.row == b.row; });
    AppendChanges(registers, later.registers, [](const auto& a, const auto& b) { return a.k == b.k; });
    AppendChanges(entries, later.entries, [](const auto& a, const auto& b) {
        return a.bank == b.bank && a.character == b.character && a.row == b.row;
    });
    guardAfter = later.guardAfter;
    originAfter = later.originAfter;
    redrawAll = redrawAll || later.redrawAll;
    for (const quint16 p : later.redrawn)
        if (!redrawn.contains(p))
            redrawn.append(p);
    surface = std::max(surface, later.surface);
}

StepSnapshot StepSnapshot::take(const PatternEditor& editor, bool withStore)
{
    StepSnapshot s{editor.buffer(), editor.rowColors(), editor.registers(), editor.ladenEnabled(),
                   OriginOf(editor.bufferSet(), editor.bufferPattern()), std::nullopt};
    if (withStore)
        s.store = editor.store();
    return s;
}

StepChanges StepSnapshot::changesTo(const StepSnapshot& later) const
{
    StepChanges changes;
    const EditBuffer& now = later.buffer;
    for (quint8 y = 0; y < EditBuffer::kHeight; ++y) {
        for (quint8 x = 0; x < EditBuffer::kWidth; ++x)
            if (buffer.grid(x, y) != now.grid(x, y))
                changes.cells.append({false, x, y, buffer.grid(x, y), now.grid(x, y)});
        for (quint8 h = 0; h < 2; ++h)
            if (buffer.data(h, y) != now.data(h, y))
                changes.cells.append({true, h, y, buffer.data(h, y), now.data(h, y)});
    }
    for (quint8 r = 0; r < RowColorTable::kRows; ++r)
        for (quint8 c = 0; c < RowColorTable::kColumns; ++c)
            if (rowColors.at(c, r) != later.rowColors.at(c, r))
                changes.rowColors.append({c, r, rowColors.at(c, r), later.rowColors.at(c, r)});
    for (quint8 k = 0; k < ColorRegisterSet::kCount; ++k)
        if (registers[k] != later.registers[k])
            changes.registers.append({k, registers[k], later.registers[k]});
    if (store && later.store) {
        for (int b = 1; b <= PatternStore::kBanks; ++b)
            for (int c = 0; c < PatternStore::kCharacters; ++c)
                for (int r = 0; r < PatternStore::kRows; ++r)
                    if (store->entry(b, c, r) != later.store->entry(b, c, r))
                        changes.entries.append({quint8(b), quint8(c), quint8(r), store->entry(b, c, r),
                                                later.store->entry(b, c, r)});
    }
    changes.guardBefore = guard;
    changes.guardAfter = later.guard;
    changes.originBefore = origin;
    changes.originAfter = later.origin;
    return changes;
}

PatternDraft::PatternDraft(const PatternEditor& editor, bool withStore)
    : StepSnapshot(take(editor, withStore)), mEditorStore(editor.store())
{
}

void PatternDraft::setOrigin(int set, int pattern)
{
    origin = OriginOf(std::clamp(set, 1, PatternStore::kSets), std::clamp(pattern, 1, PatternStore::kPatterns));
}

void PatternDraft::redrawPattern(int x, int y)
{
    if (x < 0 || x >= PatternStore::kPatterns || y < 0 || y >= PatternStore::kSets)
        return;
    const quint16 p = quint16(PatternStore::kPatterns * y + x);
    if (!redrawn.contains(p))
        redrawn.append(p);
}

void PatternDraft::redrawSet(int y)
{
    for (int x = 0; x < PatternStore::kPatterns; ++x)
        redrawPattern(x, y);
}

void PatternDraft::drawSurface(SurfaceDrawing drawing)
{
    surface = std::max(surface, drawing);
}

PatternStep::PatternStep(PatternEditor& editor, PatternStepKind kind, const QString& text, StepChanges changes,
                         int typedCell, int stroke)
    : RecordedStep(text), mEditor(editor), mKind(kind), mChanges(std::move(changes)), mTypedCell(typedCell),
      mStroke(stroke)
{
}

int PatternStep::id() const
{
    switch (mKind) {
    case PatternStepKind::Typing:
        return mTypedCell >= 0 ? kUndoPatternTyping : -1;
    case PatternStepKind::Paint:
        return mStroke > 0 ? kUndoPatternPaintStroke : -1;
    case PatternStepKind::Loading:
        return kUndoPatternLoading;
    default:
        return -1;
    }
}

bool PatternStep::mergeWith(const QUndoCommand* other)
{
    // The ids agree: both are the same kind of step.
    const auto* later = static_cast<const PatternStep*>(other);
    if (later->mTypedCell != mTypedCell || later->mStroke != mStroke)
        return false;
    mChanges.append(later->mChanges);
    return true;
}
