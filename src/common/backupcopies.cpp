// Names of backup copies and the ones an interrupted save left.
#include "common/backupcopies.h"

#include "common/userdialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <sys/types.h>

namespace {

// The longest name a folder takes is 255 bytes; the unique part and its dot come on top.
constexpr qsizetype kMaxEncodedName = 200;
// Stands for the start of a path that was cut: "…" in UTF-8, not dots, which would hide the copy.
const QByteArray kCut = "\xE2\x80\xA6";

} // namespace

QString BackupCopyFileName(const QString& originalPath, const QString& unique)
{
    const QByteArray path = QFile::encodeName(originalPath);
    QByteArray name;
    name.reserve(path.size() + 16);
    for (const char c : path) {
        if (c == '%')
            name += "%25";
        else if (c == '/')
            name += "%2F";
        else
            name += c;
    }
    if (name.size() > kMaxEncodedName) {
        qsizetype from = name.size() - kMaxEncodedName;
        // Never start inside a "%xx".
        if (name[from - 1] == '%')
            from -= 1;
        else if (name[from - 2] == '%')
            from -= 2;
        name = kCut + name.mid(from);
    }
    return QFile::decodeName(name) + QLatin1Char('.') + unique;
}

QString BackupCopyOriginal(const QString& copyFileName)
{
    const qsizetype dot = copyFileName.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || copyFileName.startsWith(QLatin1Char('.')))
        return {};
    const QByteArray encoded = QFile::encodeName(copyFileName.left(dot));
    return QFile::decodeName(QByteArray::fromPercentEncoding(encoded));
}

QString HalfMadeBackupCopyPrefix()
{
    return QStringLiteral(".halb-");
}

namespace {

// True for ".halb-<pid>.<unique>" of a process that has ended.
bool HalfMadeOfEndedSave(const QString& name)
{
    if (!name.startsWith(HalfMadeBackupCopyPrefix()))
        return false;
    const QString rest = name.mid(HalfMadeBackupCopyPrefix().size());
    bool ok = false;
    const qint64 pid = rest.left(rest.indexOf(QLatin1Char('.'))).toLongLong(&ok);
    return ok && pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

void RemoveHalfMadeBackupCopies(const QString& folder)
{
    const QDir dir(folder);
    const QStringList names = dir.entryList({HalfMadeBackupCopyPrefix() + QLatin1Char('*')},
                                            QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : names)
        if (HalfMadeOfEndedSave(name))
            QFile::remove(dir.filePath(name));
}

QList<LeftBackupCopy> LeftBackupCopies(const QString& folder)
{
    RemoveHalfMadeBackupCopies(folder);
    QList<LeftBackupCopy> copies;
    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        const QString original = BackupCopyOriginal(name);
        if (original.isEmpty())
            continue;
        copies.append({entry.filePath(), original, entry.lastModified(), entry.size()});
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const LeftBackupCopy& a, const LeftBackupCopy& b) { return a.made < b.made; });
    return copies;
}

QString LeftBackupCopiesNotice(const QList<LeftBackupCopy>& copies)
{
    if (copies.isEmpty())
        return {};
    QString text = copies.size() == 1
        ? QStringLiteral("Ein Speichern wurde unterbrochen. Die folgende Datei kann dabei beschädigt worden sein; "
                         "ihr alter Inhalt liegt in der Sicherungskopie:\n")
        : QStringLiteral("Speichervorgänge wurden unterbrochen. Die folgenden Dateien können dabei beschädigt worden "
                         "sein; ihr alter Inhalt liegt jeweils in der Sicherungskopie:\n");
    for (const LeftBackupCopy& copy : copies)
        // One pass of arg(): a copy's name holds "%2F", which a second pass would take for a place holder.
        text += QStringLiteral("\n%1\n    Sicherungskopie: %2 (%3, %4 Bytes)")
                    .arg(QDir::toNativeSeparators(copy.original), QDir::toNativeSeparators(copy.copy),
                         copy.made.toString(QStringLiteral("dd.MM.yyyy HH:mm")), QString::number(copy.size));
    text += QStringLiteral("\n\nIst eine Datei in Ordnung, kann ihre Kopie gelöscht werden.");
    return text;
}

QString LeftBackupCopiesKey(const QList<LeftBackupCopy>& copies)
{
    QStringList names;
    for (const LeftBackupCopy& copy : copies)
        names << QFileInfo(copy.copy).fileName();
    names.sort();
    return names.join(QLatin1Char('/'));
}

QString LeftBackupCopiesNoticeOnce(const QString& folder, QSettings& settings)
{
    static const QString kTold = QStringLiteral("Sicherung/GemeldeteKopien");
    const QList<LeftBackupCopy> copies = LeftBackupCopies(folder);
    const QString key = LeftBackupCopiesKey(copies);
    if (copies.isEmpty() || settings.value(kTold).toString() == key)
        return {};
    settings.setValue(kTold, key);
    return LeftBackupCopiesNotice(copies);
}

void TellLeftBackupCopiesOnce(UserDialogs& dialogs, const QString& folder, QSettings& settings)
{
    const QString notice = LeftBackupCopiesNoticeOnce(folder, settings);
    if (!notice.isEmpty())
        dialogs.message(notice);
}
