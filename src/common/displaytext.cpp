// Cutting long texts for message boxes, and showing control characters in echoed values.
#include "common/displaytext.h"

#include <QStringList>

namespace {

const QString kEllipsis = QStringLiteral("…");

// The first `length` characters, one fewer if the cut would part a surrogate pair.
QString Head(const QString& line, qsizetype length)
{
    if (length > 0 && line.at(length - 1).isHighSurrogate())
        --length;
    return line.left(length);
}

} // namespace

QString DisplayText(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    const bool tooManyLines = lines.size() > kMaxDisplayLines;
    if (tooManyLines)
        lines.resize(kMaxDisplayLines);
    for (QString& line : lines) {
        if (line.size() > kMaxDisplayLineLength)
            line = Head(line, kMaxDisplayLineLength - 1) + kEllipsis;
    }
    if (tooManyLines)
        lines.append(kEllipsis);
    return lines.join(QLatin1Char('\n'));
}

QString VisibleText(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0)
            out += QStringLiteral("\\0");
        else if (u == u'\t')
            out += QStringLiteral("\\t");
        else if (u == u'\n')
            out += QStringLiteral("\\n");
        else if (u == u'\r')
            out += QStringLiteral("\\r");
        else if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            out += QStringLiteral("\\x") + QStringLiteral("%1").arg(int(u), 2, 16, QLatin1Char('0')).toUpper();
        else if (u == 0x2028 || u == 0x2029)
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16);
        else
            out += c;
    }
    return out;
}
