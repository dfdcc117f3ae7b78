// The emulator command, kept with QSettings, and the three ways of starting a game file.
#include "disk/gamestarter.h"

#include "common/desktopopener.h"
#include "common/programsettings.h"
#include "disk/emulatorcommand.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kCommandKey = QStringLiteral("emulator/command");

// Starts detached; the system's reason when that failed.
std::optional<QString> StartDetached(const EmulatorCall& call)
{
    QProcess process;
    process.setProgram(call.program);
    process.setArguments(call.arguments);
    // The emulator's own output goes nowhere: it must not hold a pipe that whoever started the tool reads.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (process.startDetached())
        return std::nullopt;
    return process.errorString();
}

} // namespace

QString StoredEmulatorCommand()
{
    return ProgramSettings().value(kCommandKey).toString();
}

bool StoreEmulatorCommand(const QString& command)
{
    QSettings settings = ProgramSettings();
    if (command.trimmed().isEmpty())
        settings.remove(kCommandKey);
    else
        settings.setValue(kCommandKey, command.trimmed());
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString EmulatorSettingNotSavedMessage()
{
    return QStringLiteral("Die Einstellung kann nicht gespeichert werden: Datei \"%1\" ist nicht beschreibbar.")
        .arg(ProgramSettings().fileName());
}

QString EmulatorCommand()
{
    const QString stored = StoredEmulatorCommand();
    if (!stored.trimmed().isEmpty())
        return stored;
    return qEnvironmentVariable("TAVREL_EMULATOR");
}

std::optional<EmulatorCall> EmulatorCallFor(const QString& command, const QString& absoluteFile)
{
    QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty() || words.first().isEmpty())
        return std::nullopt;
    EmulatorCall call{words.takeFirst(), {}};
    bool placed = false;
    for (QString word : words) {
        if (word.contains(QLatin1String("%f"))) {
            word = WithFileName(word, absoluteFile);
            placed = true;
        }
        call.arguments << word;
    }
    if (!placed)
        call.arguments << absoluteFile;
    return call;
}

QString PathEmulatorName()
{
    return QStringLiteral("atari800");
}

GameStarter::GameStarter(DesktopOpener& desktop, const QString& command)
    : mDesktop(desktop), mCommand(command.trimmed())
{
}

std::optional<QString> GameStarter::start(const QString& file, const QString& failedMessage)
{
    const QString absolute = QFileInfo(file).absoluteFilePath();
    if (!mCommand.isEmpty()) {
        // The user chose this emulator: when it cannot start, say so rather than start another.
        const std::optional<EmulatorCall> call = EmulatorCallFor(mCommand, absolute);
        const std::optional<QString> reason =
            call ? StartDetached(*call) : std::optional<QString>(QStringLiteral("Die Befehlszeile nennt kein Programm."));
        if (!reason)
            return std::nullopt;
        return QStringLiteral("Der Emulator \"%1\" kann nicht gestartet werden. %2").arg(mCommand, *reason);
    }
    if (mDesktop.open(absolute))
        return std::nullopt;
    const QString found = QStandardPaths::findExecutable(PathEmulatorName());
    if (!found.isEmpty() && !StartDetached({found, {absolute}}))
        return std::nullopt;
    return failedMessage;
}
