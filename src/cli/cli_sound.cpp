// tavrel-cli sound: one 4-bit conversion of a freshly loaded sample file.
#include "cli/command.h"

#include "sound/soundconverter.h"

#include <map>

namespace {

int RunSound(const QStringList& args)
{
    const CliArguments a(args, {QStringLiteral("-o")});
    const QStringList& arguments = a.positionals(2, QStringLiteral("eine Umwandlung und eine Sounddatei erwartet"));
    const QString mode = arguments[0];
    using Conversion = QStringList (SoundConverter::*)();
    const std::map<QString, Conversion> conversions = {
        {QStringLiteral("lownibble"), &SoundConverter::LowNibble},
        {QStringLiteral("packed"), &SoundConverter::Packed},
        {QStringLiteral("shuffled4"), &SoundConverter::Shuffled4},
        {QStringLiteral("shuffled8"), &SoundConverter::Shuffled8},
        {QStringLiteral("modul"), &SoundConverter::Modul},
    };
    const auto conversion = conversions.find(mode);
    if (conversion == conversions.end())
        throw UsageError{QStringLiteral("unbekannte Umwandlung %1").arg(mode)};
    SoundConverter converter;
    converter.Soundladen(arguments[1]);
    (converter.*(conversion->second))();
    WriteOutput(a.value(QStringLiteral("-o")), converter.output());
    return 0;
}

const CliRegistration reg(QStringLiteral("sound"),
                          CliCommand{QStringLiteral("sound (lownibble|packed|shuffled4|shuffled8|modul) EINGABE [-o AUSGABE]"),
                                     RunSound});

} // namespace
