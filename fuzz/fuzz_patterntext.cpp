// The pattern clipboard's reader: any text, read with room for 1-64 patterns. What it gives is no more
// than the room, nothing when it refuses, and each pattern's own line reads back as the same bytes.
#include "pattern/patterntext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the room: where the framed slot stands in the set.
    const int room = 1 + data[0] % 64;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const PatternTextParse parsed = ParsePatternText(text, room);
    if (!parsed.ok()) {
        if (!parsed.patterns.empty() || parsed.notRead != 0)
            std::abort();
        return 0;
    }
    if (parsed.patterns.size() > std::size_t(room) || parsed.notRead < 0
        || (parsed.notRead > 0 && parsed.patterns.size() != std::size_t(room)))
        std::abort();
    for (const PatternBytes& bytes : parsed.patterns) {
        const PatternTextParse back = ParsePatternText(PatternBytesLine(bytes), 1);
        if (!back.ok() || back.patterns.size() != 1 || back.patterns.front() != bytes)
            std::abort();
    }
    return 0;
}
