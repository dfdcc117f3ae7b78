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

// Pushes the entries that differ from `target` as one step, which writes them and draws what `redraws`
// says (by default the changed rows).
QList<int> LevelColorLines::push(const QString& text, const LevelDocument::ColorEntries& target, StepRedraws redraws)
{
    std::vector<ColorLineEdit> edits;
    QList<int> lines;
    for (int line = 1; line <= LevelDocument::kColorLines; ++line)
        for (int c = 0; c < LevelDocument::kColorColumns; ++c)
            if (mDocument.colorEntry(c, line) != target[line - 1][c]) {
                edits.push_back({c, line, mDocument.colorEntry(c, line), target[line - 1][c]});
                if (!lines.contains(line))
                    lines << line;
            }
    if (!edits.empty())
        mDocument.push(new ColorLinesCommand(mDocument, text, std::move(edits), redraws));
    return lines;
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
    else
        mDrawing.updateline(line - 1);
    return line - 1;
}

void LevelColorLines::takeOver(const ColorRegisterSet& registers)
{
    // The take-over leaves the picture as it is.
    push(QStringLiteral("Farben übernehmen"), LevelDocument::takenOverColors(registers),
         StepRedraws(LevelRedraw::Nothing, LevelRedraw::Changed));
}

void LevelColorLines::standardColors(const ColorRegisterSet& registers)
{
    // The changed rows are drawn with the step; the others are drawn too (after a take-over the picture
    // may still show older colours).
    const QList<int> changed = push(QStringLiteral("Standardfarbe setzen"), LevelDocument::standardColors(registers));
    for (int y = 0; y < LevelDocument::kRows; ++y)
        if (!changed.contains(y + 1))
            mDrawing.updateline(y);
}
