// The program: creates the window set and runs the event loop until the main window closes.
#include "app/desktopopener.h"
#include "app/ui/qtuserdialogs.h"
#include "app/ui/windowset.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavrel"));
    QtUserDialogs dialogs;
    SystemDesktopOpener opener;
    WindowSet windows(dialogs, opener, QCoreApplication::applicationDirPath());
    windows.showMain();
    return app.exec();
}
