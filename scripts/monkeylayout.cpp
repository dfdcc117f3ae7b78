// For scripts/monkey: builds the window set as the program does, shows each window in the X server
// the monkey drives, and prints where its named controls and page tabs lie, so that the monkey can
// bring every window and page to the front by the same buttons a user presses.
//
// Output, one line each: "WINDOW title TEXT", then "WINDOW CONTROL PAGE X Y W H" relative to the
// window's top-left corner, PAGE the page of the window's page control the control lies on (-1 for
// none); page tabs as PAGECONTROL#INDEX.
#include "app/windowset.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

namespace {

// The page of a page control the widget lies on, or -1.
int PageOf(const QWidget* widget, const QTabWidget* pages)
{
    for (int i = 0; pages && i < pages->count(); ++i)
        if (pages->widget(i)->isAncestorOf(widget))
            return i;
    return -1;
}

void PrintControls(QWidget* window, const QTabWidget* pages, int page)
{
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (child->objectName().isEmpty() || !child->isVisible() || child->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (PageOf(child, pages) != page)
            continue;
        const QPoint at = child->mapTo(window, QPoint(0, 0));
        std::printf("%s %s %d %d %d %d %d\n", qPrintable(window->objectName()), qPrintable(child->objectName()),
                    PageOf(child, pages), at.x(), at.y(), child->width(), child->height());
    }
}

void PrintWindow(QWidget* window)
{
    window->show();
    (void)QTest::qWaitForWindowExposed(window);
    QTest::qWait(300);
    std::printf("%s title %s\n", qPrintable(window->objectName()), qPrintable(window->windowTitle()));
    auto* pages = window->findChild<QTabWidget*>();
    PrintControls(window, pages, -1);
    if (pages) {
        const QTabBar* bar = pages->tabBar();
        for (int i = 0; i < bar->count(); ++i) {
            const QRect tab = bar->tabRect(i);
            const QPoint at = bar->mapTo(window, tab.topLeft());
            std::printf("%s %s#%d -1 %d %d %d %d\n", qPrintable(window->objectName()), qPrintable(pages->objectName()), i,
                        at.x(), at.y(), tab.width(), tab.height());
        }
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            QTest::qWait(100);
            PrintControls(window, pages, i);
        }
        pages->setCurrentIndex(0);
    }
    window->hide();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    WindowSet set(dialogs, opener, QCoreApplication::applicationDirPath());
    set.showMain();
    for (QWidget* window : set.windows())
        PrintWindow(window);
    std::fflush(stdout);
    return 0;
}
