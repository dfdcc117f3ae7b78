// Quoting a program for an emulator command and filling in its file name.
#include "disk/emulatorcommand.h"

#include <algorithm>

QString QuotedProgram(const QString& path)
{
    const bool plain = !path.isEmpty() && std::none_of(path.begin(), path.end(), [](QChar c) {
        return c.isSpace() || c == QLatin1Char('"');
    });
    if (plain)
        return path;
    QString quoted = QStringLiteral("\"");
    for (QChar c : path) {
        if (c == QLatin1Char('"'))
            quoted += QStringLiteral("\"\"\"");
        else
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QString WithFileName(const QString& word, const QString& fileName)
{
    const QString quotedMarker = QStringLiteral("'%f'");
    const QString marker = QStringLiteral("%f");
    QString result;
    qsizetype i = 0;
    while (i < word.size()) {
        if (QStringView(word).sliced(i).startsWith(quotedMarker)) {
            result += fileName;
            i += quotedMarker.size();
        } else if (QStringView(word).sliced(i).startsWith(marker)) {
            result += fileName;
            i += marker.size();
        } else {
            result += word[i++];
        }
    }
    return result;
}
