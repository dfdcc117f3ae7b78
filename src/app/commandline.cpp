// Reading the program's command line.
#include "app/commandline.h"

#include <QFileInfo>

CommandLine ParseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    bool filesOnly = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (filesOnly || a == QLatin1String("-") || !a.startsWith(QLatin1Char('-'))) {
            line.files << a;
        } else if (a == QLatin1String("--")) {
            filesOnly = true;
        } else if (a == QLatin1String("-h") || a == QLatin1String("--help") || a == QLatin1String("-?")) {
            line.action = CommandLine::Help;
            return line;
        } else if (a == QLatin1String("-v") || a == QLatin1String("--version")) {
            line.action = CommandLine::Version;
        } else if (line.action == CommandLine::Run) {
            line.action = CommandLine::Fail;
            line.problem = QStringLiteral("Unbekannte Option: %1").arg(a);
        }
    }
    return line;
}

QString CommandLineHelp()
{
    return QStringLiteral(
        "Aufruf: tavrel [OPTION] [DATEI …]\n"
        "\n"
        "Tavrel macht Grafik, Level und Sounddaten für das Atari-8-Bit-Spiel Oxil's Quest.\n"
        "\n"
        "Die genannten Dateien werden der Reihe nach geöffnet:\n"
        "  DATEI.fa8      eine Font Datei, geladen wie mit \"Font Datei laden\"\n"
        "  DATEI.la8      eine Level Datei: der Level Editor öffnet sich und lädt sie\n"
        "                 wie mit \"Level Datei laden\"\n"
        "\n"
        "Optionen:\n"
        "  -h, --help     diese Hilfe zeigen\n"
        "  -v, --version  die Version zeigen\n"
        "  --             alles Weitere sind Dateinamen, auch wenn sie mit - beginnen\n"
        "\n"
        "Dazu gelten die Optionen von Qt, etwa -platform offscreen.\n");
}

QString CommandLineVersion()
{
    return QStringLiteral("Tavrel %1\n").arg(ProgramVersion());
}

QString ProgramVersion()
{
    return QStringLiteral(TAVREL_VERSION);
}

FileKind KindOfFile(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("fa8"))
        return FileKind::Font;
    if (suffix == QLatin1String("la8"))
        return FileKind::Level;
    return FileKind::Unknown;
}

QString UnknownFileKindMessage(const QString& fileName)
{
    return QStringLiteral("Die Datei \"%1\" ist weder eine Font Datei (.fa8) noch eine Level Datei (.la8).")
        .arg(QFileInfo(fileName).fileName());
}
