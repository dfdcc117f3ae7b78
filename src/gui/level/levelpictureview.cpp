// Mouse presses with held buttons and modifiers, the level's keys and the frames of cursor and selection.
#include "gui/level/levelpictureview.h"

#include "level/leveleditsession.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>
#include <optional>

namespace {

std::optional<LevelPictureView::Key> KeyOf(QKeyEvent* event)
{
    using K = LevelPictureView::Key;
    if (event->matches(QKeySequence::Copy))
        return K::Copy;
    if (event->matches(QKeySequence::Cut))
        return K::Cut;
    if (event->matches(QKeySequence::Paste))
        return K::Paste;
    // Shift may be held with the keys that select; the others take no modifier but the keypad's.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods != Qt::NoModifier)
        return std::nullopt;
    switch (event->key()) {
    case Qt::Key_Left: return K::Left;
    case Qt::Key_Right: return K::Right;
    case Qt::Key_Up: return K::Up;
    case Qt::Key_Down: return K::Down;
    case Qt::Key_Home: return K::Home;
    case Qt::Key_End: return K::End;
    case Qt::Key_Escape: return K::Escape;
    case Qt::Key_Space: return K::Paint;
    case Qt::Key_P: return K::Pick;
    case Qt::Key_F: return K::Fill;
    case Qt::Key_Delete: return K::Delete;
    default: return std::nullopt;
    }
}

// A frame in two tones that shows on every colour: black over white, the white wider where the black
// is solid; thinner on small cells.
void Frame(QPainter& painter, const QRect& r, Qt::PenStyle style, bool thin)
{
    const int width = thin ? 1 : 2;
    painter.setPen(QPen(Qt::white, style == Qt::SolidLine ? 2 * width : width));
    painter.drawRect(r);
    painter.setPen(QPen(Qt::black, width, style));
    painter.drawRect(r);
}

} // namespace

void LevelPictureView::showLevelCursor(const LevelCursor* cursor)
{
    mLevelCursor = cursor;
    setFocusPolicy(cursor ? Qt::StrongFocus : Qt::NoFocus);
    update();
}

void LevelPictureView::setCursorShown(bool shown)
{
    if (shown != mCursorShown) {
        mCursorShown = shown;
        update();
    }
}

void LevelPictureView::setGridShown(bool shown)
{
    if (shown != mGridShown) {
        mGridShown = shown;
        update();
    }
}

QRect LevelPictureView::cellsRect(const QRect& cells) const
{
    const double cell = LevelPicture::kCell * scale();
    const QPoint topLeft(qRound(cells.left() * cell), qRound(cells.top() * cell));
    const QPoint end(qRound((cells.right() + 1) * cell), qRound((cells.bottom() + 1) * cell));
    return QRect(topLeft, end - QPoint(1, 1));
}

void LevelPictureView::mousePressEvent(QMouseEvent* event)
{
    emit pressedWith(event->buttons() | event->button(), event->modifiers(), toImage(event->position()));
    ImageView::mousePressEvent(event);
}

void LevelPictureView::wheelEvent(QWheelEvent* event)
{
    if (!mLevelCursor || !(event->modifiers() & Qt::ControlModifier)) {
        ImageView::wheelEvent(event);
        return;
    }
    emit zoomWheel(event->angleDelta().y(), event->position().toPoint());
    event->accept();
}

void LevelPictureView::keyPressEvent(QKeyEvent* event)
{
    if (!mLevelCursor) {
        chooserKey(event);
        return;
    }
    const std::optional<Key> key = KeyOf(event);
    if (!key) {
        ImageView::keyPressEvent(event);
        return;
    }
    emit levelKey(*key, event->modifiers() & Qt::ShiftModifier);
}

void LevelPictureView::chooserKey(QKeyEvent* event)
{
    // Space, 2 and 3 press and release the left, middle and right button on the framed cell; the
    // arrows move the frame and tell where it is, as the pointer would.
    const QPoint centre = keyboardCell() * LevelPicture::kCell + QPoint(LevelPicture::kCell / 2, LevelPicture::kCell / 2);
    Qt::MouseButton button = Qt::NoButton;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Space: button = Qt::LeftButton; break;
        case Qt::Key_2: button = Qt::MiddleButton; break;
        case Qt::Key_3: button = Qt::RightButton; break;
        default: break;
        }
    }
    if (button != Qt::NoButton) {
        emit pressedWith(button, Qt::NoModifier, centre);
        emit released(button, centre);
        return;
    }
    const QPoint before = keyboardCell();
    ImageView::keyPressEvent(event);
    if (keyboardCell() != before) {
        const QPoint now = keyboardCell() * LevelPicture::kCell + QPoint(LevelPicture::kCell / 2, LevelPicture::kCell / 2);
        emit moved(Qt::NoButton, now);
    }
}

void LevelPictureView::paintEvent(QPaintEvent* event)
{
    ImageView::paintEvent(event);
    if (!mLevelCursor)
        return;
    QPainter painter(this);
    if (mGridShown)
        paintGrid(painter, event->rect());
    // Small cells get thin frames, set in by less.
    const bool thin = LevelPicture::kCell * scale() < 16;
    const int in = thin ? 1 : 2;
    const auto framed = [this, thin](const QRect& cells) { return thin ? cellsRect(cells) : cellsRect(cells).adjusted(1, 1, -1, -1); };
    if (const std::optional<QRect> selection = mLevelCursor->selection())
        Frame(painter, framed(*selection), Qt::DashLine, thin);
    if (mOutline)
        if (const std::optional<QRect> outline = mOutline())
            Frame(painter, framed(*outline), Qt::DashLine, thin);
    if (hasFocus() || mCursorShown)
        Frame(painter, framed(QRect(mLevelCursor->cell(), QSize(1, 1))).adjusted(in, in, -in, -in), Qt::SolidLine, thin);
}

void LevelPictureView::paintGrid(QPainter& painter, const QRect& exposed) const
{
    // A line of one pixel at each cell's left and top edge, white with black dashes on it: one of the
    // two shows on every pattern. Only the lines in the exposed part are drawn.
    const double cell = LevelPicture::kCell * scale();
    const int firstColumn = std::max(0, int(exposed.left() / cell));
    const int lastColumn = std::min(LevelPicture::kWidth / LevelPicture::kCell, int(exposed.right() / cell) + 1);
    const int firstRow = std::max(0, int(exposed.top() / cell));
    const int lastRow = std::min(LevelPicture::kHeight / LevelPicture::kCell, int(exposed.bottom() / cell) + 1);
    // The dashes start on a multiple of their period, so that a part painted later meets the rest.
    const int left = exposed.left() / 4 * 4;
    const int top = exposed.top() / 4 * 4;
    QVector<QLine> lines;
    for (int x = std::max(1, firstColumn); x <= lastColumn; ++x)
        lines.append(QLine(qRound(x * cell), top, qRound(x * cell), exposed.bottom()));
    for (int y = std::max(1, firstRow); y <= lastRow; ++y)
        lines.append(QLine(left, qRound(y * cell), exposed.right(), qRound(y * cell)));
    painter.setPen(QPen(Qt::white, 0));
    painter.drawLines(lines);
    QPen dashes(Qt::black, 0, Qt::CustomDashLine);
    dashes.setDashPattern({2, 2});
    painter.setPen(dashes);
    painter.drawLines(lines);
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
