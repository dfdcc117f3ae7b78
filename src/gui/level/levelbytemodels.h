// Read-only table models of the level byte view: the grid's codes and the decoded pattern pixels, read live.
#pragma once

#include <QAbstractTableModel>

class LevelDocument;
class LevelPixelTable;
struct LevelChange;

// A table of a fixed size whose texts are made when a cell is shown: centred, selectable, never
// editable. A table names its size, its cells' texts and its headers.
class ByteTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ByteTableModel(int rows, int columns, QObject* parent)
        : QAbstractTableModel(parent), mRows(rows), mColumns(columns)
    {
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : mRows; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : mColumns; }
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Tells the views that every cell may show a new value.
    void refresh();

protected:
    virtual QString cellText(int row, int column) const = 0;
    virtual QString headerText(int section, Qt::Orientation orientation) const = 0;

private:
    const int mRows;
    const int mColumns;
};

// 10 rows x 256 code positions of the level grid, as the texts stand; headers "0" ... "255" over the
// positions and "1" ... "10" before the rows. Follows the document's changes: the codes of the changed
// cells, or every code when the whole grid changed.
class LevelCodeTableModel : public ByteTableModel {
    Q_OBJECT
public:
    explicit LevelCodeTableModel(const LevelDocument& document, QObject* parent = nullptr);

protected:
    QString cellText(int row, int column) const override;
    QString headerText(int section, Qt::Orientation orientation) const override;

private:
    void announce(const LevelChange& change);

    const LevelDocument& mDocument;
};

// 16 rows x 512 pixel columns of the level's pattern pixels, "0" ... "3": column 4c + k - 1 is pixel k
// (1-4) of character c. Headers "0a" ... "127d" over the columns, "U1" ... "U8" (bank 1) and "L1" ...
// "L8" (bank 2) before the rows. The table is refilled on every opening of the level editor without
// an announcement: refresh() shows the new values.
class LevelPixelTableModel : public ByteTableModel {
    Q_OBJECT
public:
    explicit LevelPixelTableModel(const LevelPixelTable& pixels, QObject* parent = nullptr);

protected:
    QString cellText(int row, int column) const override;
    QString headerText(int section, Qt::Orientation orientation) const override;

private:
    const LevelPixelTable& mPixels;
};
