// The program: creates the window set and runs the event loop until the main window closes.
#include "app/desktopopener.h"
#include "app/ui/germantranslations.h"
#include "app/ui/qtuserdialogs.h"
#include "app/ui/windowset.h"

#include <QApplication>
#include <csignal>

int main(int argc, char** argv)
{
    // A save past the file-size limit then fails with the file error instead of ending the program
    // and every unsaved change with it.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    // No display name: the title bars show the window captions exactly.
    QApplication::setApplicationName(QStringLiteral("Tavrel"));
    InstallGermanQtTranslations();
    QtUserDialogs dialogs;
    SystemDesktopOpener opener;
    WindowSet windows(dialogs, opener, QCoreApplication::applicationDirPath());
    windows.showMain();
    return app.exec();
}
