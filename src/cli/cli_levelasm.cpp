// tavrel-cli command level-asm: the level code text of a level file, as the level editor writes it.
#include "cli/command.h"

#include "common/textfile.h"
#include "level/leveldocument.h"
#include "levelio/levelcode.h"
#include "level/levelfile.h"

namespace {

int RunLevelAsm(const QStringList& argv)
{
    const QString out = QStringLiteral("-o");
    const CliArguments args(argv, {out, kDialectOption});
    const QString fileName = args.positionals(1, QStringLiteral("genau eine Leveldatei erwartet")).first();
    const AsmDialect dialect = DialectArgument(args);
    LevelDocument document;
    LoadLevelFile(document, fileName);
    const QStringList lines = DialectLines(dialect, LevelAssemblerCode(document));
    // CR LF in Windows-1252 on standard output too: the form the level editor's text is copied out in.
    WriteOutput(args.value(out), JoinWindows1252Lines(lines));
    return 0;
}

const CliRegistration levelAsm(
    QStringLiteral("level-asm"),
    CliCommand{QStringLiteral("level-asm DATEI.la8 [--dialect DIALECTS] [-o AUSGABE]"), RunLevelAsm});

} // namespace
