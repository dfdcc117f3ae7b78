// Writing the level code text.
#include "levelio/levelcode.h"

#include "level/leveldocument.h"

namespace {

QString Rule()
{
    return QStringLiteral("//") + QString(43, QLatin1Char('#'));
}

QString ColorLine(const LevelDocument& document, int line)
{
    QString text = QStringLiteral("OriginalColorLine") + QString::number(line) + QStringLiteral(": .byte ");
    for (int c = 0; c < LevelDocument::kColorColumns; ++c) {
        if (c > 0)
            text += QLatin1Char(',');
        text += QLatin1Char('$') + document.colorEntry(c, line).hexText;
    }
    return text;
}

QString LevelLine(const LevelDocument& document, int y)
{
    QStringList codes;
    codes.reserve(LevelDocument::kColumns);
    for (int x = 0; x < LevelDocument::kColumns; ++x)
        codes << document.leftCode(x, y);
    return QStringLiteral("LevelLine") + QString::number(y + 1) + QStringLiteral(":   ")
        + QStringLiteral("        .byte ") + codes.join(QStringLiteral(", "));
}

} // namespace

QStringList LevelAssemblerCode(const LevelDocument& document)
{
    QStringList lines;
    lines.reserve(kLevelCodeLines);
    lines << Rule() << QStringLiteral("//# Level Definition Set                     ")
          << QStringLiteral("//# Made with Tavrel") + QString(25, QLatin1Char(' ')) << Rule();
    for (int line = 1; line <= LevelDocument::kColorLines; ++line)
        lines << ColorLine(document, line);
    lines << Rule() << QStringLiteral("//  Level Daten") << Rule();
    for (int y = 0; y < LevelDocument::kRows; ++y)
        lines << LevelLine(document, y);
    lines << QString() << QString();
    return lines;
}
