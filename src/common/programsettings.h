// The one settings file in which the program keeps the user's choices across runs.
#pragma once

#include <QSettings>

// An INI file in the user's configuration folder, the same on every desktop.
QSettings ProgramSettings();
