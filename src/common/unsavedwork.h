// The kinds of unsaved work the program asks about before it ends, and saving them in turn.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class UserDialogs;

struct UnsavedWork {
    QString name;                  // as the question names it
    std::function<bool()> unsaved; // whether it is unsaved now
    std::function<void()> save;    // the save flow, with its dialogs
};

// The names of what is unsaved now, in order.
QStringList UnsavedNames(const std::vector<UnsavedWork>& work);
// The question naming them; `when` says when they would be lost ("beim Beenden").
QString UnsavedWorkQuestion(const QStringList& names, const QString& when = QStringLiteral("beim Beenden"));
// Runs the save flow of each kind that is unsaved when its turn comes (storing painted changes
// makes the file they go into unsaved, so it comes after them). Stops at the first that leaves its
// work unsaved, its dialog cancelled or its save failed, and returns false then.
bool SaveUnsavedWork(const std::vector<UnsavedWork>& work);
// Before the file replaces work of these kinds: nothing unsaved, or the question answered with
// "Speichern" (and everything saved) or "Verwerfen", gives true; "Abbrechen" false.
bool MayReplaceUnsavedWork(UserDialogs& dialogs, const QString& fileName, const std::vector<UnsavedWork>& work);
