// A grid of controls as one Tab stop.
#include "gui/common/focusgrid.h"

#include <QKeyEvent>
#include <QWidget>

FocusGrid::FocusGrid(std::vector<std::vector<QWidget*>> columns, QObject* parent)
    : QObject(parent), mColumns(std::move(columns))
{
    for (const auto& column : mColumns)
        for (QWidget* control : column) {
            control->setFocusPolicy(Qt::ClickFocus);
            control->installEventFilter(this);
        }
    if (!mColumns.empty() && !mColumns.front().empty())
        makeStop(mColumns.front().front());
}

void FocusGrid::makeStop(QWidget* control)
{
    if (mStop)
        mStop->setFocusPolicy(Qt::ClickFocus);
    mStop = control;
    mStop->setFocusPolicy(Qt::StrongFocus);
}

bool FocusGrid::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusIn && control != mStop) {
        makeStop(control);
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        int dx = 0, dy = 0;
        switch (key->key()) {
        case Qt::Key_Left: dx = -1; break;
        case Qt::Key_Right: dx = 1; break;
        case Qt::Key_Up: dy = -1; break;
        case Qt::Key_Down: dy = 1; break;
        default: return false;
        }
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        for (int c = 0; c < int(mColumns.size()); ++c)
            for (int r = 0; r < int(mColumns[size_t(c)].size()); ++r)
                if (mColumns[size_t(c)][size_t(r)] == control) {
                    const int nc = c + dx, nr = r + dy;
                    if (nc >= 0 && nc < int(mColumns.size()) && nr >= 0 && nr < int(mColumns[size_t(nc)].size()))
                        mColumns[size_t(nc)][size_t(nr)]->setFocus(Qt::TabFocusReason);
                    return true; // at the edge the arrow does nothing
                }
    }
    return false;
}
