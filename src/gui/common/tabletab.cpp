// Tab out of tables, also out of a cell being edited.
#include "gui/common/tabletab.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>

bool TabLeavingDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            // The editor sits on the view's viewport.
            QWidget* view = editor->parentWidget() ? editor->parentWidget()->parentWidget() : nullptr;
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            if (view) {
                QKeyEvent leave(QEvent::KeyPress, key->key(), key->modifiers());
                QCoreApplication::sendEvent(view, &leave);
            }
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

void LeaveByTab(QAbstractItemView* view)
{
    view->setTabKeyNavigation(false);
    view->setItemDelegate(new TabLeavingDelegate(view));
}
