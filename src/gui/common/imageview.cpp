// Blitting a model picture and translating mouse events.
#include "gui/common/imageview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <algorithm>
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
        setFixedSize(qRound(shownSize().width() * mScale), qRound(shownSize().height() * mScale));
    update();
}

void ImageView::setBlock(QSize block)
{
    if (block.isEmpty() || block == mBlock)
        return;
    mBlock = block;
    setImage(mImage);
}

QSize ImageView::shownSize() const
{
    return QSize(mImage->width() * mBlock.width(), mImage->height() * mBlock.height());
}

void ImageView::setScale(double scale)
{
    if (scale <= 0 || scale == mScale)
        return;
    mScale = scale;
    setImage(mImage);
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

QRect ImageView::pictureShown(const QRect& shown) const
{
    if (mStretched)
        return QRect(QPoint(0, 0), shownSize());
    const int left = int(std::floor(shown.left() / mScale));
    const int top = int(std::floor(shown.top() / mScale));
    const int right = std::min(shownSize().width(), int(std::ceil((shown.right() + 1) / mScale)));
    const int bottom = std::min(shownSize().height(), int(std::ceil((shown.bottom() + 1) / mScale)));
    return QRect(left, top, right - left, bottom - top);
}

void ImageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (mImage && mPrepare)
        mPrepare(pictureShown(event->rect()));
    if (!mImage || mImage->isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    if (mStretched) {
        painter.drawImage(rect(), *mImage);
    } else if (mScale == 1 && mBlock == QSize(1, 1)) {
        painter.drawImage(0, 0, *mImage);
    } else {
        // Only the picture pixels the exposed part shows (whole ones), each as a sharp block.
        const QRect shown = pictureShown(event->rect());
        const int bw = mBlock.width();
        const int bh = mBlock.height();
        const QRect source(QPoint(shown.left() / bw, shown.top() / bh), QPoint(shown.right() / bw, shown.bottom() / bh));
        const QRectF target(source.left() * bw * mScale, source.top() * bh * mScale, source.width() * bw * mScale,
                            source.height() * bh * mScale);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(target, *mImage, source);
    }
    if (hasFocus() && !mCells.isEmpty()) {
        // A frame in two tones that shows on every colour.
        const QRect r = cellRect(mCell).united(cellRect(QPoint(mAnchorColumn, mCell.y()))).adjusted(0, 0, -1, -1);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(r);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(r);
    }
}

void ImageView::setKeyboardCells(QSize pitch, int columns, int rows)
{
    mPitch = pitch;
    mCells = QSize(columns, rows);
    mCell = QPoint(0, 0);
    setFocusPolicy(mCells.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
}

QRect ImageView::cellRect(QPoint cell) const
{
    return QRect(QPoint(cell.x() * mPitch.width(), cell.y() * mPitch.height()), mPitch);
}

void ImageView::keyPressEvent(QKeyEvent* event)
{
    if (mCells.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    QPoint cell = mCell;
    if (mRowRuns && (event->modifiers() & Qt::ShiftModifier)) {
        switch (event->key()) {
        case Qt::Key_Left: cell.rx() -= 1; break;
        case Qt::Key_Right: cell.rx() += 1; break;
        case Qt::Key_Home: cell.rx() = 0; break;
        case Qt::Key_End: cell.rx() = mCells.width() - 1; break;
        case Qt::Key_Up:
        case Qt::Key_Down: return;
        default: QWidget::keyPressEvent(event); return;
        }
        const QPoint before = mCell;
        setKeyboardRun(cell, mAnchorColumn);
        if (mCell != before)
            emit keyboardExtended(cellRect(mCell).center());
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: cell.rx() -= 1; break;
    case Qt::Key_Right: cell.rx() += 1; break;
    case Qt::Key_Up: cell.ry() -= 1; break;
    case Qt::Key_Down: cell.ry() += 1; break;
    case Qt::Key_Home: cell.rx() = 0; break;
    case Qt::Key_End: cell.rx() = mCells.width() - 1; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!mReturnDoubleClicks) {
            emit released(Qt::LeftButton, cellRect(mCell).center());
            return;
        }
        [[fallthrough]];
    case Qt::Key_F2:
        // A double click always comes after a click.
        emit released(Qt::LeftButton, cellRect(mCell).center());
        emit doubleClicked(Qt::LeftButton, cellRect(mCell).center());
        return;
    case Qt::Key_Space:
        emit released(Qt::LeftButton, cellRect(mCell).center());
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const QPoint before = mCell;
    setKeyboardCell(cell);
    if (mCell != before)
        emit keyboardMoved(cellRect(mCell).center());
}

void ImageView::setKeyboardCell(QPoint cell)
{
    setKeyboardRun(cell, cell.x());
}

void ImageView::setKeyboardRun(QPoint cell, int anchorColumn)
{
    if (mCells.isEmpty())
        return;
    const QPoint clamped(std::clamp(cell.x(), 0, mCells.width() - 1), std::clamp(cell.y(), 0, mCells.height() - 1));
    const int anchor = std::clamp(anchorColumn, 0, mCells.width() - 1);
    if (clamped == mCell && anchor == mAnchorColumn)
        return;
    const bool moved = clamped != mCell;
    mCell = clamped;
    mAnchorColumn = anchor;
    if (moved)
        scrollToCell();
    update();
}

void ImageView::scrollToCell()
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        auto* area = qobject_cast<QScrollArea*>(w);
        if (!area || !area->widget())
            continue;
        if (area->widget() != this && !area->widget()->isAncestorOf(this))
            return;
        const QRect r = cellRect(mCell);
        const QPoint centre = area->widget() == this ? r.center() : mapTo(area->widget(), r.center());
        area->ensureVisible(centre.x(), centre.y(), r.width() / 2 + 1, r.height() / 2 + 1);
        return;
    }
}

void ImageView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ImageView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void ImageView::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    emit left();
}

QPoint ImageView::toImage(const QPointF& position) const
{
    // Truncating, as a division of the pointer position is everywhere in this program.
    if (!mStretched || !mImage || width() == 0 || height() == 0)
        return QPoint(static_cast<int>(std::trunc(position.x() / mScale)), static_cast<int>(std::trunc(position.y() / mScale)));
    return QPoint(static_cast<int>(std::trunc(position.x() * shownSize().width() / width())),
                  static_cast<int>(std::trunc(position.y() * shownSize().height() / height())));
}

void ImageView::mousePressEvent(QMouseEvent* event)
{
    mMouseModifiers = event->modifiers();
    emit pressed(event->button(), toImage(event->position()));
}

void ImageView::mouseMoveEvent(QMouseEvent* event)
{
    mMouseModifiers = event->modifiers();
    emit moved(event->buttons(), toImage(event->position()));
}

void ImageView::mouseReleaseEvent(QMouseEvent* event)
{
    mMouseModifiers = event->modifiers();
    const QPoint p = toImage(event->position());
    if (!mCells.isEmpty() && rect().contains(event->position().toPoint())) {
        // The keyboard goes on from the cell last clicked.
        mCell = QPoint(std::clamp(p.x() / mPitch.width(), 0, mCells.width() - 1),
                       std::clamp(p.y() / mPitch.height(), 0, mCells.height() - 1));
        mAnchorColumn = mCell.x();
        update();
    }
    emit released(event->button(), p);
}

void ImageView::mouseDoubleClickEvent(QMouseEvent* event)
{
    mMouseModifiers = event->modifiers();
    emit doubleClicked(event->button(), toImage(event->position()));
}
