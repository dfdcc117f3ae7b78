// The program's command line: files to open in turn, --help and --version, in German.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
    enum Action { Run, Help, Version, Fail };
    Action action = Run;
    // The files to open, in the order given.
    QStringList files;
    // What is wrong with a call that fails.
    QString problem;
};

// arguments[0] is the program. --help and --version win over everything else before "--"; after "--"
// every argument is a file name.
CommandLine ParseCommandLine(const QStringList& arguments);
// The text of --help.
QString CommandLineHelp();
// The text of --version.
QString CommandLineVersion();
// The version alone ("1.0.0").
QString ProgramVersion();

// What the program does with a file named on the command line or dropped on a window: told by its
// extension, in any case.
enum class FileKind { Font, Level, Unknown };
FileKind KindOfFile(const QString& fileName);
// The error shown for a file of another kind.
QString UnknownFileKindMessage(const QString& fileName);
