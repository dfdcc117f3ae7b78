// The line reader of the program's files, and the pattern store that keeps what it reads: any bytes.
// The first byte chooses how many lines the reader may take. Every line must come back as a plain
// splitting of the bytes gives it (LF or CR LF ends a line, at most kMaxLineLength bytes of it), with the
// first cut line named; the store must give back each text as it was stored, and read its byte as
// StoredByteValue reads the text.
#include "common/textfile.h"
#include "pattern/patternstore.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

struct Split {
    std::vector<QByteArray> lines;
    qsizetype firstCut = 0;
};

Split Reference(const QByteArray& bytes, qsizetype maxLines)
{
    Split split;
    const auto add = [&](QByteArray line, bool cut) {
        if (cut && split.firstCut == 0)
            split.firstCut = qsizetype(split.lines.size()) + 1;
        split.lines.push_back(line.left(kMaxLineLength));
    };
    qsizetype start = 0;
    while (qsizetype(split.lines.size()) < maxLines && start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        if (lf < 0) {
            // A last line without an end: one byte more than a line holds is kept, a CR at its end
            // dropped.
            QByteArray rest = bytes.mid(start, kMaxLineLength + 1);
            if (rest.endsWith('\r'))
                rest.chop(1);
            add(rest, rest.size() > kMaxLineLength);
            break;
        }
        QByteArray line = bytes.mid(start, lf - start);
        if (line.endsWith('\r'))
            line.chop(1);
        add(line, line.size() > kMaxLineLength);
        start = lf + 1;
    }
    return split;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const qsizetype maxLines = 1 + data[0] % 64;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    LineReader reader = LineReader::fromBytes(bytes, maxLines);
    const Split expected = Reference(bytes, maxLines);
    if (reader.lineCount() != qsizetype(expected.lines.size()) || reader.firstCutLine() != expected.firstCut)
        std::abort();
    // Line n goes to character n (at most 64 lines, so each to a place of its own).
    PatternStore store;
    for (qsizetype n = 1; n <= reader.lineCount(); ++n) {
        const QString text = reader.line(n);
        if (EncodeWindows1252(text) != expected.lines[size_t(n - 1)] || reader.next() != text)
            std::abort();
        store.setEntry(1 + int(n % 16), int(n), int(n % 8), text);
        if (store.entry(1 + int(n % 16), int(n), int(n % 8)) != text
            || store.byteValue(1 + int(n % 16), int(n), int(n % 8)) != StoredByteValue(text))
            std::abort();
    }
    if (!reader.atEnd() || !reader.next().isEmpty() || !reader.line(reader.lineCount() + 1).isEmpty())
        std::abort();
    // Every text again after the others were stored: each place kept its own.
    for (qsizetype n = 1; n <= reader.lineCount(); ++n)
        if (store.entry(1 + int(n % 16), int(n), int(n % 8)) != reader.line(n))
            std::abort();
    return 0;
}
