// The one folder that holds the program's own files for this user.
#pragma once

#include <QString>

// ~/.local/share/Tavrel (below $XDG_DATA_HOME when that is set): the user's own copies of the shipped
// files, the copies an in-place save keeps (BackupFolder) and whatever else the program keeps for the
// user. Named only; nothing is created here.
QString ProgramDataFolder();

// The subfolder sicherung/ of the program's data folder, where an in-place save keeps the old bytes
// of the file it overwrites until the new ones are safe.
QString BackupFolder();
