// Taking, comparing and putting back the texts of an undo step.
#include "pattern/undo_step.h"

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

int OriginOf(const PatternEditor& editor)
{
    return (editor.bufferSet() - 1) * PatternStore::kPatterns + editor.bufferPattern() - 1;
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

void StepChanges::apply(PatternEditor& editor, bool after, bool redraw) const
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
    if (!redraw)
        return;
    if (redrawAll) {
        editor.updateAllPatterns();
    } else {
        for (const quint16 p : redrawn)
            editor.UpdatePattern(p % PatternStore::kPatterns, p / PatternStore::kPatterns);
    }
    editor.DrawDefine();
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
}

StepSnapshot StepSnapshot::take(const PatternEditor& editor, bool withStore)
{
    StepSnapshot s{editor.buffer(), editor.rowColors(), editor.registers(), editor.ladenEnabled(), OriginOf(editor),
                   std::nullopt};
    if (withStore)
        s.store = editor.store();
    return s;
}

StepChanges StepSnapshot::changesTo(const PatternEditor& editor) const
{
    StepChanges changes;
    const EditBuffer& now = editor.buffer();
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
            if (rowColors.at(c, r) != editor.rowColors().at(c, r))
                changes.rowColors.append({c, r, rowColors.at(c, r), editor.rowColors().at(c, r)});
    for (quint8 k = 0; k < ColorRegisterSet::kCount; ++k)
        if (registers[k] != editor.registers()[k])
            changes.registers.append({k, registers[k], editor.registers()[k]});
    if (store) {
        for (int b = 1; b <= PatternStore::kBanks; ++b)
            for (int c = 0; c < PatternStore::kCharacters; ++c)
                for (int r = 0; r < PatternStore::kRows; ++r)
                    if (store->entry(b, c, r) != editor.store().entry(b, c, r))
                        changes.entries.append({quint8(b), quint8(c), quint8(r), store->entry(b, c, r),
                                                editor.store().entry(b, c, r)});
    }
    changes.guardBefore = guard;
    changes.guardAfter = editor.ladenEnabled();
    changes.originBefore = origin;
    changes.originAfter = OriginOf(editor);
    return changes;
}

PatternStep::PatternStep(PatternEditor& editor, const QString& name, StepChanges changes)
    : QUndoCommand(name), mEditor(editor), mChanges(std::move(changes))
{
}

void PatternStep::undo()
{
    mChanges.apply(mEditor, false, true);
}

void PatternStep::redo()
{
    mChanges.apply(mEditor, true, !mEditor.pushing());
}
