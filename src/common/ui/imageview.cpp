// Blitting a model picture and translating mouse events.
#include "common/ui/imageview.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

ImageView::ImageView(const QImage* image, QWidget* parent) : QWidget(parent), mImage(image)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setImage(image);
}

void ImageView::setImage(const QImage* image)
{
    mImage = image;
    if (!mStretched && mImage)
        setFixedSize(mImage->size());
    update();
}

void ImageView::setStretched(bool stretched)
{
    mStretched = stretched;
    if (stretched) {
        setMinimumSize(1, 1);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setImage(mImage);
    }
}

void ImageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!mImage || mImage->isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    if (mStretched)
        painter.drawImage(rect(), *mImage);
    else
        painter.drawImage(0, 0, *mImage);
}

QPoint ImageView::toImage(const QPointF& position) const
{
    // Truncating, as a division of the pointer position is everywhere in this program.
    if (!mStretched || !mImage || width() == 0 || height() == 0)
        return QPoint(static_cast<int>(std::trunc(position.x())), static_cast<int>(std::trunc(position.y())));
    return QPoint(static_cast<int>(std::trunc(position.x() * mImage->width() / width())),
                  static_cast<int>(std::trunc(position.y() * mImage->height() / height())));
}

void ImageView::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button(), toImage(event->position()));
}

void ImageView::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(event->buttons(), toImage(event->position()));
}

void ImageView::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(event->button(), toImage(event->position()));
}

void ImageView::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit doubleClicked(event->button(), toImage(event->position()));
}
