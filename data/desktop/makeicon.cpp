// Build tool: draws the program's icon from the start-up pattern file, as PNGs of several sizes and as
// an SVG. The large icon is a block of 2 × 2 level elements, the smallest one element alone, each in
// the file's own register colours.
#include "common/errors.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"

#include <QDir>
#include <QFile>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

// The overview shows pattern n of set 1 at (32 (n - 1), 0), 32 × 32 screen pixels: an Atari pixel
// is 4 × 2 of them.
constexpr int kTile = 32;
// The elements of the block, top left, top right, bottom left, bottom right: red blob, star,
// heart, goal flag (element n is pattern n + 1).
constexpr int kBlock[4] = {30, 20, 13, 17};
// The small icon's one element.
constexpr int kSingle = 13;

QImage Element(const PatternEditor& editor, int element)
{
    return editor.overview().copy(kTile * element, 0, kTile, kTile);
}

QImage Block(const PatternEditor& editor)
{
    QImage block(2 * kTile, 2 * kTile, QImage::Format_RGB32);
    QPainter painter(&block);
    for (int i = 0; i < 4; ++i)
        painter.drawImage((i % 2) * kTile, (i / 2) * kTile, Element(editor, kBlock[i]));
    return block;
}

// Whole screen pixels only, so every Atari pixel keeps its sharp edges.
QImage Scaled(const QImage& image, int size)
{
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// One rectangle per run of equal Atari pixels in a row, on a 64 × 64 canvas.
QByteArray Svg(const QImage& block)
{
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\" "
                     "shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < block.height(); y += 2) {
        int x = 0;
        while (x < block.width()) {
            const QRgb color = block.pixel(x, y);
            int end = x + 4;
            while (end < block.width() && block.pixel(end, y) == color)
                end += 4;
            svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"2\" fill=\"%4\"/>\n")
                       .arg(x)
                       .arg(y)
                       .arg(end - x)
                       .arg(QColor(color).name())
                       .toUtf8();
            x = end;
        }
    }
    return svg + "</svg>\n";
}

bool Write(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: makeicon START.fa8 ICON_NAME OUT_FOLDER\n");
        return 2;
    }
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QDir out(QString::fromLocal8Bit(argv[3]));
    PatternEditor editor;
    editor.create();
    try {
        LoadFontFile(editor, QString::fromLocal8Bit(argv[1]));
    } catch (const TavrelError& e) {
        std::fprintf(stderr, "makeicon: %s\n", qPrintable(e.message()));
        return 1;
    }
    const QImage block = Block(editor);
    // hicolor/SIZExSIZE/apps/NAME.png; the 16-pixel icon shows one element, the others the block.
    for (const int size : {16, 32, 64, 128, 256}) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QImage picture = size == 16 ? Scaled(Element(editor, kSingle), size) : Scaled(block, size);
        if (!out.mkpath(folder) || !picture.save(out.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png")))) {
            std::fprintf(stderr, "makeicon: cannot write the %d-pixel icon into %s\n", size, argv[3]);
            return 1;
        }
    }
    const QString scalable = QStringLiteral("hicolor/scalable/apps");
    if (!out.mkpath(scalable) || !Write(out.filePath(scalable + QLatin1Char('/') + name + QStringLiteral(".svg")), Svg(block))) {
        std::fprintf(stderr, "makeicon: cannot write the scalable icon into %s\n", argv[3]);
        return 1;
    }
    return 0;
}
