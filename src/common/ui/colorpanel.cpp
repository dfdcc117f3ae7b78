// Colour panel drawing and clicks.
#include "common/ui/colorpanel.h"

#include <QMouseEvent>

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
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ColorPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}
