// ColorCode digits.
#include "palette/ataricolor.h"

#include "common/intconv.h"

#include <algorithm>

int ColorCodeDigitValue(QChar digit)
{
    // Lower-case letters are no ColorCode digits.
    if (digit.isLower())
        return 0;
    return std::max(0, HexDigitValue(digit));
}

QChar HexDigitChar(int value)
{
    return QLatin1Char("0123456789ABCDEF"[value & 15]);
}

QString ColorCodeOf(AtariColor c)
{
    return ColorCodeOf(Hue(c), Luminance(c));
}

QString ColorCodeOf(int hue, int luminance)
{
    return QString(HexDigitChar(hue)) + HexDigitChar(luminance);
}
