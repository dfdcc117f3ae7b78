// The commands of tavrel-cli: each command file registers itself with a name, a usage line and a runner.
#pragma once

#include "common/asmdialect.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>

// Thrown by a command for a wrong call; main prints the usage and exits 2.
struct UsageError {
    QString text;
};

struct CliCommand {
    QString usage; // "font-asm DATEI.fa8 [--from N] [--to M]"
    // Runs with the arguments after the command name; returns the exit code.
    // Program errors (TavrelError, and running out of memory) are caught by main: message on
    // standard error, exit 1.
    std::function<int(const QStringList& args)> run;
};

std::map<QString, CliCommand>& CliCommands();

// Registers a command at start-up: `static CliRegistration reg("name", {usage, run});`.
struct CliRegistration {
    CliRegistration(const QString& name, CliCommand command) { CliCommands()[name] = std::move(command); }
};

// Parsed arguments: positionals and "--name value" / "-o value" options.
class CliArguments {
public:
    // knownOptions lists the options that take a value, with their dashes ("-o", "--from").
    CliArguments(const QStringList& args, const QStringList& knownOptions);

    const QStringList& positionals() const { return mPositionals; }
    // The positionals when there are exactly `count` of them; otherwise a usage error with the text
    // `expected` ("genau eine Leveldatei erwartet").
    const QStringList& positionals(qsizetype count, const QString& expected) const;
    bool has(const QString& option) const { return mOptions.contains(option); }
    QString value(const QString& option, const QString& fallback = QString()) const
    {
        return mOptions.value(option, fallback);
    }
    // The value of an option the command cannot do without; without it a usage error
    // "OPTION WHAT fehlt" ("--xex SPIEL.xex fehlt").
    QString needed(const QString& option, const QString& what) const;
    // An option's value as an integer; a value that is not one is a usage error.
    int intValue(const QString& option, int fallback) const;
    // The same for a field that takes min ... max; a value outside is a usage error naming the range.
    int intValue(const QString& option, int fallback, int min, int max) const;

private:
    QStringList mPositionals;
    QMap<QString, QString> mOptions;
};

// The option that names the assembler dialect of a code export, with its dashes.
extern const QString kDialectOption;
// The dialect the --dialect option names (standard without it); an unknown name is a usage error.
AsmDialect DialectArgument(const CliArguments& args);
// The names --dialect takes, from the one list of dialects.
QStringList DialectNames();
// Usage lines write kDialectChoice where the dialect names go; UsageLine puts them in ("standard|ca65|…").
inline constexpr char kDialectChoice[] = "DIALECTS";
QString UsageLine(const QString& usage);

// An -o value that means standard output: none, or "-".
bool IsStandardOutput(const QString& outFile);

// Writes bytes to the -o file (through a save file), or to standard output when outFile is empty or "-".
// Throws FileCreateError when a write fails, standard output included.
void WriteOutput(const QString& outFile, const QByteArray& bytes);
// Runs the command named first, with the arguments after it; "--help" or nothing prints the usage of
// every command. Returns the exit code: usage errors 2, program errors 1 with the message on standard error.
int RunCommandLine(QStringList args);
// A program error's message on standard error.
void PrintError(const QString& message);

// Text output: lines with the platform's line ends on standard output, CR LF Windows-1252 in files.
void WriteTextOutput(const QString& outFile, const QStringList& lines);
