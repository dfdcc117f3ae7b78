// The colour line operations of the level editor.
#include "level/levelcolorlines.h"

#include "level/leveldrawing.h"
#include "level/undo_colorlines.h"

#include <array>

PackedColor HandBackTextColor(const QString& caption)
{
    return caption.size() < 2 || caption[1] < QLatin1Char('A') ? kWhite : kBlack;
}

LevelColorLines::LevelColorLines(LevelDocument& document, LevelDrawing& drawing) : mDocument(document), mDrawing(drawing) {}

// Pushes the entries that differ from `target` as one step, which writes them.
void LevelColorLines::push(const QString& text, const LevelDocument::ColorEntries& target)
{
    std::vector<ColorLineEdit> edits;
    for (int line = 1; line <= LevelDocument::kColorLines; ++line)
        for (int c = 0; c < LevelDocument::kColorColumns; ++c)
            if (mDocument.colorEntry(c, line) != target[line - 1][c])
                edits.push_back({c, line, mDocument.colorEntry(c, line), target[line - 1][c]});
    if (!edits.empty())
        mDocument.push(new ColorLinesCommand(mDocument, text, std::move(edits)));
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
    const auto [column, line] = *key;
    const ColorLineEntry entry{answer.code, answer.color, HandBackTextColor(answer.code)};
    if (mDocument.colorEntry(column, line) != entry)
        mDocument.push(new ColorLinesCommand(mDocument, QStringLiteral("Farbe %1").arg(answer.target),
                                             {{column, line, mDocument.colorEntry(column, line), entry}}));
    mDrawing.updateline(line - 1);
    return line - 1;
}

void LevelColorLines::takeOver(const ColorRegisterSet& registers)
{
    push(QStringLiteral("Farben übernehmen"), LevelDocument::takenOverColors(registers));
}

void LevelColorLines::standardColors(const ColorRegisterSet& registers)
{
    push(QStringLiteral("Standardfarbe setzen"), LevelDocument::standardColors(registers));
    for (int y = 0; y < LevelDocument::kRows; ++y)
        mDrawing.updateline(y);
}
