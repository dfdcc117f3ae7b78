// The program: reads its command line, creates the window set, opens the files it was given and runs the
// event loop until the main window closes.
#include "app/commandline.h"
#include "app/systemdesktopopener.h"
#include "app/fileopening.h"
#include "app/germantranslations.h"
#include "app/qtuserdialogs.h"
#include "app/windowreport.h"
#include "app/windowset.h"
#include "app/workrecovery.h"
#include "common/backupcopies.h"
#include "common/programdatafolder.h"
#include "common/programsettings.h"

#include <QApplication>
#include <QTimer>
#include <csignal>
#include <cstdio>

namespace {

QStringList Arguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    // A save past the file-size limit then fails with the file error instead of ending the program
    // and every unsaved change with it.
    std::signal(SIGXFSZ, SIG_IGN);
    // --help and --version answer before anything needs a display.
    const CommandLine early = ParseCommandLine(Arguments(argc, argv));
    if (early.action == CommandLine::Help || early.action == CommandLine::Version) {
        const QString text = early.action == CommandLine::Help ? CommandLineHelp() : CommandLineVersion();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    // No display name: the title bars show the window captions exactly.
    QApplication::setApplicationName(QStringLiteral("Tavrel"));
    // Read again without Qt's own options, which the application has taken out.
    const CommandLine line = ParseCommandLine(QCoreApplication::arguments());
    if (line.action == CommandLine::Fail) {
        std::fprintf(stderr, "tavrel: %s\n\"tavrel --help\" zeigt den Aufruf.\n", qPrintable(line.problem));
        return 2;
    }
    InstallGermanQtTranslations();
    QtUserDialogs dialogs;
    SystemDesktopOpener opener;
    const ToolFolder folder = ToolFolder::ForProgram(QCoreApplication::applicationDirPath());
    WindowSet windows(dialogs, opener, folder);
    windows.showMain();
    // Copies an interrupted in-place save left are named once, before anything is opened.
    QSettings settings = ProgramSettings();
    TellLeftBackupCopiesOnce(dialogs, BackupFolder(), settings);
    // After an unclean end the work it left is offered before any file named on the command line opens.
    WorkRecovery recovery(windows, dialogs, ProgramDataFolder());
    recovery.offerLeftWork();
    FileOpening files(windows, dialogs);
    files.open(line.files);

    const QString report = qEnvironmentVariable(kWindowReportVariable);
    if (!report.isEmpty()) {
        QTimer::singleShot(0, &app, [report] {
            QCoreApplication::exit(WriteWindowReport(report) ? 0 : 1);
        });
    }
    const int code = app.exec();
    // The main window closed: nothing was unsaved, it was saved, or the user dropped it.
    recovery.endCleanly();
    return code;
}
