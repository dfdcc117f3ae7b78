// Drawing level cells, rows, the whole level and the chooser by direct writes into the images' scan lines.
#include "level/levelpicture.h"

#include "common/errors.h"
#include "level/leveldocument.h"
#include "pattern/colorregisterset.h"
#include "common/packedcolor_picture.h"

#include <cstring>
#include <new>

LevelPicture::LevelPicture(const LevelDocument& document, const ColorRegisterSet& registers)
    : mDocument(document), mRegisters(registers)
{
}

QImage& LevelPicture::Made(QImage& image, int width, int height)
{
    if (image.isNull()) {
        image = QImage(width, height, QImage::Format_RGB32);
        if (image.isNull())
            throw std::bad_alloc();
        image.fill(Qt::white);
    }
    return image;
}

LevelPicture::Colors LevelPicture::lineColors(int y) const
{
    Colors colors;
    for (int c = 0; c < 5; ++c)
        colors[c] = ToQRgb(mDocument.colorEntry(c, y + 1).displayColor);
    return colors;
}

LevelPicture::Colors LevelPicture::registerColors() const
{
    Colors colors;
    for (int c = 0; c < 5; ++c)
        colors[c] = ToQRgb(mRegisters[c].displayColor);
    return colors;
}

void LevelPicture::drawPattern(int pattern, int x, int y, QImage& image, const Colors& colors) const
{
    const int left = kCell * x;
    const int top = kCell * y;
    if (left < 0 || top < 0 || left + kCell > image.width() || top + kCell > image.height())
        return;
    for (int j = 0; j < LevelPixelTable::kRows; ++j) {
        const auto registers = mPixels.cellRow(pattern, j);
        std::array<QRgb, kCell> line;
        for (int i = 0; i < kCell; ++i)
            line[i] = colors[registers[i]];
        for (int r = 0; r < 2; ++r)
            std::memcpy(reinterpret_cast<QRgb*>(image.scanLine(top + 2 * j + r)) + left, line.data(), sizeof line);
    }
}

void LevelPicture::UpdatePatternLevel(int pattern, int x, int y)
{
    // The pixel table ends at pattern 127: like reading an empty table cell.
    if (pattern > 127)
        throw ConversionError(QString());
    if (!LevelDocument::inGrid(x, y))
        return;
    drawPattern(pattern, x, y, levelImage(), lineColors(y));
}

void LevelPicture::drawCell(int x, int y)
{
    UpdatePatternLevel(mDocument.cellPattern(x, y), x, y);
}

void LevelPicture::updateline(int y)
{
    for (int x = 0; x < LevelDocument::kColumns; ++x)
        drawCell(x, y);
}

void LevelPicture::drawlevel(bool switches, bool monsters)
{
    for (int y = 0; y < LevelDocument::kRows; ++y)
        updateline(y);
    if (switches)
        drawSwitches();
    if (monsters)
        drawMonsters();
}

void LevelPicture::drawLoadedLevel(bool monsters, bool switches)
{
    // Monsters before switches here, the other way round from drawlevel.
    drawlevel(false, false);
    if (monsters)
        drawMonsters();
    if (switches)
        drawSwitches();
}

void LevelPicture::drawAllCells()
{
    for (int y = 0; y < LevelDocument::kRows; ++y) {
        for (int x = 0; x < LevelDocument::kColumns; ++x) {
            try {
                drawCell(x, y);
            } catch (const ConversionError&) {
                // passed over, as on showing
            }
        }
    }
}

void LevelPicture::UpdatePattern2(int pattern, int x, int y, QImage& image) const
{
    if (pattern > 127)
        throw ConversionError(QString());
    drawPattern(pattern, x, y, image, registerColors());
}

void LevelPicture::drawChooser()
{
    for (int n = 0; n < 128; ++n)
        UpdatePattern2(n, n % kChooserColumns, n / kChooserColumns, chooserImage());
}

void DrawLoadedLevel(LevelPicture& picture, bool monsters, bool switches)
{
    // Monsters before switches here, the other way round from drawlevel.
    picture.drawlevel(false, false);
    if (monsters)
        picture.drawMonsters();
    if (switches)
        picture.drawSwitches();
}
