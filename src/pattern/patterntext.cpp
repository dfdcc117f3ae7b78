// Reading and writing patterns as hex text.
#include "pattern/patterntext.h"

#include "common/intconv.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace {

constexpr qsizetype kLongestText = 1 << 20;

// The bytes of one line, or the reason it is none.
QString ReadLine(const QString& line, PatternBytes& bytes)
{
    int count = 0;
    const QStringList tokens = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString& token : tokens) {
        if (std::any_of(token.begin(), token.end(), [](QChar c) { return HexDigitValue(c) < 0; }))
            return QStringLiteral("„%1“ ist kein Hex-Byte").arg(token.left(20));
        if (token.size() > 1 && token.size() % 2 != 0)
            return QStringLiteral("„%1“ ist kein Hex-Byte (eine ungerade Zahl von Ziffern)").arg(token.left(20));
        for (qsizetype at = 0; at < token.size(); at += 2) {
            const QStringView digits = QStringView(token).mid(at, 2);
            int value = 0;
            for (const QChar c : digits)
                value = value * 16 + HexDigitValue(c);
            if (count == int(bytes.size()))
                return QStringLiteral("mehr als %1 Bytes").arg(bytes.size());
            bytes[size_t(count++)] = static_cast<unsigned char>(value);
        }
    }
    if (count != int(bytes.size()))
        return QStringLiteral("%1 Bytes statt %2").arg(count).arg(bytes.size());
    return {};
}

} // namespace

QString PatternBytesLine(const PatternBytes& bytes)
{
    QString line;
    line.reserve(3 * int(bytes.size()));
    for (const unsigned char b : bytes) {
        if (!line.isEmpty())
            line += QLatin1Char(' ');
        line += QStringLiteral("%1").arg(int(b), 2, 16, QLatin1Char('0')).toUpper();
    }
    return line;
}

PatternTextParse ParsePatternText(const QString& text, int room)
{
    PatternTextParse parse;
    if (text.size() > kLongestText) {
        parse.error = QStringLiteral("der Text ist zu lang für Patterns");
        return parse;
    }
    int lineNumber = 0;
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        ++lineNumber;
        if (line.trimmed().isEmpty())
            continue;
        if (int(parse.patterns.size()) >= room) {
            ++parse.notRead;
            continue;
        }
        PatternBytes bytes{};
        const QString why = ReadLine(line.toString(), bytes);
        if (!why.isEmpty()) {
            parse.patterns.clear();
            parse.notRead = 0;
            parse.error = QStringLiteral("Zeile %1: %2. Erwartet wird ein Pattern pro Zeile, 32 Bytes in Hex "
                                         "(wie „00 3C 66 …“)")
                              .arg(lineNumber)
                              .arg(why);
            return parse;
        }
        parse.patterns.push_back(bytes);
    }
    if (parse.patterns.empty() && parse.notRead == 0)
        parse.error = QStringLiteral("der Text enthält kein Pattern");
    return parse;
}
