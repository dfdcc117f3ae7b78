// The program's settings file.
#include "common/programsettings.h"

QSettings ProgramSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tavrel"), QStringLiteral("Tavrel"));
}
