// The commands that make pictures with QtGui live in the module tavrel-cli-pictures beside the program,
// which tavrel-cli loads only when one of them runs: every other command, the usage, and render-level
// (drawn on Qt Core, see level/levelraster.h) get by on Qt Core.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

struct PictureCommand {
    const char* name;
    const char* usage;
};

inline constexpr PictureCommand kPictureCommands[] = {
    {"picture", "picture (compact|isolated) BILD [--code DATEI] [--ram DATEI] [--table DATEI.csv] "
                "[--picture AUSGABE.bmp] [--dialect DIALECTS]"},
};

// The module's file name without its suffix, and its one entry: runs the picture command named first
// with the arguments after it and returns the exit code, as tavrel-cli does for its own commands.
inline constexpr char kPictureModule[] = "tavrel-cli-pictures";
inline constexpr char kPictureEntry[] = "tavrelPictureCommand";
using PictureEntry = int (*)(const QStringList& args);

// Loads the module and runs the picture command there with these arguments (after the name); a module
// that cannot be loaded is an error message and exit code 1.
int RunPictureModule(const QString& name, const QStringList& args);

// Registers a picture command of the module under its name and usage.
struct PictureRegistration {
    PictureRegistration(const char* name, std::function<int(const QStringList&)> run);
};
