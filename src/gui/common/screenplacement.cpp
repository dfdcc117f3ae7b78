// Sizing a window so that it lies whole on the screen.
#include "gui/common/screenplacement.h"

#include "common/screenfit.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace {

QMargins FrameOf(const QWidget* window)
{
    const QRect outer = window->frameGeometry(), inner = window->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

// A title bar and thin borders, until a shown window tells its window manager's.
QMargins GuessFrame(const QWidget* window)
{
    if (window->isVisible() && window->frameGeometry() != window->geometry())
        return FrameOf(window);
    if (const QWidget* shown = QApplication::activeWindow(); shown && shown != window
        && shown->frameGeometry() != shown->geometry())
        return FrameOf(shown);
    return QMargins(4, 30, 4, 4);
}

} // namespace

void FitWindowOnScreen(QWidget* window, QSize wanted)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->setGeometry(
        FitOnScreen(wanted, window->minimumSizeHint().expandedTo(window->minimumSize()), GuessFrame(window),
                    screen->availableGeometry()));
}

void KeepWindowOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize outer = window->size().grownBy(GuessFrame(window));
    const QRect available = screen->availableGeometry();
    if (outer.width() > available.width() || outer.height() > available.height())
        FitWindowOnScreen(window, window->size());
}
