// Colour panel drawing and clicks.
#include "common/ui/colorpanel.h"

#include <QMouseEvent>
#include <utility>

ColorPanel::ColorPanel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    restyle();
}

void ColorPanel::setColor(PackedColor color)
{
    mColor = color;
    restyle();
}

void ColorPanel::setTextColor(PackedColor color)
{
    mTextColor = color;
    restyle();
}

void ColorPanel::restyle()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(mColor));
    p.setColor(QPalette::WindowText, ToQColor(mTextColor));
    setPalette(p);
}

void ColorPanel::mouseReleaseEvent(QMouseEvent* event)
{
    // The release that ends a double click is not a click of its own: it would undo what the
    // double click's request has just set up.
    const bool endsDoubleClick = std::exchange(mInDoubleClick, false);
    if (!endsDoubleClick && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ColorPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        mInDoubleClick = true;
        emit doubleClicked();
    }
    QLabel::mouseDoubleClickEvent(event);
}
