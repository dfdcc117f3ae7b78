// Palette grid geometry, picks and drawing.
#include "palette/palettepick.h"

#include "palette/ataripalette.h"
#include "common/packedcolor_picture.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr QRgb kGridLineColor = qRgb(160, 160, 160);

// Rows and luminances outside 0-15 would index outside the palette.
int ClampToTable(int value) { return std::clamp(value, 0, 15); }

} // namespace

QString PaletteInitialInfo()
{
    return QStringLiteral("Bitte Farbe anklicken für Info...");
}

PackedColor PalettePick::color() const
{
    return PaletteColor(atariColor());
}

QString PalettePick::infoText() const
{
    const AtariColor c = atariColor();
    return QStringLiteral("Rot: %1        Grün: %2        Blau: %3")
        .arg(AtariPalette::red(c))
        .arg(AtariPalette::green(c))
        .arg(AtariPalette::blue(c));
}

PalettePick PickAt(int x, int y)
{
    const int column = x / kPaletteCellPitch;
    const int row = y / kPaletteCellPitch;
    return PalettePick{ClampToTable(row), ClampToTable(PaletteColumnLuminance(column))};
}

PackedColor PaletteCellColor(int column, int row)
{
    return PaletteColor(ClampToTable(row), ClampToTable(PaletteColumnLuminance(column)));
}

QImage DrawPaletteGrid()
{
    QImage image(kPaletteGridPixels, kPaletteGridPixels, QImage::Format_RGB32);
    image.fill(kGridLineColor);
    QPainter painter(&image);
    for (int row = 0; row < kPaletteGridCells; ++row)
        for (int column = 0; column < kPaletteGridCells; ++column)
            painter.fillRect(column * kPaletteCellPitch, row * kPaletteCellPitch, kPaletteCellSize,
                             kPaletteCellSize, ToQColor(PaletteCellColor(column, row)));
    return image;
}
