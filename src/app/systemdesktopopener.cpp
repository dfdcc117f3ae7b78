// The desktop's file association through Qt.
#include "app/systemdesktopopener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace {

// Linux desktops start their opener even for a type no program is registered for, and then nothing
// visible happens. Asking the desktop's own table first makes such a file fail here, as it does on
// Windows, so that the next way of starting it gets its turn.
bool DesktopKnowsAProgramFor(const QString& file)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return true; // no table to ask: Qt's opener decides
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QMimeDatabase().mimeTypeForFile(file).name()});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return true;
    }
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace
#endif

bool SystemDesktopOpener::open(const QString& fileName)
{
    const QString absolute = QFileInfo(fileName).absoluteFilePath();
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (!DesktopKnowsAProgramFor(absolute))
        return false;
#endif
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
}
