// tavrel-cli: the program's functions for build scripts, without a display. The commands that make
// pictures live in a module of their own, loaded only when one of them runs (see picturecommands.h).
#include "cli/command.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return RunCommandLine(QCoreApplication::arguments().mid(1));
}
