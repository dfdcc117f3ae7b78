// The program's recovery copy of unsaved work: kept up to date while the editors hold unsaved work,
// offered at the next start after an unclean end.
#pragma once

#include "common/recoverystore.h"
#include "common/recoverywriter.h"

#include <QString>

class UserDialogs;
class WindowSet;

class WorkRecovery {
public:
    // dataFolder is the program's data folder (ProgramDataFolder()); the copies lie below it.
    WorkRecovery(WindowSet& windows, UserDialogs& dialogs, const QString& dataFolder);
    ~WorkRecovery();
    WorkRecovery(const WorkRecovery&) = delete;
    WorkRecovery& operator=(const WorkRecovery&) = delete;

    // At start: copies left by programs that ended without cleaning up are offered with
    // "Wiederherstellen" and "Verwerfen"; restored work is unsaved work again.
    void offerLeftWork();
    // The pattern editor's or the level's work may have changed: its part of the copy follows.
    void patternChanged();
    void levelChanged();
    void converterChanged();
    // The program ends cleanly: this process's copy goes.
    void endCleanly();
    // Writes what is pending now (tests, and after restoring).
    void flush() { mWriter.flush(); }

private:
    // Puts one part back; the message of what failed, or an empty text.
    QString restore(const RecoveryPart& part, const QString& source);

    WindowSet& mWindows;
    UserDialogs& mDialogs;
    RecoveryStore mStore;
    RecoveryWriter mWriter;
};

// The name of a kind of work in the question.
QString RecoveryKindName(const QString& kind);
