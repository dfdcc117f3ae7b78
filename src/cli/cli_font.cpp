// tavrel-cli commands font-asm and player-asm: the pattern editor's two assembler exports of a pattern file.
#include "cli/command.h"

#include "pattern/codeexport.h"
#include "pattern/fontfile.h"
#include "pattern/patterndocument.h"

namespace {

const QString kOut = QStringLiteral("-o");

// The one pattern file a command works on. It is read without an editor: nothing is drawn here.
QString FontFileArgument(const CliArguments& args)
{
    if (args.positionals().size() != 1)
        throw UsageError{QStringLiteral("genau eine Musterdatei erwartet")};
    return args.positionals().first();
}

int RunFontAsm(const QStringList& argv)
{
    const QString from = QStringLiteral("--from");
    const QString to = QStringLiteral("--to");
    const CliArguments args(argv, {from, to, kOut});
    const QString fileName = FontFileArgument(args);
    const int first = args.intValue(from, 1, 1, PatternStore::kSets);
    const int last = args.intValue(to, 3, 1, PatternStore::kSets);
    PatternDocument content;
    LoadFontFile(content, fileName);
    WriteTextOutput(args.value(kOut), FontAssemblerCode(content.registers(), content.store(), first, last));
    return 0;
}

int RunPlayerAsm(const QStringList& argv)
{
    const QString pattern = QStringLiteral("--pattern");
    const QString name = QStringLiteral("--name");
    const CliArguments args(argv, {pattern, name, kOut});
    const QString fileName = FontFileArgument(args);
    const int number = args.intValue(pattern, 1, 1, PatternStore::kPatterns);
    const QString label = args.value(name, QStringLiteral("Shape"));
    PatternDocument content;
    LoadFontFile(content, fileName);
    // Collected first: a failing set ends the command before anything is written, so a build
    // script never picks up half an export.
    QStringList lines;
    PlayerAssemblerCode(content.store(), number, label, [&lines](const QString& line) { lines << line; });
    WriteTextOutput(args.value(kOut), lines);
    return 0;
}

const CliRegistration fontAsm(QStringLiteral("font-asm"),
                              CliCommand{QStringLiteral("font-asm DATEI.fa8 [--from 1-8] [--to 1-8] [-o AUSGABE]"), RunFontAsm});
const CliRegistration playerAsm(
    QStringLiteral("player-asm"),
    CliCommand{QStringLiteral("player-asm DATEI.fa8 [--pattern 1-64] [--name TEXT] [-o AUSGABE]"), RunPlayerAsm});

} // namespace
