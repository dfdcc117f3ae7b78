// Sizing a window so that it lies whole on the screen.
#include "gui/common/screenplacement.h"

#include "common/screenfit.h"

#include <QApplication>
#include <QEvent>
#include <algorithm>
#include <QScreen>
#include <QTimer>
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

bool WidenWindowOnScreen(QWidget* window, int extra)
{
    const QScreen* screen = window->screen();
    if (extra <= 0 || !screen || window->isMaximized() || window->isFullScreen())
        return false;
    const QRect available = screen->availableGeometry();
    const QMargins frame = GuessFrame(window);
    QRect outer = window->geometry().marginsAdded(frame);
    outer.setWidth(outer.width() + extra);
    if (outer.width() > available.width())
        return false;
    window->setGeometry(MovedInside(outer, available).marginsRemoved(frame));
    return true;
}

namespace {

// Corrects the window's place when its frame reaches past the free area; true when it had to.
bool PullInside(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen || window->isMaximized() || window->isFullScreen())
        return false;
    const QRect available = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (frame == window->geometry() || available.contains(frame))
        return false; // not framed yet, or whole
    const QMargins margins = FrameOf(window);
    const QSize room = available.size().shrunkBy(margins).expandedTo(window->minimumSize());
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room));
    const QRect outer = MovedInside(QRect(frame.topLeft(), window->size().grownBy(margins)), available);
    window->move(outer.topLeft()); // a shown window's position is its frame's
    return true;
}

class FrameKeeper : public QObject {
public:
    explicit FrameKeeper(QWidget* window) : QObject(window), mWindow(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The window manager frames and places a window a moment after it is shown, whether or not it
        // moves it: looked at then, and once more a little later. Later moves are the user's.
        if (watched == mWindow && event->type() == QEvent::Show && !event->spontaneous())
            for (int ms : {200, 600})
                QTimer::singleShot(ms, this, [this] { PullInside(mWindow); });
        return false;
    }

private:
    QWidget* mWindow;
};

} // namespace

void KeepFrameOnScreen(QWidget* window)
{
    // Without a window manager (the offscreen platform) nothing places the window behind the program's back.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    window->installEventFilter(new FrameKeeper(window));
}
