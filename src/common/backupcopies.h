// The copies an in-place save keeps of the file it overwrites, and the ones an interrupted save left.
#pragma once

#include <QDateTime>
#include <QList>
#include <QSettings>
#include <QString>

class UserDialogs;

// The name a copy of originalPath gets in the backup folder: the original's whole path with "%" and
// "/" written as "%25" and "%2F" (so the name tells where the file came from and can be read back),
// then "." and the unique part. A path too long for a file name keeps its end, after "…".
QString BackupCopyFileName(const QString& originalPath, const QString& unique);

// The original's path told by a copy's file name, or an empty text for a name no copy has.
QString BackupCopyOriginal(const QString& copyFileName);

// The name prefix of a copy that is still being written; it gets its final name only when whole.
// A half-made copy is named ".halb-<process number>.<unique part>".
QString HalfMadeBackupCopyPrefix();

// Removes the half-made copies of saves whose process has ended (a kill during the copy): they never
// hold anything the original lacks. Run before a new copy is made and when the copies are listed.
void RemoveHalfMadeBackupCopies(const QString& folder);

// A copy left by a save that did not end: the file it came from may hold a mixture of old and new bytes.
struct LeftBackupCopy {
    QString copy;     // the copy's full path
    QString original; // the file it is a copy of
    QDateTime made;
    qint64 size = 0;
};

// The copies left in the folder (BackupFolder() in the program), oldest first, after the half-made ones
// of ended saves are removed.
QList<LeftBackupCopy> LeftBackupCopies(const QString& folder);

// What the user is told once about such copies at start: each original and the copy of its old bytes.
QString LeftBackupCopiesNotice(const QList<LeftBackupCopy>& copies);

// A text that is the same for the same set of copies, so that a set is told only once.
QString LeftBackupCopiesKey(const QList<LeftBackupCopy>& copies);

// The notice about the copies left in the folder when this set of copies was not told yet (the set told
// last is kept in the settings), else an empty text. For the start of the program.
QString LeftBackupCopiesNoticeOnce(const QString& folder, QSettings& settings);

// At start: shows the notice about the copies left in the folder (BackupFolder() in the program) in a
// message box, once per set of copies.
void TellLeftBackupCopiesOnce(UserDialogs& dialogs, const QString& folder, QSettings& settings);
