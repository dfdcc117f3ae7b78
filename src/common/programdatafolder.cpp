// The program's data folder.
#include "common/programdatafolder.h"

#include <QStandardPaths>

QString ProgramDataFolder()
{
    // The generic location (not the application's) so that both programs name the same folder
    // whatever application name they set.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tavrel");
}

QString BackupFolder()
{
    return ProgramDataFolder() + QStringLiteral("/sicherung");
}
