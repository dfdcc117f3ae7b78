// The colour texts of files and tables: any text. A colour it reads is written back as a text that
// reads as the same colour.
#include "palette/colortext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<PackedColor> color = TryParseColorText(text);
    if (color && TryParseColorText(FormatColorText(*color)) != color)
        std::abort();
    return 0;
}
