// Register table cells as Qt model data, with their colour fills.
#include "gui/converter/registertablemodel.h"

#include "converter/graphicsconverter.h"
#include "palette/colortext.h"
#include "common/packedcolor_picture.h"

#include <QBrush>

QColor TextColorOn(PackedColor fill)
{
    const int brightness = (Red(fill) * 299 + Green(fill) * 587 + Blue(fill) * 114) / 1000;
    return brightness < 128 ? Qt::white : Qt::black;
}

RegisterTableModel::RegisterTableModel(GraphicsConverter& converter, QObject* parent)
    : QAbstractTableModel(parent), mConverter(converter)
{
    auto size = [this] {
        mRows = std::max(0, mConverter.table().rowCount() - 1);
        mColumns = std::max(0, mConverter.table().columnCount() - 1);
    };
    size();
    connect(&converter, &GraphicsConverter::tableChanged, this, [this, size] {
        beginResetModel();
        size();
        endResetModel();
    });
    connect(&converter, &GraphicsConverter::cellChanged, this, [this](int column, int row) {
        if (row == 0) {
            emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
        } else if (column == 0) {
            emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
        } else if (row <= mRows && column <= mColumns) {
            const QModelIndex i = index(row - 1, column - 1);
            emit dataChanged(i, i);
        }
    });
}

int RegisterTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : mRows;
}

int RegisterTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : mColumns;
}

QVariant RegisterTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const QString& text = mConverter.cell(tableColumn(index), tableRow(index));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text;
    case Qt::BackgroundRole:
        if (text.isEmpty())
            return QBrush(Qt::white);
        if (const auto color = TryParseColorText(text))
            return QBrush(ToQColor(*color));
        return QVariant();
    case Qt::ForegroundRole:
        if (const auto color = TryParseColorText(text))
            return QBrush(TextColorOn(*color));
        return QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignTop);
    default:
        return QVariant();
    }
}

QVariant RegisterTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    return orientation == Qt::Horizontal ? mConverter.cell(section + 1, 0) : mConverter.cell(0, section + 1);
}

bool RegisterTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    mConverter.setCellText(tableColumn(index), tableRow(index), value.toString());
    return true;
}

Qt::ItemFlags RegisterTableModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}
