// The level editor's cell cursor: moving and selecting by keyboard and Ctrl + mouse, painting, picking,
// filling and the clipboard at the cursor, and placing at it on the monster and switch pages.
#include "level/ui/map.h"

#include "common/ui/keyawarebutton.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollArea>
#include <algorithm>

namespace {

// Truncating: QPoint's own division rounds.
QPoint CellOf(QPoint at) { return {at.x() / LevelPicture::kCell, at.y() / LevelPicture::kCell}; }

} // namespace

void TFormmap::connectKeyboard()
{
    paintboxLevel->showLevelCursor(&mSession.cursor());
    connectAct(paintboxLevel, &LevelPictureView::levelKey, &TFormmap::levelKey);
    // A position button about to place at the cursor shows where.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        auto placing = [now](const auto& buttons) { return std::find(buttons.begin(), buttons.end(), now) != buttons.end(); };
        paintboxLevel->setCursorShown(now && (placing(monsterButtons) || placing(woButtons)));
    });
}

void TFormmap::levelKey(LevelPictureView::Key key, bool shift)
{
    using K = LevelPictureView::Key;
    LevelCursor& cursor = mSession.cursor();
    switch (key) {
    case K::Left: cursor.moveBy(-1, 0, shift); break;
    case K::Right: cursor.moveBy(1, 0, shift); break;
    case K::Up: cursor.moveBy(0, -1, shift); break;
    case K::Down: cursor.moveBy(0, 1, shift); break;
    case K::Home: cursor.toRowStart(shift); break;
    case K::End: cursor.toRowEnd(shift); break;
    case K::Escape: cursor.clearSelection(); break;
    default:
        // Painting, picking, filling and the clipboard belong to the page where the level is painted;
        // on the other pages Space is the click that places a monster, switch or target.
        if (paintingPage())
            cellKey(key);
        else if (key == K::Paint)
            placeAtCursor();
        return;
    }
    followCursor();
}

void TFormmap::cellKey(LevelPictureView::Key key)
{
    using K = LevelPictureView::Key;
    QClipboard* clipboard = QGuiApplication::clipboard();
    switch (key) {
    case K::Paint: mSession.paintAtCursor(); break;
    case K::Pick: mSession.pickAtCursor(); break;
    case K::Fill: mSession.fill(); break;
    case K::Copy: clipboard->setText(mSession.copyText()); break;
    case K::Cut: clipboard->setText(mSession.cut()); break;
    case K::Paste: mSession.paste(clipboard->text()); break;
    case K::Delete: mSession.erase(); break;
    default: break;
    }
}

void TFormmap::followCursor()
{
    const QPoint centre = mSession.cursor().cell() * LevelPicture::kCell + QPoint(16, 16);
    ScrollBox1->ensureVisible(centre.x(), centre.y(), LevelPicture::kCell, 0);
    // The banner tells the cell as a pointer over it would.
    mSession.levelMouseMove(centre, 0, paintingPage());
}

bool TFormmap::cursorPress(Qt::MouseButtons held, Qt::KeyboardModifiers modifiers, QPoint at)
{
    if ((held & Qt::LeftButton) && (modifiers & Qt::ControlModifier)) {
        mSession.cursor().beginDrag(CellOf(at));
        mSelecting = true;
        paintboxLevel->update();
        return true;
    }
    // Every other press puts the cursor on the pressed cell too, and then does what it does.
    mSession.cursor().moveTo(CellOf(at));
    paintboxLevel->update();
    return false;
}

bool TFormmap::cursorDrag(QPoint at)
{
    if (!mSelecting)
        return false;
    mSession.cursor().dragTo(CellOf(at));
    paintboxLevel->update();
    return true;
}

bool TFormmap::cursorRelease()
{
    if (!mSelecting)
        return false;
    mSession.cursor().endDrag();
    mSelecting = false;
    paintboxLevel->update();
    return true;
}
