// Tables that Tab leaves: the arrows move inside a table, Tab and Shift+Tab move on to the next control.
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

// Ends the editing of a cell on Tab or Shift+Tab and leaves the table, as Tab does when no cell is
// being edited (Qt's own delegate would open the next cell instead).
class TabLeavingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

// No tab-key navigation inside the view, and its cell editors give Tab back to the window.
void LeaveByTab(QAbstractItemView* view);
