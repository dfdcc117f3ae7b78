// The lists of recently opened files.
#include "common/recentfiles.h"

#include "common/programsettings.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString CleanPath(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentFiles::RecentFiles(QString key) : mKey(std::move(key)) {}

QStringList RecentFiles::read() const
{
    QStringList paths;
    // A hand-edited settings file may hold anything: empty entries, doubles, too many.
    for (const QString& path : ProgramSettings().value(mKey).toStringList())
        if (!path.isEmpty() && !paths.contains(path) && paths.size() < kMost)
            paths << path;
    return paths;
}

void RecentFiles::write(const QStringList& paths)
{
    QSettings settings = ProgramSettings();
    if (paths.isEmpty())
        settings.remove(mKey);
    else
        settings.setValue(mKey, paths);
}

std::vector<RecentFiles::Entry> RecentFiles::entries() const
{
    std::vector<Entry> list;
    for (const QString& path : read())
        list.push_back({path, !QFileInfo(path).isFile()});
    return list;
}

void RecentFiles::add(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString clean = CleanPath(path);
    QStringList paths = read();
    paths.removeAll(clean);
    paths.prepend(clean);
    while (paths.size() > kMost)
        paths.removeLast();
    write(paths);
}

void RecentFiles::remove(const QString& path)
{
    QStringList paths = read();
    if (paths.removeAll(path) == 0)
        paths.removeAll(CleanPath(path));
    write(paths);
}

int RecentFiles::removeMissing()
{
    QStringList kept;
    for (const Entry& e : entries())
        if (!e.missing)
            kept << e.path;
    const int gone = int(read().size() - kept.size());
    write(kept);
    return gone;
}

void RecentFiles::clear()
{
    write({});
}

QString RecentFiles::menuText(int index, const Entry& entry)
{
    const QFileInfo info(entry.path);
    // "&&" shows a literal ampersand in a menu entry.
    QString name = info.fileName();
    name.replace(QLatin1Char('&'), QLatin1String("&&"));
    QString folder = QDir::toNativeSeparators(info.absolutePath());
    folder.replace(QLatin1Char('&'), QLatin1String("&&"));
    const QString number = index < 9 ? QStringLiteral("&%1").arg(index + 1) : QString::number(index + 1);
    QString text = QStringLiteral("%1  %2  (%3)").arg(number, name, folder);
    if (entry.missing)
        text += QStringLiteral("  – fehlt");
    return text;
}
