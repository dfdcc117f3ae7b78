// The picture module's entry and its registrations: tavrel-cli hands it the picture commands.
#include "cli/command.h"
#include "cli/picturecommands.h"

#include <algorithm>
#include <iterator>

PictureRegistration::PictureRegistration(const char* name, std::function<int(const QStringList&)> run)
{
    const auto* command = std::find_if(std::begin(kPictureCommands), std::end(kPictureCommands),
                                       [name](const PictureCommand& c) { return qstrcmp(c.name, name) == 0; });
    Q_ASSERT(command != std::end(kPictureCommands));
    CliCommands()[QLatin1String(name)] = CliCommand{QLatin1String(command->usage), std::move(run)};
}

extern "C" Q_DECL_EXPORT int tavrelPictureCommand(const QStringList& args)
{
    return RunCommandLine(args);
}
