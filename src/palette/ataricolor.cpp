// ColorCode digits.
#include "palette/ataricolor.h"

int ColorCodeDigitValue(QChar digit)
{
    const char16_t c = digit.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return 0;
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
