// The byte view's table models.
#include "gui/level/levelbytemodels.h"

#include "level/leveldocument.h"
#include "level/levelpixeltable.h"

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
    // One announcement per code: a view repaints a single announced cell alone, but the whole
    // table for any larger range.
    for (const QPoint& cell : change.cells)
        for (int position : {2 * cell.x(), 2 * cell.x() + 1}) {
            const QModelIndex at = index(cell.y(), position);
            emit dataChanged(at, at, {Qt::DisplayRole});
        }
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
