// Mouse presses with held buttons and modifiers.
#include "level/ui/levelpictureview.h"

#include "level/leveleditsession.h"

#include <QMouseEvent>
#include <cmath>

void LevelPictureView::mousePressEvent(QMouseEvent* event)
{
    // Unstretched: the picture is shown 1:1, so the position is the picture point.
    const QPoint at(static_cast<int>(std::trunc(event->position().x())), static_cast<int>(std::trunc(event->position().y())));
    emit pressedWith(event->buttons() | event->button(), event->modifiers(), at);
    ImageView::mousePressEvent(event);
}

unsigned SessionButtons(Qt::MouseButtons held)
{
    unsigned bits = 0;
    if (held & Qt::LeftButton)
        bits |= LevelEditSession::LeftBit;
    if (held & Qt::MiddleButton)
        bits |= LevelEditSession::MiddleBit;
    if (held & Qt::RightButton)
        bits |= LevelEditSession::RightBit;
    return bits;
}
