// The program's command line: files in turn, --help and --version before all else, unknown options.
#include "app/commandline.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLineTest, ReadsFilesAndOptions)
{
    struct Case {
        QStringList arguments;
        CommandLine::Action action;
        QStringList files;
    };
    const QString a = QStringLiteral("a.fa8"), b = QStringLiteral("b.la8");
    const Case cases[] = {
        {{}, CommandLine::Run, {}},
        {{a, b, a}, CommandLine::Run, {a, b, a}},
        {{a, QStringLiteral("--help")}, CommandLine::Help, {a}},
        {{QStringLiteral("-h")}, CommandLine::Help, {}},
        {{QStringLiteral("--version")}, CommandLine::Version, {}},
        // Help wins over a wrong option, which may be one of Qt's that the application has not taken yet.
        {{QStringLiteral("-platform"), QStringLiteral("--help")}, CommandLine::Help, {}},
        {{QStringLiteral("--bunt"), a}, CommandLine::Fail, {a}},
        // After "--" everything is a file name; a lone "-" is one too.
        {{QStringLiteral("--"), QStringLiteral("--help"), QStringLiteral("-x.fa8")}, CommandLine::Run,
         {QStringLiteral("--help"), QStringLiteral("-x.fa8")}},
        {{QStringLiteral("-")}, CommandLine::Run, {QStringLiteral("-")}},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(QStringList{QStringLiteral("tavrel")} + c.arguments);
        const std::string call = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(line.action, c.action) << call;
        EXPECT_EQ(line.files, c.files) << call;
    }
    EXPECT_EQ(ParseCommandLine({QStringLiteral("tavrel"), QStringLiteral("--bunt")}).problem,
              QStringLiteral("Unbekannte Option: --bunt"));
}

TEST(CommandLineTest, HelpAndVersionAreGerman)
{
    EXPECT_TRUE(CommandLineHelp().startsWith(QStringLiteral("Aufruf: tavrel")));
    EXPECT_TRUE(CommandLineHelp().contains(QStringLiteral("Level Datei laden")));
    EXPECT_TRUE(CommandLineVersion().startsWith(QStringLiteral("Tavrel 1.")));
}

TEST(CommandLineTest, TheExtensionTellsTheKindInAnyCase)
{
    EXPECT_EQ(KindOfFile(QStringLiteral("/x/Muster.fa8")), FileKind::Font);
    EXPECT_EQ(KindOfFile(QStringLiteral("MUSTER.FA8")), FileKind::Font);
    EXPECT_EQ(KindOfFile(QStringLiteral("wald.La8")), FileKind::Level);
    EXPECT_EQ(KindOfFile(QStringLiteral("fa8")), FileKind::Unknown);
    EXPECT_EQ(KindOfFile(QStringLiteral("bild.bmp")), FileKind::Unknown);
    EXPECT_EQ(UnknownFileKindMessage(QStringLiteral("/x/bild.bmp")),
              QStringLiteral("Die Datei \"bild.bmp\" ist weder eine Font Datei (.fa8) noch eine Level Datei (.la8)."));
}

} // namespace
