// The question text and the order of the save flows.
#include "common/unsavedwork.h"

#include "common/userdialogs.h"

QStringList UnsavedNames(const std::vector<UnsavedWork>& work)
{
    QStringList names;
    for (const UnsavedWork& w : work)
        if (w.unsaved())
            names << w.name;
    return names;
}

QString UnsavedWorkQuestion(const QStringList& names, const QString& when)
{
    return QStringLiteral("Ungesicherte Arbeit geht %1 verloren:\n\n- ").arg(when)
        + names.join(QStringLiteral("\n- ")) + QStringLiteral("\n\nSoll sie gespeichert werden?");
}

bool MayReplaceUnsavedWork(UserDialogs& dialogs, const QString& fileName, const std::vector<UnsavedWork>& work)
{
    const QStringList names = UnsavedNames(work);
    if (names.isEmpty())
        return true;
    switch (dialogs.askSave(UnsavedWorkQuestion(names, QStringLiteral("beim Laden von %1").arg(fileName)))) {
    case UserDialogs::SaveAnswer::Save:
        return SaveUnsavedWork(work);
    case UserDialogs::SaveAnswer::Discard:
        return true;
    case UserDialogs::SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool SaveUnsavedWork(const std::vector<UnsavedWork>& work)
{
    for (const UnsavedWork& w : work) {
        if (!w.unsaved())
            continue;
        w.save();
        if (w.unsaved())
            return false;
    }
    return true;
}
