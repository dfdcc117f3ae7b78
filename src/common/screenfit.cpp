// Fitting a window on the screen.
#include "common/screenfit.h"

#include <algorithm>

QRect FitOnScreen(QSize wanted, QSize minimum, QMargins frame, QRect available)
{
    const QSize room(available.width() - frame.left() - frame.right(), available.height() - frame.top() - frame.bottom());
    const QSize size = wanted.boundedTo(room).expandedTo(minimum);
    QRect outer(QPoint(0, 0), size.grownBy(frame));
    outer.moveCenter(available.center());
    outer.moveLeft(std::max(outer.left(), available.left()));
    outer.moveTop(std::max(outer.top(), available.top()));
    return QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), size);
}

QRect MovedInside(QRect outer, const QRect& available)
{
    outer.moveRight(std::min(outer.right(), available.right()));
    outer.moveBottom(std::min(outer.bottom(), available.bottom()));
    outer.moveLeft(std::max(outer.left(), available.left()));
    outer.moveTop(std::max(outer.top(), available.top()));
    return outer;
}
