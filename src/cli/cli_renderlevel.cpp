// tavrel-cli render-level: the level picture as the level editor draws it after loading a level file,
// drawn on Qt Core, the overlays included.
#include "cli/command.h"
#include "cli/renderlevelcall.h"

#include "common/indexedimage.h"
#include "level/levelraster.h"

namespace {

int RunRenderLevel(const QStringList& argv)
{
    const RenderLevelCall call = ParseRenderLevel(argv);
    RenderLevelFiles files;
    LoadRenderLevelFiles(call, files);
    IndexedImage picture = RenderLevelCells(files.document, files.pixels);
    if (call.overlays)
        DrawLoadedLevelOverlays(picture, files.document);
    WriteOutput(call.outFile, call.png ? IndexedPngBytes(picture) : IndexedBitmap24Bytes(picture));
    return 0;
}

const CliRegistration renderLevel(QStringLiteral("render-level"),
                                  {QStringLiteral("render-level DATEI.la8 --font DATEI.fa8 [--overlays] [-o BILD.png|.bmp]"), RunRenderLevel});

} // namespace
