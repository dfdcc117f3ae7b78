// tavrel-cli render-level with --overlays: the cells and the overlay boxes as the level editor draws them
// after loading a level file. tavrel-cli draws the cells alone itself and hands this case over.
#include "cli/command.h"
#include "cli/picturecommands.h"
#include "cli/renderlevelcall.h"

#include "common/pngfile.h"
#include "level/levelpicture.h"

#include <QBuffer>
#include <QImage>

namespace {

QByteArray BmpBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

int RunRenderLevel(const QStringList& argv)
{
    const RenderLevelCall call = ParseRenderLevel(argv);
    RenderLevelFiles files;
    LoadRenderLevelFiles(call, files);
    LevelPicture picture(files.document, files.patterns.registers());
    picture.pixels() = files.pixels;
    picture.drawLoadedLevel(call.overlays, call.overlays);
    WriteOutput(call.outFile, call.png ? PngBytes(picture.level()) : BmpBytes(picture.level()));
    return 0;
}

const PictureRegistration renderLevel("render-level", RunRenderLevel);

} // namespace
