// Colour panel drawing and clicks.
#include "gui/common/colorpanel.h"

#include "gui/common/laidouttext.h"
#include "common/packedcolor_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>
#include <utility>

ColorPanel::ColorPanel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    restyle();
}

void ColorPanel::setClickable(bool clickable)
{
    setFocusPolicy(clickable ? Qt::StrongFocus : Qt::NoFocus);
    setAccessibleDescription(clickable ? QStringLiteral("Leertaste: Klick, F2: Doppelklick") : QString());
}

QSize ColorPanel::sizeHint() const
{
    return minimumSize() == maximumSize() ? minimumSize() : QLabel::sizeHint();
}

QSize ColorPanel::minimumSizeHint() const
{
    return minimumSize() == maximumSize() ? minimumSize() : QLabel::minimumSizeHint();
}

void ColorPanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        return;
    case Qt::Key_F2:
        // As with the mouse, a double click comes after a click.
        emit clicked();
        emit doubleClicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ColorPanel::paintEvent(QPaintEvent*)
{
    // The frame and the caption centred in it, as the label draws them (the background is filled
    // before), from a caption laid out once; half a pixel up puts its glyphs on the label's pixels.
    QPainter painter(this);
    drawFrame(&painter);
    if (!text().isEmpty()) {
        const QRect area = contentsRect();
        const QStaticText& caption = LaidOutText(text(), font());
        const QSizeF size = caption.size();
        painter.setPen(palette().color(QPalette::WindowText));
        if (size.width() > area.width())
            painter.setClipRect(area);
        painter.drawStaticText(QPointF(area.x() + (area.width() - size.width()) / 2,
                                       area.y() + (area.height() - size.height()) / 2 - 0.5),
                               caption);
        painter.setClipping(false);
    }
    if (!hasFocus())
        return;
    const QRect r = rect().adjusted(3, 3, -4, -4);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(r);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(r);
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
