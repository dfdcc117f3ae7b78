// tavrel-cli commands font-asm and player-asm, the pattern editor's two assembler exports of a pattern file,
// and font-bin and font-put, its banks out as and in from raw font files.
#include "cli/command.h"

#include "common/boundedbytefile.h"
#include "common/bytefile.h"
#include "pattern/codeexport.h"
#include "pattern/fontbankfile.h"
#include "pattern/fontfile.h"
#include "pattern/patterndocument.h"

namespace {

const QString kOut = QStringLiteral("-o");
const QString kFrom = QStringLiteral("--from");
const QString kTo = QStringLiteral("--to");

// The one pattern file a command works on. It is read without an editor: nothing is drawn here.
QString FontFileArgument(const CliArguments& args)
{
    return args.positionals(1, QStringLiteral("genau eine Musterdatei erwartet")).first();
}

// The pattern sets --from and --to name; sets 1 to 3 without them.
struct SetRange {
    int first;
    int last;
};

SetRange SetRangeArgument(const CliArguments& args)
{
    return {args.intValue(kFrom, 1, 1, PatternStore::kSets), args.intValue(kTo, 3, 1, PatternStore::kSets)};
}

int RunFontAsm(const QStringList& argv)
{
    const CliArguments args(argv, {kFrom, kTo, kOut, kDialectOption});
    const QString fileName = FontFileArgument(args);
    const SetRange sets = SetRangeArgument(args);
    const AsmDialect dialect = DialectArgument(args);
    PatternDocument content;
    LoadFontFile(content, fileName);
    WriteTextOutput(args.value(kOut), DialectLines(dialect, FontAssemblerCode(content.registers(), content.store(),
                                                                              sets.first, sets.last)));
    return 0;
}

int RunPlayerAsm(const QStringList& argv)
{
    const QString pattern = QStringLiteral("--pattern");
    const QString name = QStringLiteral("--name");
    const CliArguments args(argv, {pattern, name, kOut, kDialectOption});
    const QString fileName = FontFileArgument(args);
    const int number = args.intValue(pattern, 1, 1, PatternStore::kPatterns);
    const QString label = args.value(name, QStringLiteral("Shape"));
    const AsmDialect dialect = DialectArgument(args);
    PatternDocument content;
    LoadFontFile(content, fileName);
    // Collected first: a failing set ends the command before anything is written, so a build
    // script never picks up half an export.
    QStringList lines;
    PlayerAssemblerCode(content.store(), number, label, [&lines](const QString& line) { lines << line; });
    WriteTextOutput(args.value(kOut), DialectLines(dialect, lines));
    return 0;
}

int RunFontBin(const QStringList& argv)
{
    const CliArguments args(argv, {kFrom, kTo, kOut});
    const QString fileName = FontFileArgument(args);
    const SetRange sets = SetRangeArgument(args);
    PatternDocument content;
    LoadFontFile(content, fileName);
    // Every bank is converted before anything is written: an entry that is no number ends the
    // command with no output at all.
    QByteArray bytes;
    for (int bank = 2 * sets.first - 1; bank <= 2 * sets.last; ++bank)
        bytes += FontBankBytes(content.store(), bank);
    WriteOutput(args.value(kOut), bytes);
    return 0;
}

int RunFontPut(const QStringList& argv)
{
    const QString bank = QStringLiteral("--bank");
    const QString fnt = QStringLiteral("--fnt");
    const CliArguments args(argv, {bank, fnt, kOut});
    const QString fileName = FontFileArgument(args);
    if (!args.has(bank) || !args.has(fnt))
        throw UsageError{QStringLiteral("--bank und --fnt erwartet")};
    const int number = args.intValue(bank, 1, 1, PatternStore::kBanks);
    const QByteArray font = ReadFontBankFile(args.value(fnt));
    // Read as a pattern file first, so that nothing else is taken for one.
    PatternDocument content;
    LoadFontFile(content, fileName);
    const QString outFile = args.value(kOut, fileName);
    if (IsStandardOutput(outFile))
        throw UsageError{QStringLiteral("-o braucht einen Dateinamen")};
    WriteByteFile(outFile, PatternFileWithFontBank(ReadByteFile(fileName), number, font));
    return 0;
}

const CliRegistration fontAsm(
    QStringLiteral("font-asm"),
    CliCommand{QStringLiteral("font-asm DATEI.fa8 [--from 1-8] [--to 1-8] [--dialect DIALECTS] "
                              "[-o AUSGABE]"),
               RunFontAsm});
const CliRegistration playerAsm(
    QStringLiteral("player-asm"),
    CliCommand{QStringLiteral("player-asm DATEI.fa8 [--pattern 1-64] [--name TEXT] "
                              "[--dialect DIALECTS] [-o AUSGABE]"),
               RunPlayerAsm});
const CliRegistration fontBin(QStringLiteral("font-bin"),
                              CliCommand{QStringLiteral("font-bin DATEI.fa8 [--from 1-8] [--to 1-8] [-o AUSGABE]"), RunFontBin});
const CliRegistration fontPut(
    QStringLiteral("font-put"),
    CliCommand{QStringLiteral("font-put DATEI.fa8 --bank 1-16 --fnt ZEICHENSATZ.fnt [-o AUSGABE.fa8]"), RunFontPut});

} // namespace
