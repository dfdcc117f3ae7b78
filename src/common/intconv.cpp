// Integer conversion of texts.
#include "common/intconv.h"

#include "common/errors.h"

int HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

std::optional<int> TryStrToInt(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i >= n)
        return std::nullopt;
    qint64 value = 0;
    if (text[i] == QLatin1Char('$')) {
        ++i;
        if (i >= n)
            return std::nullopt;
        for (; i < n; ++i) {
            const int d = HexDigitValue(text[i]);
            if (d < 0)
                return std::nullopt;
            value = value * 16 + d;
            if (value > 0xFFFFFFFFLL)
                return std::nullopt;
        }
        const auto bits = static_cast<quint32>(value);
        const auto signedValue = static_cast<qint32>(bits);
        return negative ? static_cast<int>(-static_cast<qint64>(signedValue)) : signedValue;
    }
    for (; i < n; ++i) {
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (text[i].unicode() - '0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return std::nullopt;
    return static_cast<int>(value);
}

int StrToInt(const QString& text)
{
    const auto value = TryStrToInt(text);
    if (!value)
        throw ConversionError(text);
    return *value;
}

int StrToIntDef(const QString& text, int fallback)
{
    return TryStrToInt(text).value_or(fallback);
}
