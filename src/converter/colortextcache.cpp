// Colour text of a pixel.
#include "converter/colortextcache.h"

#include "converter/nearestpalettecolor.h"
#include "palette/colortext.h"

QString ColorTextCache::textOf(QRgb pixel)
{
    return FormatColorText(FromPixel(pixel));
}
