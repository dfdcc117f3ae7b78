// The byte view's table models.
#include "gui/level/levelbytemodels.h"

#include "level/leveldocument.h"
#include "level/levelpixeltable.h"

#include <QRect>

namespace {

constexpr int kPixelColumns = LevelPixelTable::kCharacters * LevelPixelTable::kPixels;

} // namespace

QVariant ByteTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

QVariant ByteTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return role == Qt::DisplayRole ? QVariant(headerText(section, orientation)) : QVariant();
}

Qt::ItemFlags ByteTableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ByteTableModel::refresh()
{
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

LevelCodeTableModel::LevelCodeTableModel(const LevelDocument& document, QObject* parent)
    : ByteTableModel(LevelDocument::kRows, LevelDocument::kCodes, parent), mDocument(document)
{
    connect(&mDocument, &LevelDocument::changed, this, &LevelCodeTableModel::announce);
}

void LevelCodeTableModel::announce(const LevelChange& change)
{
    if (change.has(LevelChange::Grid)) {
        refresh();
        return;
    }
    if (change.cells.isEmpty())
        return;
    // A single cell: one announcement per code, since a view repaints a single announced code alone
    // but its whole visible part for any larger range.
    if (change.cells.size() == 1) {
        const QPoint cell = change.cells.front();
        for (int position : {2 * cell.x(), 2 * cell.x() + 1}) {
            const QModelIndex at = index(cell.y(), position);
            emit dataChanged(at, at, {Qt::DisplayRole});
        }
        return;
    }
    // More cells (a fill, a paste, an undo): one announcement of the rectangle around them. One per
    // code made the view gather thousands of small areas and paint cells and grid lines for each.
    QRect around;
    for (const QPoint& cell : change.cells)
        around |= QRect(cell, QSize(1, 1));
    around &= QRect(0, 0, LevelDocument::kColumns, LevelDocument::kRows);
    if (around.isEmpty())
        return;
    emit dataChanged(index(around.top(), 2 * around.left()), index(around.bottom(), 2 * around.right() + 1),
                     {Qt::DisplayRole});
}

QString LevelCodeTableModel::cellText(int row, int column) const
{
    return mDocument.code(column, row);
}

QString LevelCodeTableModel::headerText(int section, Qt::Orientation orientation) const
{
    return QString::number(orientation == Qt::Horizontal ? section : section + 1);
}

LevelPixelTableModel::LevelPixelTableModel(const LevelPixelTable& pixels, QObject* parent)
    : ByteTableModel(LevelPixelTable::kRows, kPixelColumns, parent), mPixels(pixels)
{
}

QString LevelPixelTableModel::cellText(int row, int column) const
{
    return QString::number(mPixels.pixel(column / LevelPixelTable::kPixels, row, column % LevelPixelTable::kPixels));
}

QString LevelPixelTableModel::headerText(int section, Qt::Orientation orientation) const
{
    if (orientation == Qt::Horizontal)
        return QString::number(section / LevelPixelTable::kPixels) + QChar(u'a' + section % LevelPixelTable::kPixels);
    const int half = LevelPixelTable::kRows / 2;
    return (section < half ? QStringLiteral("U") : QStringLiteral("L")) + QString::number(section % half + 1);
}
