// Read-only table models of the level byte view: the grid's codes and the decoded pattern pixels, read live.
#pragma once

#include <QAbstractTableModel>

class LevelDocument;
class LevelPixelTable;

// 10 rows x 256 code positions of the level grid, as the texts stand; headers "0" ... "255" over the
// positions and "1" ... "10" before the rows. Follows the document's changes.
class LevelCodeTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LevelCodeTableModel(const LevelDocument& document, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Tells the views that every cell may show a new value.
    void refresh();

private:
    const LevelDocument& mDocument;
};

// 16 rows x 512 pixel columns of the level's pattern pixels, "0" ... "3": column 4c + k - 1 is pixel k
// (1-4) of character c. Headers "0a" ... "127d" over the columns, "U1" ... "U8" (bank 1) and "L1" ...
// "L8" (bank 2) before the rows.
class LevelPixelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LevelPixelTableModel(const LevelPixelTable& pixels, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The table is refilled on every opening of the level editor, without an announcement.
    void refresh();

private:
    const LevelPixelTable& mPixels;
};
