// Writing and reading the clipboard text of pattern grids.
#include "level/patterngrid.h"

#include "common/displaytext.h"

#include <algorithm>

namespace {

constexpr int kMaxPattern = 127;
constexpr int kShownCharacters = 20;

// The token as the message shows it: cut to 20 characters, control characters made visible.
QString Shown(QStringView token)
{
    return token.size() <= kShownCharacters ? VisibleText(token) : VisibleText(token.left(kShownCharacters)) + QStringLiteral("…");
}

// A whole decimal number 0-127, leading zeros allowed, at most ten characters. The value is checked
// after every digit, so it never grows past 1279.
bool ParsePattern(QStringView token, int& value)
{
    if (token.isEmpty() || token.size() > 10)
        return false;
    value = 0;
    for (QChar c : token) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        value = value * 10 + (c.unicode() - '0');
        if (value > kMaxPattern)
            return false;
    }
    return true;
}

bool IsLineEnd(QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); }

// Any blank but a tab or a line end parts two numbers of one field.
bool IsBlank(QChar c) { return c != QLatin1Char('\t') && c.isSpace(); }

// The first maxColumns numbers of one line (fields apart by tabs, numbers of a field apart by
// blanks), or the reason it holds none.
QString ParseLine(QStringView line, int lineNumber, int maxColumns, std::vector<int>& row)
{
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (qsizetype(row.size()) < maxColumns) {
        bool fieldHasNumber = false;
        while (i < n && line[i] != QLatin1Char('\t') && qsizetype(row.size()) < maxColumns) {
            if (IsBlank(line[i])) {
                ++i;
                continue;
            }
            const qsizetype start = i;
            while (i < n && line[i] != QLatin1Char('\t') && !IsBlank(line[i]))
                ++i;
            fieldHasNumber = true;
            const QStringView token = line.sliced(start, i - start);
            int value = 0;
            if (!ParsePattern(token, value))
                return QStringLiteral("Zeile %1, Spalte %2: „%3“ ist keine Pattern-Nummer (ganze Zahl von 0 bis 127).")
                    .arg(lineNumber)
                    .arg(row.size() + 1)
                    .arg(Shown(token));
            row.push_back(value);
        }
        if (!fieldHasNumber && qsizetype(row.size()) < maxColumns)
            return QStringLiteral("Zeile %1, Spalte %2 ist leer.").arg(lineNumber).arg(row.size() + 1);
        if (i >= n)
            break;
        if (line[i] == QLatin1Char('\t'))
            ++i;
    }
    return {};
}

bool IsBlankLine(QStringView line)
{
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c.isSpace(); });
}

} // namespace

QString PatternGridText(const PatternGrid& grid)
{
    QString text;
    for (const std::vector<int>& row : grid) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += QLatin1Char('\t');
            text += QString::number(row[i]);
        }
        text += QLatin1Char('\n');
    }
    return text;
}

PatternGridParse ParsePatternGrid(QStringView text, int maxRows, int maxColumns)
{
    PatternGridParse result;
    if (text.size() > kMaxPatternGridText) {
        result.error = QStringLiteral("Die Zwischenablage ist zu groß: %1 Zeichen, höchstens %2 sind erlaubt.")
                           .arg(text.size())
                           .arg(kMaxPatternGridText);
        return result;
    }
    const qsizetype n = text.size();
    qsizetype pos = 0;
    int firstBlankLine = 0; // a blank line is passed over only when no numbers follow it
    for (int lineNumber = 1; lineNumber <= maxRows && pos < n; ++lineNumber) {
        qsizetype end = pos;
        while (end < n && !IsLineEnd(text[end]))
            ++end;
        const QStringView line = text.sliced(pos, end - pos);
        pos = end + (end + 1 < n && text[end] == QLatin1Char('\r') && text[end + 1] == QLatin1Char('\n') ? 2 : 1);
        if (IsBlankLine(line)) {
            if (firstBlankLine == 0)
                firstBlankLine = lineNumber;
            continue;
        }
        if (firstBlankLine != 0) {
            result.error = QStringLiteral("Zeile %1 ist leer.").arg(firstBlankLine);
            break;
        }
        std::vector<int> row;
        result.error = ParseLine(line, lineNumber, maxColumns, row);
        if (!result.error.isEmpty())
            break;
        if (!result.grid.empty() && row.size() != result.grid.front().size()) {
            result.error = QStringLiteral("Zeile %1 hat %2 Werte, Zeile 1 hat %3.")
                               .arg(lineNumber)
                               .arg(row.size())
                               .arg(result.grid.front().size());
            break;
        }
        result.grid.push_back(std::move(row));
    }
    if (result.ok() && result.grid.empty())
        result.error = QStringLiteral("Die Zwischenablage enthält keine Pattern-Nummern.");
    if (!result.ok())
        result.grid.clear();
    return result;
}
