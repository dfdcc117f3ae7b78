// The command line's shared parts: the command table, argument parsing, output and running a command.
#include "cli/command.h"

#include "common/bytefile.h"
#include "common/errors.h"
#include "common/intconv.h"
#include "common/textfile.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <new>
#include <unistd.h>

std::map<QString, CliCommand>& CliCommands()
{
    static std::map<QString, CliCommand> commands;
    return commands;
}

CliArguments::CliArguments(const QStringList& args, const QStringList& knownOptions)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            if (!knownOptions.contains(a))
                throw UsageError{QStringLiteral("unbekannte Option %1").arg(a)};
            if (i + 1 >= args.size())
                throw UsageError{QStringLiteral("%1 braucht einen Wert").arg(a)};
            mOptions.insert(a, args[++i]);
        } else {
            mPositionals << a;
        }
    }
}

const QStringList& CliArguments::positionals(qsizetype count, const QString& expected) const
{
    if (mPositionals.size() != count)
        throw UsageError{expected};
    return mPositionals;
}

QString CliArguments::needed(const QString& option, const QString& what) const
{
    if (!has(option))
        throw UsageError{QStringLiteral("%1 %2 fehlt").arg(option, what)};
    return value(option);
}

int CliArguments::intValue(const QString& option, int fallback) const
{
    return intValue(option, fallback, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

int CliArguments::intValue(const QString& option, int fallback, int min, int max) const
{
    if (!has(option))
        return fallback;
    const auto v = TryStrToInt(value(option));
    if (!v)
        throw UsageError{QStringLiteral("%1 erwartet eine ganze Zahl").arg(option)};
    if (*v < min || *v > max)
        throw UsageError{QStringLiteral("%1: erlaubt sind %2 bis %3").arg(option).arg(min).arg(max)};
    return *v;
}

const QString kDialectOption = QStringLiteral("--dialect");

AsmDialect DialectArgument(const CliArguments& args)
{
    if (!args.has(kDialectOption))
        return AsmDialect::Standard;
    const auto dialect = AsmDialectFromName(args.value(kDialectOption));
    if (!dialect) {
        QStringList names = DialectNames();
        const QString last = names.takeLast();
        throw UsageError{QStringLiteral("%1: erlaubt sind %2 und %3").arg(kDialectOption, names.join(QStringLiteral(", ")), last)};
    }
    return *dialect;
}

QStringList DialectNames()
{
    QStringList names;
    for (AsmDialect dialect : kAsmDialects)
        names << AsmDialectName(dialect);
    return names;
}

QString UsageLine(const QString& usage)
{
    QString line = usage;
    return line.replace(kDialectChoice, DialectNames().join(QLatin1Char('|')));
}

namespace {

const QString kStandardOutput = QStringLiteral("Standardausgabe");

} // namespace

bool IsStandardOutput(const QString& outFile)
{
    return outFile.isEmpty() || outFile == QLatin1String("-");
}

void WriteOutput(const QString& outFile, const QByteArray& bytes)
{
    if (!IsStandardOutput(outFile)) {
        WriteByteFile(outFile, bytes);
        return;
    }
    // Straight to the descriptor, unbuffered: every write reports what it took, and nothing is
    // left for a flush at exit whose failure nobody would see.
    std::fflush(stdout);
    QFile out;
    if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        throw FileCreateError(kStandardOutput, out.errorString());
    WriteAll(out, kStandardOutput, bytes);
}

void WriteTextOutput(const QString& outFile, const QStringList& lines)
{
    if (IsStandardOutput(outFile)) {
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += line.toUtf8() + '\n';
        WriteOutput(outFile, bytes);
        return;
    }
    WriteLines(outFile, lines);
}

namespace {

// Prints the text whole, whatever characters it holds (a NUL from a damaged file among them).
void Print(FILE* to, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), to);
}

QString Usage()
{
    QString text = QStringLiteral("Aufruf: tavrel-cli BEFEHL ARGUMENTE...\nBefehle:\n");
    for (const auto& [name, command] : CliCommands())
        text += QStringLiteral("  %1\n").arg(UsageLine(command.usage));
    return text;
}

// Standard output is written by the commands themselves; what stdio may still hold (the usage
// text) must reach it too, or the run failed.
int FlushedStandardOutput(int exitCode)
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        Print(stderr, FileCreateError(kStandardOutput, QString::fromLocal8Bit(std::strerror(errno))).message()
                          + QLatin1Char('\n'));
        return 1;
    }
    return exitCode;
}

int Run(const QString& name, const CliCommand& command, const QStringList& args)
{
    try {
        return command.run(args);
    } catch (const UsageError& e) {
        Print(stderr, QStringLiteral("tavrel-cli %1: %2\nAufruf: tavrel-cli %3\n").arg(name, e.text, UsageLine(command.usage)));
        return 2;
    } catch (const TavrelError& e) {
        Print(stderr, e.message() + QLatin1Char('\n'));
        return 1;
    } catch (const std::bad_alloc&) {
        Print(stderr, OutOfMemoryMessage() + QLatin1Char('\n'));
        return 1;
    } catch (const std::exception& e) {
        Print(stderr, QString::fromLocal8Bit(e.what()) + QLatin1Char('\n'));
        return 1;
    }
}

} // namespace

int RunCommandLine(QStringList args)
{
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        Print(args.isEmpty() ? stderr : stdout, Usage());
        return FlushedStandardOutput(args.isEmpty() ? 2 : 0);
    }
    const QString name = args.takeFirst();
    const auto it = CliCommands().find(name);
    if (it == CliCommands().end()) {
        Print(stderr, QStringLiteral("tavrel-cli: unbekannter Befehl %1\n").arg(name) + Usage());
        return 2;
    }
    return FlushedStandardOutput(Run(name, it->second, args));
}

void PrintError(const QString& message)
{
    Print(stderr, message + QLatin1Char('\n'));
}
