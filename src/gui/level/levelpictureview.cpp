// Mouse presses with held buttons and modifiers, the level's keys and the frames of cursor and selection.
#include "gui/level/levelpictureview.h"

#include "level/leveleditsession.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
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
// is solid.
void Frame(QPainter& painter, const QRect& r, Qt::PenStyle style)
{
    painter.setPen(QPen(Qt::white, style == Qt::SolidLine ? 4 : 2));
    painter.drawRect(r);
    painter.setPen(QPen(Qt::black, 2, style));
    painter.drawRect(r);
}

QRect CellsRect(const QRect& cells)
{
    return QRect(cells.topLeft() * LevelPicture::kCell, cells.size() * LevelPicture::kCell).adjusted(1, 1, -1, -1);
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

void LevelPictureView::mousePressEvent(QMouseEvent* event)
{
    // Unstretched: the picture is shown 1:1, so the position is the picture point.
    const QPoint at(static_cast<int>(std::trunc(event->position().x())), static_cast<int>(std::trunc(event->position().y())));
    emit pressedWith(event->buttons() | event->button(), event->modifiers(), at);
    ImageView::mousePressEvent(event);
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
    if (const std::optional<QRect> selection = mLevelCursor->selection())
        Frame(painter, CellsRect(*selection), Qt::DashLine);
    if (hasFocus() || mCursorShown)
        Frame(painter, CellsRect(QRect(mLevelCursor->cell(), QSize(1, 1))).adjusted(2, 2, -2, -2), Qt::SolidLine);
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
