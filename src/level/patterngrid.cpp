// Writing and reading the clipboard text of pattern grids.
#include "level/patterngrid.h"

#include <QStringList>

namespace {

constexpr int kMaxPattern = 127;
constexpr int kShownCharacters = 20;

QString Shown(const QString& token)
{
    return token.size() <= kShownCharacters ? token : token.left(kShownCharacters) + QStringLiteral("…");
}

// A whole decimal number 0-127, leading zeros allowed.
bool ParsePattern(const QString& token, int& value)
{
    if (token.isEmpty() || token.size() > 10)
        return false;
    value = 0;
    for (QChar c : token) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        value = value * 10 + (c.unicode() - '0');
    }
    return value <= kMaxPattern;
}

// The numbers of one line, or the reason it holds none.
QString ParseLine(const QString& line, int lineNumber, std::vector<int>& row)
{
    const QStringList fields = line.split(QLatin1Char('\t'));
    for (const QString& field : fields) {
        const QStringList tokens = field.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (tokens.isEmpty())
            return QStringLiteral("Zeile %1, Spalte %2 ist leer.").arg(lineNumber).arg(row.size() + 1);
        for (const QString& token : tokens) {
            int value = 0;
            if (!ParsePattern(token, value))
                return QStringLiteral("Zeile %1, Spalte %2: „%3“ ist keine Pattern-Nummer (ganze Zahl von 0 bis 127).")
                    .arg(lineNumber)
                    .arg(row.size() + 1)
                    .arg(Shown(token));
            row.push_back(value);
        }
    }
    return {};
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

PatternGridParse ParsePatternGrid(const QString& text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // Blanks of any kind but the line ends count as spaces.
    for (QChar& c : plain)
        if (c != QLatin1Char('\n') && c != QLatin1Char('\t') && c.isSpace())
            c = QLatin1Char(' ');
    QStringList lines = plain.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    PatternGridParse result;
    if (lines.isEmpty()) {
        result.error = QStringLiteral("Die Zwischenablage enthält keine Pattern-Nummern.");
        return result;
    }
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        if (lines[i].trimmed().isEmpty()) {
            result.error = QStringLiteral("Zeile %1 ist leer.").arg(lineNumber);
            break;
        }
        std::vector<int> row;
        result.error = ParseLine(lines[i], lineNumber, row);
        if (!result.error.isEmpty())
            break;
        if (i > 0 && row.size() != result.grid.front().size()) {
            result.error = QStringLiteral("Zeile %1 hat %2 Werte, Zeile 1 hat %3.")
                               .arg(lineNumber)
                               .arg(row.size())
                               .arg(result.grid.front().size());
            break;
        }
        result.grid.push_back(std::move(row));
    }
    if (!result.ok())
        result.grid.clear();
    return result;
}
