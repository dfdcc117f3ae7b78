// Cutting long texts for message boxes.
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
