// Where the program finds its user guide, and what "Über Tavrel" says.
#include "common/userguide.h"

#include <QDir>
#include <QFileInfo>

QString UserGuideFile(const QString& programFolder)
{
    const QDir program(programFolder);
    for (const QString& relative : {QStringLiteral("doc/handbuch.md"), QStringLiteral("../share/doc/tavrel/handbuch.md")}) {
        const QString path = QDir::cleanPath(program.filePath(relative));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QString AboutText(const QString& version)
{
    return QStringLiteral(
               "<h3>Tavrel %1</h3>"
               "<p>Pattern Editor, Level Editor, Atari Palette, Grafik Converter, Sound Converter und Datei "
               "Splitter für das Atari-8-Bit-Spiel Oxil's Quest, dazu das Kommandozeilenwerkzeug tavrel-cli.</p>"
               // The project has not chosen its licence yet; this line names it once it has.
               "<p>Lizenz: noch nicht festgelegt.</p>"
               "<p>Gebaut mit Qt %2 (GNU LGPL Version 3).</p>")
        .arg(version.toHtmlEscaped(), QString::fromLatin1(QT_VERSION_STR));
}
