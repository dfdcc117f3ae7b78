// The converter's log on screen: a list that asks the log for each line as it comes into view.
#pragma once

#include <QAbstractListModel>
#include <QTableView>

class ConverterLog;

// Rows of the log for Qt's views. The row count follows the log's announcements, so the view is
// told of new lines before it asks for them.
class ConverterLogModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ConverterLogModel(const ConverterLog& log, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const ConverterLog& mLog;
    int mRows = 0;
};

// Lines can be selected with the mouse and keyboard (Shift, Ctrl, Ctrl+A) and copied as text
// with Ctrl+C or the context menu; the view follows the end of the log as lines are added.
class LogView : public QTableView {
    Q_OBJECT
public:
    explicit LogView(ConverterLog& log, QWidget* parent = nullptr);

    // The selected lines joined with line ends, in log order.
    QString selectedText() const;
    void copySelection() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    ConverterLog& mLog;
    ConverterLogModel mModel;
};
