// tavrel-cli: the program's functions for build scripts, without a display.
#include "cli/command.h"

#include "common/bytefile.h"
#include "common/errors.h"
#include "common/intconv.h"
#include "common/textfile.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

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
                throw UsageError{QStringLiteral("unknown option %1").arg(a)};
            if (i + 1 >= args.size())
                throw UsageError{QStringLiteral("%1 needs a value").arg(a)};
            mOptions.insert(a, args[++i]);
        } else {
            mPositionals << a;
        }
    }
}

int CliArguments::intValue(const QString& option, int fallback) const
{
    if (!has(option))
        return fallback;
    const auto v = TryStrToInt(value(option));
    if (!v)
        throw UsageError{QStringLiteral("%1 takes a whole number").arg(option)};
    return *v;
}

void WriteOutput(const QString& outFile, const QByteArray& bytes)
{
    if (outFile.isEmpty()) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            throw FileCreateError(QStringLiteral("-"), out.errorString());
        return;
    }
    WriteByteFile(outFile, bytes);
}

void WriteTextOutput(const QString& outFile, const QStringList& lines)
{
    if (outFile.isEmpty()) {
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += line.toUtf8() + '\n';
        WriteOutput(outFile, bytes);
        return;
    }
    WriteLines(outFile, lines);
}

namespace {

void PrintUsage(FILE* to)
{
    std::fprintf(to, "usage: tavrel-cli COMMAND ARGS...\ncommands:\n");
    for (const auto& [name, command] : CliCommands())
        std::fprintf(to, "  %s\n", qPrintable(command.usage));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        PrintUsage(args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    const auto it = CliCommands().find(name);
    if (it == CliCommands().end()) {
        std::fprintf(stderr, "tavrel-cli: unknown command %s\n", qPrintable(name));
        PrintUsage(stderr);
        return 2;
    }
    try {
        return it->second.run(args);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "tavrel-cli %s: %s\nusage: tavrel-cli %s\n", qPrintable(name), qPrintable(e.text),
                     qPrintable(it->second.usage));
        return 2;
    } catch (const TavrelError& e) {
        std::fprintf(stderr, "%s\n", e.message().toLocal8Bit().constData());
        return 1;
    }
}
