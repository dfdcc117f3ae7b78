// Recovery copies of unsaved work: what one holds, its file format, and the folder that keeps them.
#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// A running process as far as a recovery copy needs to know it: its id and when it started (in the
// system's clock ticks since boot, 0 where the system does not tell), so that a process that took
// the id of one that ended is not taken for it.
struct ProcessIdentity {
    qint64 pid = 0;
    quint64 started = 0;
    bool operator==(const ProcessIdentity&) const = default;
};

// This process.
ProcessIdentity CurrentProcess();
// When the process with this id started, from /proc/<pid>/stat; nothing when there is none.
std::optional<quint64> ProcessStartTime(qint64 pid);
// Whether the process still runs: the id exists (kill(pid, 0)) and, where known, it started when
// the identity says.
bool ProcessRuns(const ProcessIdentity& process);

// One kind of unsaved work in a copy: its name (RecoveryKind…), when it last changed, and its bytes
// in the kind's own form.
struct RecoveryPart {
    QString kind;
    QDateTime changed;
    QByteArray bytes;
};

struct RecoveryCopy {
    ProcessIdentity process;
    std::vector<RecoveryPart> parts;
};

// The file's bytes: a header, the parts, and a checksum over all of it.
QByteArray SerialiseRecoveryCopy(const RecoveryCopy& copy);
// Nothing for bytes that are not a whole copy (cut off, damaged, of another kind).
std::optional<RecoveryCopy> ParseRecoveryCopy(const QByteArray& bytes);

// The bytes of one part: its version, the kind's own extras (written with operator<<) and the bytes the
// kind's file would hold.
template <class Extras>
QByteArray RecoveryPartBytes(quint32 version, const Extras& extras, const QByteArray& fileBytes)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << version << extras << fileBytes;
    return bytes;
}
// Reads such bytes into extras; the file's bytes, or nothing for bytes of another version or damaged.
template <class Extras>
std::optional<QByteArray> ReadRecoveryPart(const QByteArray& bytes, quint32 version, Extras& extras)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 read = 0;
    in >> read;
    // Bytes of another version or kind are not read further: their length fields could ask for any size.
    if (in.status() != QDataStream::Ok || read != version)
        return std::nullopt;
    QByteArray fileBytes;
    in >> extras >> fileBytes;
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return fileBytes;
}

// A copy found in the folder, left by a process that ended.
struct LeftCopy {
    QString fileName;
    std::optional<RecoveryCopy> copy; // nothing when it could not be read whole
};

// The folder of recovery copies below the program's data folder. Each process keeps one copy,
// named after its identity; copies of processes that still run are never touched.
class RecoveryStore {
public:
    RecoveryStore(const QString& dataFolder, const ProcessIdentity& self);

    const QString& folder() const { return mFolder; }
    const ProcessIdentity& self() const { return mSelf; }
    // This process's copy.
    QString ownFile() const;

    // Writes this process's copy through WriteByteFile (creating the folder first). Throws
    // FileCreateError, or TavrelError for a copy larger than a copy is read back; an older copy then
    // stays whole.
    void write(const RecoveryCopy& copy) const;
    // Removes this process's copy; nothing when there is none.
    void removeOwn() const;

    // Takes the copies left by processes that ended: each is renamed to a name of this process, so
    // that a second program starting at the same time does not take it too, and so that it is
    // offered again if this process ends before the question is answered. Copies of running
    // processes stay where they are.
    std::vector<LeftCopy> takeLeftCopies();
    // Removes the copies taken (after "Verwerfen", or once what they held is in this process's copy).
    void removeTakenCopies();

private:
    QString mFolder;
    ProcessIdentity mSelf;
    QStringList mTaken;
    int mTakenCount = 0;
};

// The question after an unclean end, naming each kind of work and when it last changed; `names`
// maps a kind to the text the user reads.
QString RecoveryQuestion(const std::vector<LeftCopy>& copies, const std::function<QString(const QString&)>& names);
