// Editing the level from the keyboard: painting and picking at the cursor, copy, cut, delete, paste and fill.
#include "level/leveleditsession.h"

#include "level/fillregion.h"
#include "level/patterngrid.h"
#include "level/undo_writecells.h"

#include <QStringList>

namespace {

QPoint CellPoint(QPoint cell) { return cell * LevelPicture::kCell; }

} // namespace

void LevelEditSession::paintAtCursor()
{
    levelMouseDown(CellPoint(mCursor.cell()), LeftBit, false);
    levelMouseUp();
}

void LevelEditSession::pickAtCursor()
{
    levelMouseDown(CellPoint(mCursor.cell()), LeftBit, true);
    levelMouseUp();
}

QString LevelEditSession::copyText() const
{
    const QRect r = mCursor.target();
    PatternGrid grid;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        std::vector<int>& row = grid.emplace_back();
        for (int x = r.left(); x <= r.right(); ++x)
            row.push_back(mDocument.cellPattern(x, y));
    }
    return PatternGridText(grid);
}

QString LevelEditSession::cut()
{
    const QString text = copyText();
    fillTarget(QStringLiteral("Ausschneiden"), carried(Right));
    return text;
}

void LevelEditSession::erase() { fillTarget(QStringLiteral("Löschen"), carried(Right)); }

void LevelEditSession::fillTarget(const QString& text, int pattern)
{
    const QRect r = mCursor.target();
    std::vector<CellWrite> writes;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            writes.push_back({QPoint(x, y), pattern});
    writeCells(text, std::move(writes));
}

void LevelEditSession::paste(const QString& text)
{
    // Only what lands between the cursor and the level's last row and column is read.
    const QPoint origin = mCursor.cell();
    const PatternGridParse parsed =
        ParsePatternGrid(text, LevelDocument::kRows - origin.y(), LevelDocument::kColumns - origin.x());
    if (!parsed.ok()) {
        if (log)
            log(QStringLiteral("Einfügen nicht möglich: ") + parsed.error);
        return;
    }
    std::vector<CellWrite> writes;
    for (std::size_t row = 0; row < parsed.grid.size(); ++row) {
        const std::vector<int>& patterns = parsed.grid[row];
        for (std::size_t column = 0; column < patterns.size(); ++column)
            writes.push_back({origin + QPoint(int(column), int(row)), patterns[column]});
    }
    writeCells(QStringLiteral("Einfügen"), std::move(writes));
}

void LevelEditSession::fill()
{
    const int pattern = carried(Left);
    // A selection is filled whole, as Delete fills it with the right button's pattern.
    if (mCursor.selection()) {
        fillTarget(QStringLiteral("Füllen"), pattern);
        return;
    }
    std::vector<CellWrite> writes;
    for (const QPoint cell : FillRegion(mDocument, mCursor.cell()))
        writes.push_back({cell, pattern});
    writeCells(QStringLiteral("Füllen"), std::move(writes));
}

void LevelEditSession::writeCells(const QString& text, std::vector<CellWrite> writes)
{
    QStringList refusals;
    std::erase_if(writes, [&](const CellWrite& w) {
        const QString answer = check(w.cell.x(), w.cell.y(), w.pattern);
        if (answer == QLatin1String("OK"))
            return false;
        if (!refusals.contains(answer))
            refusals << answer;
        return true;
    });
    if (log)
        for (const QString& refusal : refusals)
            log(refusal);
    // A step that would change nothing is not pushed: pushing drops the steps that could be redone.
    std::vector<LevelCellEdit> edits = CellWriteEdits(mDocument, writes);
    if (edits.empty())
        return;
    mDocument.push(new WriteCellsCommand(mDocument, text, std::move(edits)));
}
