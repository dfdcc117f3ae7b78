// Colour names and their values.
#include "palette/colortext.h"

#include "common/errors.h"
#include "common/intconv.h"

namespace {

struct NamedColor {
    const char* name;
    PackedColor value;
};

constexpr NamedColor kNames[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080},     {"clGreen", 0x008000},   {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080},     {"clTeal", 0x808000},    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},        {"clLime", 0x00FF00},    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
};

} // namespace

QString FormatColorText(PackedColor color)
{
    for (const auto& n : kNames)
        if (n.value == color)
            return QString::fromLatin1(n.name);
    return QStringLiteral("$%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<PackedColor> TryParseColorText(const QString& text)
{
    for (const auto& n : kNames)
        if (text.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.value;
    if (const auto value = TryStrToInt(text))
        return static_cast<PackedColor>(*value);
    return std::nullopt;
}

PackedColor ParseColorText(const QString& text)
{
    if (const auto value = TryParseColorText(text))
        return *value;
    throw ConversionError(text);
}
