// tavrel-cli render-level: the level picture as the level editor draws it after loading a level file.
// The cells alone are drawn here on Qt Core; with --overlays the picture module draws the boxes too.
#include "cli/command.h"
#include "cli/picturecommands.h"
#include "cli/renderlevelcall.h"

#include "common/indexedimage.h"
#include "level/levelraster.h"

namespace {

int RunRenderLevel(const QStringList& argv)
{
    const RenderLevelCall call = ParseRenderLevel(argv);
    if (call.overlays)
        return RunPictureModule(QStringLiteral("render-level"), argv);
    RenderLevelFiles files;
    LoadRenderLevelFiles(call, files);
    const IndexedImage picture = RenderLevelCells(files.document, files.pixels);
    WriteOutput(call.outFile, call.png ? IndexedPngBytes(picture) : IndexedBitmap24Bytes(picture));
    return 0;
}

const CliRegistration renderLevel(QStringLiteral("render-level"),
                                  {QLatin1String(PictureCommandUsage("render-level")), RunRenderLevel});

} // namespace
