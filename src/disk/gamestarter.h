// Starting a game file for a test: the emulator the user set, else the desktop, else an emulator on PATH.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class DesktopOpener;

// The emulator command kept across runs (empty: "Standard", the desktop and then PATH).
QString StoredEmulatorCommand();
// False when the settings file could not be written.
bool StoreEmulatorCommand(const QString& command);
// What the user is told then.
QString EmulatorSettingNotSavedMessage();
// The command a test starts: the stored one, else the environment variable TAVREL_EMULATOR.
QString EmulatorCommand();

// A command line made ready for one file: the program and its arguments, with the absolute file
// name in place of every "%f" (see WithFileName), or as the last argument when the command has none.
struct EmulatorCall {
    QString program;
    QStringList arguments;
};
// Empty when the command names no program (blank, or only quotes).
std::optional<EmulatorCall> EmulatorCallFor(const QString& command, const QString& absoluteFile);

// The emulator looked for on PATH when neither the user nor the desktop knows one.
QString PathEmulatorName();

class GameStarter {
public:
    // command: the emulator command to use first (see EmulatorCommand); blank for none.
    GameStarter(DesktopOpener& desktop, const QString& command);

    // Starts the file and returns at once. Empty when something was started; else the message to
    // show: failedMessage when nothing could be started, or the command's own error when the
    // user's command could not be started.
    std::optional<QString> start(const QString& file, const QString& failedMessage);

private:
    DesktopOpener& mDesktop;
    QString mCommand;
};
