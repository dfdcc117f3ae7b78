// The level editor's cell cursor: moving and selecting by keyboard and Ctrl + mouse, painting, picking,
// filling and the clipboard at the cursor, and placing at it on the monster and switch pages.
#include "gui/level/levelwindow.h"

#include "gui/common/keyawarebutton.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollArea>
#include <algorithm>

void LevelWindow::connectKeyboard()
{
    paintboxLevel->showLevelCursor(&mSession.cursor());
    connectAct(paintboxLevel, &LevelPictureView::levelKey, &LevelWindow::levelKey);
    // A position button about to place at the cursor shows where.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        auto placing = [now](const auto& buttons) { return std::find(buttons.begin(), buttons.end(), now) != buttons.end(); };
        paintboxLevel->setCursorShown(now && (placing(monsterButtons) || placing(woButtons)));
    });
}

void LevelWindow::levelKey(LevelKey key, bool shift)
{
    LevelCursor& cursor = mSession.cursor();
    switch (key) {
    case LevelKey::Left: cursor.moveBy(-1, 0, shift); break;
    case LevelKey::Right: cursor.moveBy(1, 0, shift); break;
    case LevelKey::Up: cursor.moveBy(0, -1, shift); break;
    case LevelKey::Down: cursor.moveBy(0, 1, shift); break;
    case LevelKey::Home: cursor.toRowStart(shift); break;
    case LevelKey::End: cursor.toRowEnd(shift); break;
    case LevelKey::Escape: cursor.clearSelection(); break;
    case LevelKey::Copy:
    case LevelKey::Cut:
    case LevelKey::Paste:
        // The clipboard belongs to the page where the level is painted.
        if (paintingPage())
            clipboardKey(key);
        return;
    default:
        // Painting, picking, filling and deleting are the active tool's; on the monster and switch
        // pages Space is the click that places a monster, switch or target.
        mTools.active().key(key);
        return;
    }
    followCursor();
}

void LevelWindow::clipboardKey(LevelKey key)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    switch (key) {
    case LevelKey::Copy: clipboard->setText(mSession.copyText()); break;
    case LevelKey::Cut: clipboard->setText(mSession.cut()); break;
    case LevelKey::Paste: mSession.paste(clipboard->text()); break;
    default: break;
    }
}

void LevelWindow::followCursor()
{
    const QPoint centre = mSession.cursor().cell() * LevelPicture::kCell + QPoint(16, 16);
    ScrollBox1->ensureVisible(centre.x(), centre.y(), LevelPicture::kCell, 0);
    // The banner tells the cell as a pointer over it would.
    mTools.active().move({centre, 0, false});
}
