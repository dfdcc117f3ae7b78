// The monster or switch table of the level document as an item model for a table view.
#pragma once

#include "level/leveldocument.h"

#include <QAbstractTableModel>

// Rows are the table's fields (hint texts as row headers), columns its monsters or switches
// ("Mon #01" ... / "S01" ...). Typing into a cell is one undo step of the document.
class LevelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    LevelTableModel(LevelDocument& document, LevelTable table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    LevelDocument& mDocument;
    LevelTable mTable;
};
