// The one integer conversion of texts: any text. What it gives must agree with a plain reading of
// the text done in 128 bits, and it gives nothing for a value outside 32 bits.
#include "common/intconv.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

// Blanks, sign, then decimal digits or "$" and hex digits, read in 128 bits with a cap far above
// 32 bits, so no text can wrap into range.
std::optional<int> Reference(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    const bool hex = i < n && text[i] == QLatin1Char('$');
    if (hex)
        ++i;
    if (i >= n)
        return std::nullopt;
    const __int128 cap = __int128(1) << 40;
    __int128 value = 0;
    for (; i < n; ++i) {
        const int d = hex ? HexDigitValue(text[i])
                          : (text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9') ? text[i].unicode() - '0' : -1);
        if (d < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + d;
        if (value > cap)
            value = cap;
    }
    if (hex) {
        if (value > 0xFFFFFFFF)
            return std::nullopt;
        value = static_cast<int32_t>(static_cast<uint32_t>(value)); // "$FFFFFFFF" is -1
    }
    if (negative)
        value = -value;
    if (hex)
        return static_cast<int>(static_cast<uint32_t>(static_cast<uint64_t>(value))); // -"$80000000" stays
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<int> value = TryStrToInt(text);
    if (value != Reference(text))
        std::abort();
    if (StrToIntDef(text, 4711) != value.value_or(4711))
        std::abort();
    return 0;
}
