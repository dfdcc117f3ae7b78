// The register table for Qt's table view: row 0 as the column headers, column 0 as the row headers.
#pragma once

#include "common/packedcolor.h"

#include <QAbstractTableModel>
#include <QColor>

class GraphicsConverter;

// Black or white text, whichever reads better on the fill.
QColor TextColorOn(PackedColor fill);

// Model row r and column c show table cell (c + 1, r + 1). Each cell is filled with the colour its
// text names (white when empty, the plain look when the text is no colour). Typing goes through
// the converter's setCellText.
class RegisterTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RegisterTableModel(GraphicsConverter& converter, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Table cell of a model index, and back.
    static int tableColumn(const QModelIndex& index) { return index.column() + 1; }
    static int tableRow(const QModelIndex& index) { return index.row() + 1; }

private:
    GraphicsConverter& mConverter;
    int mRows = 0;
    int mColumns = 0;
};
