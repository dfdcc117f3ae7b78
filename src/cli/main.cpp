// tavrel-cli: the program's functions for build scripts, without a display. The commands that make
// pictures live in a module of their own, loaded only when one of them runs (see picturecommands.h).
#include "cli/command.h"

#include <QCoreApplication>
#include <csignal>

int main(int argc, char** argv)
{
    // A write past the file-size limit then fails with the file error instead of ending the program
    // without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    return RunCommandLine(QCoreApplication::arguments().mid(1));
}
