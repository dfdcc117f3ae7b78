// Whole patterns of the store: the framed run on the clipboard (copy, cut, paste) and the search for
// patterns with equal bytes.
#include "pattern/patterneditor.h"

#include "pattern/patterntext.h"
#include "pattern/undo_step.h"

#include <QStringList>
#include <map>

namespace {

// The bytes of stored pattern (set, pattern) as the overview shows them.
PatternBytes StoredPattern(const PatternStore& store, int set, int pattern)
{
    PatternBytes bytes{};
    for (int y = 0; y < EditBuffer::kHeight; ++y)
        for (int h = 0; h < 2; ++h)
            bytes[size_t(2 * y + h)] = static_cast<unsigned char>(store.patternByteValue(set, pattern, y, h));
    return bytes;
}

QString RunName(int set, int first, int last)
{
    return first == last ? QStringLiteral("Set %1: %2").arg(set).arg(first)
                         : QStringLiteral("Set %1: %2-%3").arg(set).arg(first).arg(last);
}

QString PatternCount(int n)
{
    return n == 1 ? QStringLiteral("1 Pattern") : QStringLiteral("%1 Patterns").arg(n);
}

} // namespace

QString PatternEditor::copyPatterns()
{
    QStringList lines;
    for (int p = runFirst(); p <= runLast(); ++p)
        lines << PatternBytesLine(StoredPattern(store(), mSet, p));
    addInfo(QStringLiteral("%1 kopiert (%2)").arg(PatternCount(int(lines.size()))).arg(RunName(mSet, runFirst(), runLast())));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QImage PatternEditor::runPicture() const
{
    const int tile = kOverviewHeight / PatternStore::kSets;
    return overview().copy((runFirst() - 1) * tile, (mSet - 1) * tile, (runLast() - runFirst() + 1) * tile, tile);
}

QString PatternEditor::cutPatterns()
{
    const QString text = copyPatterns();
    const int first = runFirst();
    const int last = runLast();
    record(PatternStepKind::Cut, [&](PatternDraft& d) {
        for (int p = first; p <= last; ++p) {
            for (int y = 0; y < EditBuffer::kHeight; ++y)
                for (int h = 0; h < 2; ++h)
                    d.store->setPatternByte(mSet, p, y, h, QStringLiteral("0"));
            d.redrawPattern(p - 1, mSet - 1);
        }
        reloadIfFree(d);
    });
    return text;
}

int PatternEditor::pastePatterns(const QString& text)
{
    const int first = runFirst();
    const PatternTextParse parse = ParsePatternText(text, PatternStore::kPatterns - first + 1);
    if (!parse.ok()) {
        addInfo(QStringLiteral("Einfügen nicht möglich: %1. Nichts wurde geändert.").arg(parse.error));
        return 0;
    }
    const int count = int(parse.patterns.size());
    record(PatternStepKind::Paste, [&](PatternDraft& d) {
        for (int i = 0; i < count; ++i) {
            const PatternBytes& bytes = parse.patterns[size_t(i)];
            for (int y = 0; y < EditBuffer::kHeight; ++y)
                for (int h = 0; h < 2; ++h)
                    d.store->setPatternByte(mSet, first + i, y, h, QString::number(bytes[size_t(2 * y + h)]));
            d.redrawPattern(first + i - 1, mSet - 1);
        }
        if (mPattern >= first && mPattern < first + count)
            reloadIfFree(d);
    });
    QString line = QStringLiteral("%1 eingefügt (%2)").arg(PatternCount(count)).arg(RunName(mSet, first, first + count - 1));
    if (parse.notRead > 0)
        line += parse.notRead == 1 ? QStringLiteral("; kein Platz mehr im Set für 1 weiteres Pattern")
                                   : QStringLiteral("; kein Platz mehr im Set für %1 weitere Patterns").arg(parse.notRead);
    addInfo(line);
    return count;
}

QStringList PatternEditor::duplicatePatterns() const
{
    QStringList lines;
    const PatternBytes empty{};
    for (int s = 1; s <= PatternStore::kSets; ++s) {
        // Groups in the order of their first pattern.
        using Groups = std::map<PatternBytes, std::vector<int>>;
        Groups byBytes;
        std::vector<Groups::const_iterator> order;
        for (int p = 1; p <= PatternStore::kPatterns; ++p) {
            const auto [at, added] = byBytes.try_emplace(StoredPattern(store(), s, p));
            at->second.push_back(p);
            if (added)
                order.push_back(at);
        }
        for (const Groups::const_iterator group : order) {
            if (group->second.size() < 2)
                continue;
            QStringList numbers;
            for (const int p : group->second)
                numbers << QString::number(p);
            QString line = QStringLiteral("Set %1: %2").arg(s).arg(numbers.join(QStringLiteral(" = ")));
            if (group->first == empty)
                line += QStringLiteral(" (leer)");
            lines << line;
        }
    }
    return lines;
}

void PatternEditor::logDuplicatePatterns()
{
    const QStringList lines = duplicatePatterns();
    addInfo(lines.isEmpty() ? QStringLiteral("Doppelte Patterns: keine") : QStringLiteral("Doppelte Patterns (gleiche Bytes):"));
    for (const QString& line : lines)
        addInfo(line);
}
