// tavrel-cli level-xex, level-bin, atr-put, atr-get: the level editor's game formats for build scripts.
#include "cli/command.h"

#include "disk/levelgamefiles.h"
#include "level/leveldocument.h"
#include "levelio/levelbinaryfile.h"
#include "level/levelfile.h"

namespace {

const QString kOut = QStringLiteral("-o");
const QString kXex = QStringLiteral("--xex");
const QString kAtr = QStringLiteral("--atr");
const QString kSlot = QStringLiteral("--slot");

int Slot(const CliArguments& args, bool needed)
{
    if (needed)
        args.needed(kSlot, QStringLiteral("1-40"));
    return args.intValue(kSlot, 1, 1, AtrImage::kSlots);
}

// The one level file of a command, loaded as "Level Datei laden" loads it.
void LoadLevelArgument(const CliArguments& args, LevelDocument& document)
{
    LoadLevelFile(document, args.positionals(1, QStringLiteral("genau eine Leveldatei erwartet")).first());
}

// The executable image "Play Level" and "Level Binär 15 Sektoren speichern" build; the byte log of
// the build is the window's and is not printed.
XexImage BuiltImage(const QStringList& argv, QString& outFile)
{
    const CliArguments args(argv, {kXex, kSlot, kOut});
    LevelDocument document;
    LoadLevelArgument(args, document);
    const QString xex = args.needed(kXex, QStringLiteral("SPIEL.xex"));
    const int slot = Slot(args, false);
    outFile = args.value(kOut);
    XexImage image;
    QStringList log;
    BuildIntoExecutable(document, slot, xex, image, log);
    return image;
}

int RunLevelXex(const QStringList& argv)
{
    QString out;
    const XexImage image = BuiltImage(argv, out);
    WriteOutput(out, image.bytes());
    return 0;
}

int RunLevelBin(const QStringList& argv)
{
    QString out;
    const XexImage image = BuiltImage(argv, out);
    WriteOutput(out, LevelBinaryBytes(image));
    return 0;
}

int RunAtrPut(const QStringList& argv)
{
    const CliArguments args(argv, {kAtr, kSlot});
    LevelDocument document;
    LoadLevelArgument(args, document);
    const QString atrFile = args.needed(kAtr, QStringLiteral("DISKETTE.atr"));
    AtrImage atr;
    SaveLevelToDisk(document, Slot(args, true), atrFile, atr);
    return 0;
}

int RunAtrGet(const QStringList& argv)
{
    const CliArguments args(argv, {kAtr, kSlot, kOut});
    args.positionals(0, QStringLiteral("keine weiteren Argumente erwartet"));
    const QString atrFile = args.needed(kAtr, QStringLiteral("DISKETTE.atr"));
    const int slot = Slot(args, true);
    // A fresh level: the disk record replaces everything the level file holds.
    LevelDocument document;
    AtrImage atr;
    XexImage image;
    LoadLevelFromDisk(document, slot, atrFile, atr, image);
    // A file gets the lines "Level Datei speichern" writes (CR LF, Windows-1252).
    WriteTextOutput(args.value(kOut), LevelFileLines(document));
    return 0;
}

const CliRegistration levelXex(
    QStringLiteral("level-xex"),
    CliCommand{QStringLiteral("level-xex DATEI.la8 --xex SPIEL.xex [--slot 1-40] [-o AUSGABE.xex]"), RunLevelXex});
const CliRegistration levelBin(
    QStringLiteral("level-bin"),
    CliCommand{QStringLiteral("level-bin DATEI.la8 --xex SPIEL.xex [--slot 1-40] [-o AUSGABE.bin]"), RunLevelBin});
const CliRegistration atrPut(QStringLiteral("atr-put"),
                             CliCommand{QStringLiteral("atr-put DATEI.la8 --atr DISKETTE.atr --slot 1-40"), RunAtrPut});
const CliRegistration atrGet(
    QStringLiteral("atr-get"), CliCommand{QStringLiteral("atr-get --atr DISKETTE.atr --slot 1-40 [-o DATEI.la8]"), RunAtrGet});

} // namespace
