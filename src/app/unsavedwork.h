// The kinds of unsaved work the program asks about before it ends, and saving them in turn.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct UnsavedWork {
    QString name;                  // as the question names it
    std::function<bool()> unsaved; // whether it is unsaved now
    std::function<void()> save;    // the save flow, with its dialogs
};

// The names of what is unsaved now, in order.
QStringList UnsavedNames(const std::vector<UnsavedWork>& work);
// The question naming them.
QString UnsavedWorkQuestion(const QStringList& names);
// Runs the save flow of each kind that is unsaved when its turn comes (storing painted changes
// makes the file they go into unsaved, so it comes after them). Stops at the first that leaves its
// work unsaved, its dialog cancelled or its save failed, and returns false then.
bool SaveUnsavedWork(const std::vector<UnsavedWork>& work);
