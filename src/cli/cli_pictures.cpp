// tavrel-cli's side of the picture commands: loading the picture module and running a command there.
#include "cli/command.h"
#include "cli/picturecommands.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

int RunPictureModule(const QString& name, const QStringList& args)
{
    // Beside the program in the build folder; under lib/tavrel of an installed program.
    const QString folder = QCoreApplication::applicationDirPath();
    const QString besides = folder + QLatin1Char('/') + QLatin1String(kPictureModule);
    const QString installed = folder + QStringLiteral("/../lib/tavrel/") + QLatin1String(kPictureModule);
    QLibrary module(QFileInfo::exists(besides + QStringLiteral(".so")) || !QFileInfo::exists(installed + QStringLiteral(".so"))
                        ? besides
                        : installed);
    const auto run = reinterpret_cast<PictureEntry>(module.resolve(kPictureEntry));
    if (!run) {
        PrintError(QStringLiteral("Das Bildmodul %1 kann nicht geladen werden. %2")
                       .arg(QLatin1String(kPictureModule), module.errorString()));
        return 1;
    }
    return run(QStringList{name} + args);
}

namespace {

// One forwarder per picture command, with the usage the module's command has.
const bool registered = [] {
    for (const PictureCommand& command : kPictureCommands) {
        const QString name = QLatin1String(command.name);
        CliCommands()[name] = CliCommand{QLatin1String(command.usage),
                                         [name](const QStringList& args) { return RunPictureModule(name, args); }};
    }
    return true;
}();

} // namespace
