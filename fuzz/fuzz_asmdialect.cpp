// The assembler dialects: any line of an export text (a code window's text can be edited) in every
// dialect. The standard dialect gives the line itself; no dialect loses a line to nothing.
#include "common/asmdialect.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (AsmDialect dialect : kAsmDialects) {
        const QStringList lines = DialectLines(dialect, line);
        if (dialect == AsmDialect::Standard && lines != QStringList{line})
            std::abort();
        if (lines.isEmpty())
            std::abort();
    }
    return 0;
}
