// tavrel-cli render-level: the level picture as the level editor draws it after loading a level file.
#include "cli/command.h"
#include "cli/picturecommands.h"

#include "level/leveldocument.h"
#include "level/leveleditsession.h"
#include "common/pngfile.h"
#include "level/levelpicture.h"
#include "pattern/fontfile.h"
#include "pattern/patterndocument.h"

#include <QBuffer>
#include <QFileInfo>
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

using PictureBytes = QByteArray (*)(const QImage&);

// PNG or BMP by the output file's extension; PNG on standard output.
PictureBytes PictureWriter(const QString& outFile)
{
    if (IsStandardOutput(outFile))
        return PngBytes;
    const QString suffix = QFileInfo(outFile).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return PngBytes;
    if (suffix == QLatin1String("bmp"))
        return BmpBytes;
    throw UsageError{QStringLiteral("das Bild muss eine .png- oder .bmp-Datei sein")};
}

int RunRenderLevel(const QStringList& argv)
{
    const QString font = QStringLiteral("--font");
    const QString out = QStringLiteral("-o");
    const QString overlaysFlag = QStringLiteral("--overlays");
    QStringList rest = argv;
    const bool overlays = rest.removeAll(overlaysFlag) > 0;
    const CliArguments args(rest, {font, out});
    const QString levelFile = args.positionals(1, QStringLiteral("genau eine Leveldatei erwartet")).first();
    const QString fontFile = args.needed(font, QStringLiteral("DATEI.fa8"));
    const auto pictureBytes = PictureWriter(args.value(out));

    // The same road as the windows: the pattern file as the pattern editor takes it (read without an
    // editor, whose pictures nobody would see), the level editor opened once, then the level file
    // loaded with the overlay boxes as asked.
    PatternDocument patterns;
    LoadFontFile(patterns, fontFile);
    LevelDocument document;
    document.Farben_bernehmen(patterns.registers());
    LevelPicture picture(document, patterns.registers());
    LevelEditSession session(document, picture);
    session.open(patterns.store(), patterns.registers());
    picture.FormShow();
    session.showMonsters = overlays;
    session.showSwitches = overlays;
    session.loadLevel(levelFile);

    WriteOutput(args.value(out), pictureBytes(picture.level()));
    return 0;
}

const PictureRegistration renderLevel("render-level", RunRenderLevel);

} // namespace
