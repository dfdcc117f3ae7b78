// Editing the level from the keyboard: painting and picking at the cursor, copy, cut, delete, paste and fill.
#include "level/leveleditsession.h"

#include "level/fillregion.h"
#include "level/patterngrid.h"
#include "level/undo_writecells.h"

#include <QStringList>

namespace {

QPoint CellPoint(QPoint cell) { return cell * LevelPicture::kCell; }

// The grid's cells with its top left at origin, those beyond the level's edges left out.
std::vector<CellWrite> GridWrites(const PatternGrid& grid, QPoint origin)
{
    std::vector<CellWrite> writes;
    for (std::size_t row = 0; row < grid.size(); ++row) {
        const std::vector<int>& patterns = grid[row];
        for (std::size_t column = 0; column < patterns.size(); ++column) {
            const QPoint cell = origin + QPoint(int(column), int(row));
            if (LevelDocument::inGrid(cell.x(), cell.y()))
                writes.push_back({cell, patterns[column]});
        }
    }
    return writes;
}

} // namespace

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

void LevelEditSession::fillTarget(const QString& text, int pattern) { fillCells(text, mCursor.target(), pattern); }

void LevelEditSession::fillCells(const QString& text, const QRect& cells, int pattern)
{
    const QRect r = cells & QRect(0, 0, LevelDocument::kColumns, LevelDocument::kRows);
    std::vector<CellWrite> writes;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            writes.push_back({QPoint(x, y), pattern});
    writeCells(text, std::move(writes));
}

void LevelEditSession::fillRectangle(const QRect& cells, int pattern) { fillCells(QStringLiteral("Rechteck"), cells, pattern); }

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
    writeCells(QStringLiteral("Einfügen"), GridWrites(parsed.grid, origin));
}

void LevelEditSession::stamp(const PatternGrid& grid, QPoint origin)
{
    writeCells(QStringLiteral("Stempel"), GridWrites(grid, origin), true);
}

void LevelEditSession::fill()
{
    const int pattern = carried(Left);
    // A selection is filled whole, as Delete fills it with the right button's pattern.
    if (mCursor.selection()) {
        fillTarget(QStringLiteral("Füllen"), pattern);
        return;
    }
    fillRegion(QStringLiteral("Füllen"), mCursor.cell(), pattern);
}

void LevelEditSession::fillArea(QPoint cell, int pattern) { fillRegion(QStringLiteral("Fläche"), cell, pattern); }

void LevelEditSession::fillRegion(const QString& text, QPoint cell, int pattern)
{
    std::vector<CellWrite> writes;
    for (const QPoint c : FillRegion(mDocument, cell))
        writes.push_back({c, pattern});
    writeCells(text, std::move(writes));
}

void LevelEditSession::writeCells(const QString& text, std::vector<CellWrite> writes, bool stroke)
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
    if (stroke)
        mDocument.push(new PaintStrokeCommand(mDocument, mStroke, std::move(edits), text));
    else
        mDocument.push(new WriteCellsCommand(mDocument, text, std::move(edits)));
}
