// Showing and editing a level table through its item model.
#include "gui/level/leveltablemodel.h"

LevelTableModel::LevelTableModel(LevelDocument& document, LevelTable table, QObject* parent)
    : QAbstractTableModel(parent), mDocument(document), mTable(table)
{
    const auto part = table == LevelTable::Monsters ? LevelChange::Monsters : LevelChange::Switches;
    connect(&mDocument, &LevelDocument::changed, this, [this, part](const LevelChange& change) {
        if (change.has(part))
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    });
}

int LevelTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : LevelDocument::tableRows(mTable);
}

int LevelTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : LevelDocument::tableColumns(mTable);
}

QVariant LevelTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return mDocument.tableCell(mTable, index.row() + 1, index.column() + 1);
}

QVariant LevelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? LevelDocument::tableHeader(mTable, section + 1)
                                         : LevelDocument::tableHint(mTable, section + 1);
}

bool LevelTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    mDocument.editTableCell(mTable, index.row() + 1, index.column() + 1, value.toString());
    return true;
}

Qt::ItemFlags LevelTableModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}
