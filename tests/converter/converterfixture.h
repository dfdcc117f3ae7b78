// Small pictures made of palette colours for the converter tests.
#pragma once

#include "converter/nearestpalettecolor.h"
#include "converter/registertable.h"
#include "palette/ataripalette.h"
#include "palette/colortext.h"
#include "support/testutil.h"
#include "common/packedcolor_picture.h"

#include <QImage>
#include <initializer_list>
#include <vector>

// A picture whose rows are given as palette entries, left to right.
inline QImage PaletteImage(const std::vector<std::vector<AtariColor>>& rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = height ? static_cast<int>(rows.front().size()) : 0;
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, ToQRgb(PaletteColor(rows[y][x])));
    return image;
}

// The colour text of a palette entry as the table holds it.
inline QString EntryText(AtariColor c)
{
    return FormatColorText(PaletteColor(c));
}

// Palette entries that are all different colours and none of them black: hue 1 is left out,
// since hue 15 repeats it.
inline std::vector<AtariColor> DistinctColors(int count)
{
    std::vector<AtariColor> colors;
    for (int hue = 2; hue < 16 && static_cast<int>(colors.size()) < count; ++hue)
        for (int lum = 4; lum < 16 && static_cast<int>(colors.size()) < count; lum += 2)
            colors.push_back(static_cast<AtariColor>(hue * 16 + lum));
    return colors;
}


// Every cell of the table's rows 0 ... rowCount, columns 0 ... 40 (past the shown ones too).
inline std::vector<QString> AllCells(const RegisterTable& table)
{
    std::vector<QString> cells;
    for (int row = 0; row <= table.rowCount(); ++row)
        for (int column = 0; column <= 40; ++column)
            cells.push_back(table.cell(column, row));
    return cells;
}
