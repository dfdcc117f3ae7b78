// The question text and the order of the save flows.
#include "app/unsavedwork.h"

QStringList UnsavedNames(const std::vector<UnsavedWork>& work)
{
    QStringList names;
    for (const UnsavedWork& w : work)
        if (w.unsaved())
            names << w.name;
    return names;
}

QString UnsavedWorkQuestion(const QStringList& names)
{
    return QStringLiteral("Ungesicherte Arbeit geht beim Beenden verloren:\n\n- ")
        + names.join(QStringLiteral("\n- ")) + QStringLiteral("\n\nSoll sie gespeichert werden?");
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
