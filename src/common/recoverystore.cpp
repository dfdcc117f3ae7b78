// Recovery copies: the process check, the file format and the folder.
#include "common/recoverystore.h"

#include "common/boundedbytefile.h"
#include "common/bytefile.h"
#include "common/errors.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <limits>
#include <csignal>
#include <unistd.h>

namespace {

constexpr char kMagic[8] = {'T', 'A', 'V', 'R', 'E', 'L', 'W', 'H'};
constexpr quint32 kVersion = 1;
constexpr int kHashSize = 20; // SHA-1
// More parts than any program keeps: a count above it is damage.
constexpr quint32 kMaxParts = 64;
// A copy holds a pattern file, a level and the converter's painted picture with their extras; the
// largest copy written is the largest read back.
constexpr qint64 kMaxCopySize = kMaxByteFileSize;

const QString kSuffix = QStringLiteral(".kopie");

QString FileNameOf(const ProcessIdentity& process, int taken)
{
    QString name = QStringLiteral("%1-%2").arg(process.pid).arg(process.started);
    if (taken > 0)
        name += QStringLiteral("-%1").arg(taken);
    return name + kSuffix;
}

// The owner of a copy, or of the temporary file a write left when it was killed (WriteByteFile's
// six characters after the name).
std::optional<ProcessIdentity> IdentityOf(const QString& fileName, bool temporary)
{
    static const QRegularExpression copyName(QStringLiteral("^(\\d{1,18})-(\\d{1,20})(-\\d{1,9})?\\.kopie$"));
    static const QRegularExpression tempName(
        QStringLiteral("^(\\d{1,18})-(\\d{1,20})(-\\d{1,9})?\\.kopie\\.[A-Za-z0-9]{6}$"));
    const QRegularExpression& pattern = temporary ? tempName : copyName;
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    bool pidOk = false;
    bool startOk = false;
    const ProcessIdentity identity{match.captured(1).toLongLong(&pidOk), match.captured(2).toULongLong(&startOk)};
    if (!pidOk || !startOk || identity.pid <= 0)
        return std::nullopt;
    return identity;
}

} // namespace

std::optional<quint64> ProcessStartTime(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = stat.read(4096);
    // "pid (name) state ppid ...": the name may hold blanks and parentheses, so the fields are
    // counted from the last ')'. The start time is field 22, the 20th after the name.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    if (fields.size() < 20)
        return std::nullopt;
    bool ok = false;
    const quint64 started = fields[19].toULongLong(&ok);
    return ok ? std::optional<quint64>(started) : std::nullopt;
}

ProcessIdentity CurrentProcess()
{
    const qint64 pid = ::getpid();
    return {pid, ProcessStartTime(pid).value_or(0)};
}

bool ProcessRuns(const ProcessIdentity& process)
{
    if (process.pid <= 0 || process.pid > std::numeric_limits<pid_t>::max())
        return false;
    // EPERM: the process exists but belongs to someone else.
    if (::kill(static_cast<pid_t>(process.pid), 0) != 0 && errno != EPERM)
        return false;
    const std::optional<quint64> started = ProcessStartTime(process.pid);
    // Without /proc the id alone has to do.
    if (!started || process.started == 0)
        return true;
    return *started == process.started;
}

QByteArray SerialiseRecoveryCopy(const RecoveryCopy& copy)
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out.writeRawData(kMagic, sizeof kMagic);
        out << kVersion << copy.process.pid << copy.process.started << quint32(copy.parts.size());
        for (const RecoveryPart& part : copy.parts)
            out << part.kind << part.changed.toMSecsSinceEpoch() << part.bytes;
    }
    bytes += QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    return bytes;
}

std::optional<RecoveryCopy> ParseRecoveryCopy(const QByteArray& bytes)
{
    if (bytes.size() < qsizetype(sizeof kMagic) + kHashSize || !bytes.startsWith(QByteArray(kMagic, sizeof kMagic)))
        return std::nullopt;
    const QByteArray body = bytes.left(bytes.size() - kHashSize);
    // Cut off or changed anywhere: the checksum tells before anything is read.
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha1) != bytes.right(kHashSize))
        return std::nullopt;
    QDataStream in(body);
    in.setVersion(QDataStream::Qt_6_0);
    in.skipRawData(sizeof kMagic);
    quint32 version = 0;
    quint32 count = 0;
    RecoveryCopy copy;
    in >> version >> copy.process.pid >> copy.process.started >> count;
    if (in.status() != QDataStream::Ok || version != kVersion || count > kMaxParts)
        return std::nullopt;
    for (quint32 i = 0; i < count; ++i) {
        RecoveryPart part;
        qint64 changed = 0;
        in >> part.kind >> changed >> part.bytes;
        if (in.status() != QDataStream::Ok)
            return std::nullopt;
        part.changed = QDateTime::fromMSecsSinceEpoch(changed, Qt::UTC);
        copy.parts.push_back(std::move(part));
    }
    if (!in.atEnd())
        return std::nullopt;
    return copy;
}

RecoveryStore::RecoveryStore(const QString& dataFolder, const ProcessIdentity& self)
    : mFolder(dataFolder + QStringLiteral("/wiederherstellung")), mSelf(self)
{
}

QString RecoveryStore::ownFile() const
{
    return mFolder + QLatin1Char('/') + FileNameOf(mSelf, 0);
}

void RecoveryStore::write(const RecoveryCopy& copy) const
{
    // A data folder that is a file, or cannot be made: the save below names the reason.
    QDir().mkpath(mFolder);
    const QByteArray bytes = SerialiseRecoveryCopy(copy);
    // Not written at all rather than written and then refused at the next start.
    if (bytes.size() > kMaxCopySize)
        throw TavrelError(QStringLiteral("Die ungesicherte Arbeit ist mit %1 MB größer als die %2 MB, die eine Kopie halten kann.")
                              .arg((bytes.size() + (1 << 20) - 1) >> 20)
                              .arg(kMaxCopySize >> 20));
    // The copy's own name holds nothing but a copy: a link there (to a saved file, say) or anything
    // else that is not a plain file is removed, never written through.
    const QFileInfo own(ownFile());
    if (own.isSymLink() || (own.exists() && !own.isFile()))
        QFile::remove(ownFile());
    WriteByteFile(ownFile(), bytes);
}

void RecoveryStore::removeOwn() const
{
    QFile::remove(ownFile());
}

std::vector<LeftCopy> RecoveryStore::takeLeftCopies()
{
    std::vector<LeftCopy> copies;
    const QDir folder(mFolder);
    for (const QString& name : folder.entryList({QStringLiteral("*") + kSuffix + QStringLiteral(".*")}, QDir::Files)) {
        const std::optional<ProcessIdentity> owner = IdentityOf(name, true);
        if (owner && !(*owner == mSelf) && !ProcessRuns(*owner))
            QFile::remove(folder.filePath(name));
    }
    const QStringList names = folder.entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const std::optional<ProcessIdentity> owner = IdentityOf(name, false);
        if (!owner || *owner == mSelf || ProcessRuns(*owner))
            continue;
        // A rename within the folder happens whole: of two programs taking the same copy, one wins.
        QString taken;
        do
            taken = mFolder + QLatin1Char('/') + FileNameOf(mSelf, ++mTakenCount);
        while (QFile::exists(taken));
        if (!QFile::rename(mFolder + QLatin1Char('/') + name, taken))
            continue;
        mTaken << taken;
        LeftCopy left{taken, std::nullopt};
        try {
            // A link is no copy this program wrote: it is not followed.
            if (!QFileInfo(taken).isSymLink() && ByteFileSize(taken) <= kMaxCopySize)
                left.copy = ParseRecoveryCopy(ReadByteFile(taken));
        } catch (const TavrelError&) {
            // Unreadable: told to the user as a copy that could not be restored.
        }
        copies.push_back(std::move(left));
    }
    return copies;
}

void RecoveryStore::removeTakenCopies()
{
    for (const QString& file : std::as_const(mTaken))
        QFile::remove(file);
    mTaken.clear();
}

QString RecoveryQuestion(const std::vector<LeftCopy>& copies, const std::function<QString(const QString&)>& names)
{
    QStringList lines;
    int damaged = 0;
    for (const LeftCopy& left : copies) {
        if (!left.copy) {
            ++damaged;
            continue;
        }
        for (const RecoveryPart& part : left.copy->parts)
            lines << QStringLiteral("- %1, zuletzt geändert am %2")
                         .arg(names(part.kind), part.changed.toLocalTime().toString(QStringLiteral("dd.MM.yyyy 'um' HH:mm:ss")));
    }
    QString text = QStringLiteral("Das Programm wurde nicht ordnungsgemäß beendet. Ungesicherte Arbeit von damals "
                                  "kann wiederhergestellt werden:\n\n")
        + lines.join(QLatin1Char('\n'));
    if (damaged > 0)
        text += QStringLiteral("\n\n%1 Wiederherstellungskopie(n) sind beschädigt und können nicht wiederhergestellt werden.")
                    .arg(damaged);
    return text + QStringLiteral("\n\n\"Wiederherstellen\" lädt sie als ungesicherte Arbeit, \"Verwerfen\" löscht die Kopie.");
}
