// The level editor's cell cursor: moving and selecting by keyboard and Ctrl + mouse, painting, picking,
// filling and the clipboard at the cursor, and placing at it on the monster and switch pages.
#include "gui/level/levelwindow.h"

#include "gui/common/keyawarebutton.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

void LevelWindow::connectKeyboard()
{
    paintboxLevel->showLevelCursor(&mSession.cursor());
    connectAct(paintboxLevel, &LevelPictureView::levelKey, &LevelWindow::levelKey);
    // A position button about to place at the cursor shows where.
    // Dropped in the destructor: the children's destruction in ~QWidget moves the focus after this
    // window's own members are gone.
    mFocusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        auto placing = [now](const auto& buttons) { return std::find(buttons.begin(), buttons.end(), now) != buttons.end(); };
        const bool placingButton = now && (placing(monsterButtons) || placing(woButtons));
        paintboxLevel->setCursorShown(placingButton);
        // The cell it would place at comes into view.
        if (placingButton)
            showCursorCell();
        // A scroll area brings a control that gains or loses the focus into view, which for the whole
        // level is its middle: the level stays where it was, with its cursor in view.
        if (old == paintboxLevel || now == paintboxLevel) {
            QScrollBar* across = ScrollBox1->horizontalScrollBar();
            QScrollBar* down = ScrollBox1->verticalScrollBar();
            QTimer::singleShot(0, this, [this, across, down, keptAcross = across->value(), keptDown = down->value()] {
                across->setValue(keptAcross);
                down->setValue(keptDown);
                showCursorCell();
            });
        }
    });
}

void LevelWindow::cycleFocus(int step)
{
    // The level, the pattern chooser (on its page) and the first control of the page below.
    QWidget* page = PageControl1->currentWidget();
    QWidget* pageFirst = nullptr;
    // In the order Tab goes, which runs through the whole window.
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (page->isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && w != paintboxpattern) {
            pageFirst = w;
            break;
        }
    std::vector<QWidget*> areas{paintboxLevel};
    if (currentPage() == LevelPage::Spielelemente)
        areas.push_back(paintboxpattern);
    if (pageFirst)
        areas.push_back(pageFirst);
    const QWidget* focus = QApplication::focusWidget();
    int at = -1;
    for (int i = 0; i < int(areas.size()); ++i)
        if (focus == areas[size_t(i)] || (areas[size_t(i)] == pageFirst && page->isAncestorOf(focus) && focus != paintboxpattern))
            at = i;
    const int n = int(areas.size());
    const int next = at < 0 ? (step > 0 ? 0 : n - 1) : (at + step + n) % n;
    areas[size_t(next)]->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
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

void LevelWindow::showCursorCell()
{
    // At the view's zoom; the rows are all in view up to 100 %.
    const QRect cell = paintboxLevel->cellsRect(QRect(mSession.cursor().cell(), QSize(1, 1)));
    ScrollBox1->ensureVisible(cell.center().x(), cell.center().y(), cell.width(), mView.zoom > 100 ? cell.height() : 0);
}

void LevelWindow::followCursor()
{
    showCursorCell();
    const QPoint centre = mSession.cursor().cell() * LevelPicture::kCell + QPoint(16, 16);
    // The banner tells the cell as a pointer over it would.
    mTools.active().move({centre, 0, false});
}
