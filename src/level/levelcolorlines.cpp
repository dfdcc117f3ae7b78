// The colour line operations of the level editor.
#include "level/levelcolorlines.h"

#include "level/leveldocument.h"
#include "level/leveldrawing.h"
#include "level/undo_colorlines.h"

#include <array>

PackedColor HandBackTextColor(const QString& caption)
{
    return caption.size() < 2 || caption[1] < QLatin1Char('A') ? kWhite : kBlack;
}

LevelColorLines::LevelColorLines(LevelDocument& document, LevelDrawing& drawing) : mDocument(document), mDrawing(drawing) {}

// Runs a change of entries and pushes the entries that differ afterwards as one step.
template <class Change>
void LevelColorLines::recorded(const QString& text, Change&& change)
{
    using Entries = std::array<std::array<ColorLineEntry, LevelDocument::kColorColumns>, LevelDocument::kColorLines>;
    auto snapshot = [this] {
        Entries entries;
        for (int line = 1; line <= LevelDocument::kColorLines; ++line)
            for (int c = 0; c < LevelDocument::kColorColumns; ++c)
                entries[line - 1][c] = mDocument.colorEntry(c, line);
        return entries;
    };
    mDocument.endStroke();
    const Entries before = snapshot();
    change();
    const Entries after = snapshot();
    std::vector<ColorLineEdit> edits;
    for (int line = 1; line <= LevelDocument::kColorLines; ++line)
        for (int c = 0; c < LevelDocument::kColorColumns; ++c)
            if (before[line - 1][c] != after[line - 1][c])
                edits.push_back({c, line, before[line - 1][c], after[line - 1][c]});
    if (!edits.empty())
        mDocument.undoStack().push(new ColorLinesCommand(mDocument, text, std::move(edits)));
}

PaletteRequest LevelColorLines::request(int column, int line) const
{
    const ColorLineEntry& entry = mDocument.colorEntry(column, line);
    PaletteRequest r;
    r.button = 2;
    r.color = entry.displayColor;
    r.textColor = entry.textColor;
    r.caption = entry.hexText;
    r.target = ColorLineKey(column, line);
    return r;
}

std::optional<int> LevelColorLines::accept(const PaletteAnswer& answer)
{
    const auto key = ParseColorLineKey(answer.target);
    if (!key)
        return std::nullopt;
    // Plain names, not a structured binding: the lambda below captures them.
    const int column = key->first;
    const int line = key->second;
    recorded(QStringLiteral("Farbe %1").arg(answer.target), [&] {
        mDocument.setColorEntry(column, line, {answer.code, answer.color, HandBackTextColor(answer.code)});
    });
    mDrawing.updateline(line - 1);
    return line - 1;
}

void LevelColorLines::takeOver(const ColorRegisterSet& registers)
{
    recorded(QStringLiteral("Farben übernehmen"), [&] { mDocument.Farben_bernehmen(registers); });
}

void LevelColorLines::standardColors(const ColorRegisterSet& registers)
{
    recorded(QStringLiteral("Standardfarbe setzen"), [&] { mDocument.Farbenstandard(registers); });
    for (int y = 0; y < LevelDocument::kRows; ++y)
        mDrawing.updateline(y);
}
