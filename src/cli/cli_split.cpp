// tavrel-cli split: an inclusive byte range of a file, positions counted from 1.
#include "cli/command.h"

#include "splitter/splitbuffer.h"

#include <limits>

namespace {

int RunSplit(const QStringList& args)
{
    const CliArguments a(args, {QStringLiteral("--start"), QStringLiteral("--stop"), QStringLiteral("-o")});
    const QString fileName = a.positionals(1, QStringLiteral("genau eine Eingabedatei erwartet")).first();
    const int start = a.intValue(QStringLiteral("--start"), 1);
    // Without --stop the piece runs to the end: the range is cut to the file anyway.
    const int stop = a.intValue(QStringLiteral("--stop"), std::numeric_limits<int>::max());
    SplitBuffer buffer;
    buffer.dateiladen(fileName);
    WriteOutput(a.value(QStringLiteral("-o")), buffer.piece(start, stop));
    return 0;
}

const CliRegistration reg(QStringLiteral("split"),
                          CliCommand{QStringLiteral("split EINGABE [--start N] [--stop M] [-o AUSGABE]"), RunSplit});

} // namespace

