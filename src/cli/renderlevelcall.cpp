// Reading render-level's arguments and files.
#include "cli/renderlevelcall.h"

#include "cli/command.h"
#include "level/levelfile.h"
#include "pattern/fontfile.h"

#include <QFileInfo>

RenderLevelCall ParseRenderLevel(const QStringList& argv)
{
    const QString font = QStringLiteral("--font");
    const QString out = QStringLiteral("-o");
    RenderLevelCall call;
    QStringList rest = argv;
    call.overlays = rest.removeAll(QStringLiteral("--overlays")) > 0;
    const CliArguments args(rest, {font, out});
    call.levelFile = args.positionals(1, QStringLiteral("genau eine Leveldatei erwartet")).first();
    call.fontFile = args.needed(font, QStringLiteral("DATEI.fa8"));
    call.outFile = args.value(out);
    if (!IsStandardOutput(call.outFile)) {
        const QString suffix = QFileInfo(call.outFile).suffix().toLower();
        if (suffix != QLatin1String("png") && suffix != QLatin1String("bmp"))
            throw UsageError{QStringLiteral("das Bild muss eine .png- oder .bmp-Datei sein")};
        call.png = suffix == QLatin1String("png");
    }
    return call;
}

void LoadRenderLevelFiles(const RenderLevelCall& call, RenderLevelFiles& files)
{
    LoadFontFile(files.patterns, call.fontFile);
    files.document.takeRegisterColors(files.patterns.registers());
    // Decoded before the level, as the level editor does on opening.
    files.pixels.fill(files.patterns.store());
    files.document.InitEmptyLevel(1);
    files.document.Farbenstandard(files.patterns.registers());
    LoadLevelFile(files.document, call.levelFile);
}
