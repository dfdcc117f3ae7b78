// The byte view's table models.
#include "levelio/levelbytemodels.h"

#include "level/leveldocument.h"
#include "level/levelpixeltable.h"

namespace {

constexpr int kPixelColumns = LevelPixelTable::kCharacters * LevelPixelTable::kPixels;

QVariant Centered()
{
    return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
}

} // namespace

LevelCodeTableModel::LevelCodeTableModel(const LevelDocument& document, QObject* parent)
    : QAbstractTableModel(parent), mDocument(document)
{
    connect(&mDocument, &LevelDocument::changed, this, [this] { refresh(); });
}

int LevelCodeTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : LevelDocument::kRows;
}

int LevelCodeTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : LevelDocument::kCodes;
}

QVariant LevelCodeTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return mDocument.code(index.column(), index.row());
    if (role == Qt::TextAlignmentRole)
        return Centered();
    return {};
}

QVariant LevelCodeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    return QString::number(orientation == Qt::Horizontal ? section : section + 1);
}

Qt::ItemFlags LevelCodeTableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void LevelCodeTableModel::refresh()
{
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

LevelPixelTableModel::LevelPixelTableModel(const LevelPixelTable& pixels, QObject* parent)
    : QAbstractTableModel(parent), mPixels(pixels)
{
}

int LevelPixelTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : LevelPixelTable::kRows;
}

int LevelPixelTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kPixelColumns;
}

QVariant LevelPixelTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole) {
        const int c = index.column() / LevelPixelTable::kPixels;
        const int k = index.column() % LevelPixelTable::kPixels;
        return QString::number(mPixels.pixel(c, index.row(), k));
    }
    if (role == Qt::TextAlignmentRole)
        return Centered();
    return {};
}

QVariant LevelPixelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return QString::number(section / LevelPixelTable::kPixels) + QChar(u'a' + section % LevelPixelTable::kPixels);
    const int half = LevelPixelTable::kRows / 2;
    return (section < half ? QStringLiteral("U") : QStringLiteral("L")) + QString::number(section % half + 1);
}

Qt::ItemFlags LevelPixelTableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void LevelPixelTableModel::refresh()
{
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}
