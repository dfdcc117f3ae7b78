// tavrel-cli command level-asm: the level code text of a level file, as the level editor writes it.
#include "cli/command.h"

#include "common/textfile.h"
#include "level/leveldocument.h"
#include "levelio/levelcode.h"
#include "levelio/levelfile.h"

namespace {

int RunLevelAsm(const QStringList& argv)
{
    const QString out = QStringLiteral("-o");
    const CliArguments args(argv, {out});
    if (args.positionals().size() != 1)
        throw UsageError{QStringLiteral("exactly one level file expected")};
    LevelDocument document;
    LoadLevelFile(document, args.positionals().first());
    const QStringList lines = LevelAssemblerCode(document);
    // CR LF in Windows-1252 both ways, the form the level editor's text is copied out in.
    if (args.value(out).isEmpty())
        WriteOutput(QString(), JoinWindows1252Lines(lines));
    else
        WriteLines(args.value(out), lines);
    return 0;
}

const CliRegistration levelAsm(QStringLiteral("level-asm"),
                               CliCommand{QStringLiteral("level-asm FILE.la8 [-o OUT]"), RunLevelAsm});

} // namespace
