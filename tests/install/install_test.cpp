// The installed program: the build installed into a scratch prefix, its desktop entry, file types and
// metainfo checked with the desktop's own tools, the program started from another folder, and the
// Debian package.
#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kAppId = QStringLiteral("org.tavrel.tavrel");

struct ProcessRun {
    int exitCode = -1;
    bool finished = false;
    QString output; // standard output and standard error
};

ProcessRun RunProgram(const QString& program, const QStringList& arguments, const QString& folder = QString(),
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(), int seconds = 120)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, arguments);
    ProcessRun run;
    run.finished = process.waitForFinished(seconds * 1000);
    if (!run.finished)
        process.kill(), process.waitForFinished();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromLocal8Bit(process.readAll());
    return run;
}

// The keys of a desktop entry's main group.
QMap<QString, QString> DesktopEntryKeys(const QString& fileName)
{
    QMap<QString, QString> keys;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool main = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            main = line == QLatin1String("[Desktop Entry]");
        else if (main && line.contains(QLatin1Char('=')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

std::string Show(const ProcessRun& run)
{
    return QStringLiteral("exit %1%2:\n%3")
        .arg(run.exitCode)
        .arg(run.finished ? QString() : QStringLiteral(" (did not finish)"), run.output)
        .toStdString();
}

// One install for every test of the suite.
class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix = new QTemporaryDir;
        install = new ProcessRun(RunProgram(QStringLiteral(TAVREL_CMAKE),
                                     {QStringLiteral("--install"), QStringLiteral(TAVREL_BUILD_DIR),
                                      QStringLiteral("--prefix"), prefix->path()}));
    }
    static void TearDownTestSuite()
    {
        delete install;
        delete prefix;
    }
    void SetUp() override { ASSERT_EQ(install->exitCode, 0) << Show(*install); }

    static QString path(const QString& relative) { return QDir(prefix->path()).filePath(relative); }

    static QTemporaryDir* prefix;
    static ProcessRun* install;
};

QTemporaryDir* InstallTest::prefix = nullptr;
ProcessRun* InstallTest::install = nullptr;

TEST_F(InstallTest, TheDesktopFindsTheProgramItsIconAndItsDescription)
{
    for (const char* file : {"bin/tavrel", "bin/tavrel-cli", "share/tavrel/Vorarado.fa8", "share/tavrel/oxil.xex",
                             "share/tavrel/oxildisk.atr", "share/doc/tavrel/handbuch.md"})
        EXPECT_TRUE(QFileInfo::exists(path(QString::fromLatin1(file)))) << file;
    for (const char* size : {"16x16", "32x32", "64x64", "128x128", "256x256"})
        EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("share/icons/hicolor/%1/apps/%2.png").arg(QLatin1String(size), kAppId))))
            << size;
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(kAppId))));

    const QString entry = path(QStringLiteral("share/applications/%1.desktop").arg(kAppId));
    const ProcessRun desktop = RunProgram(QStringLiteral("desktop-file-validate"), {entry});
    EXPECT_EQ(desktop.exitCode, 0) << Show(desktop);
    EXPECT_EQ(desktop.output.trimmed(), QString()) << Show(desktop);
    const QMap<QString, QString> keys = DesktopEntryKeys(entry);
    EXPECT_EQ(keys.value(QStringLiteral("Exec")), QStringLiteral("tavrel %F"));
    EXPECT_EQ(keys.value(QStringLiteral("Icon")), kAppId);
    EXPECT_EQ(keys.value(QStringLiteral("MimeType")), QStringLiteral("application/x-tavrel-font;application/x-tavrel-level;"));

    const ProcessRun metainfo = RunProgram(QStringLiteral("appstreamcli"),
                                    {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                     path(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId))});
    EXPECT_EQ(metainfo.exitCode, 0) << Show(metainfo);
}

TEST_F(InstallTest, PatternAndLevelFilesAreKnownByTheirNamesAndPatternFilesByTheirStart)
{
    const ProcessRun update = RunProgram(QStringLiteral("update-mime-database"), {path(QStringLiteral("share/mime"))});
    ASSERT_EQ(update.exitCode, 0) << Show(update);
    // The desktop's file types from the scratch prefix alone, read as every Qt program reads them.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_DIRS", path(QStringLiteral("share")).toLocal8Bit());
    const QMimeDatabase types;
    EXPECT_EQ(types.mimeTypeForFile(QStringLiteral("Muster.fa8"), QMimeDatabase::MatchExtension).name(),
              QStringLiteral("application/x-tavrel-font"));
    EXPECT_EQ(types.mimeTypeForFile(QStringLiteral("WALD.LA8"), QMimeDatabase::MatchExtension).name(),
              QStringLiteral("application/x-tavrel-level"));
    const QMimeType level = types.mimeTypeForName(QStringLiteral("application/x-tavrel-level"));
    EXPECT_TRUE(level.inherits(QStringLiteral("text/plain")));
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(level.comment(), QStringLiteral("Tavrel Level Datei"));
    QLocale::setDefault(before);

    // A pattern file renamed without its extension is still known by its first line.
    QFile file(home.filePath(QStringLiteral("muster")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QFile shipped(path(QStringLiteral("share/tavrel/Vorarado.fa8")));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    file.write(shipped.read(4096));
    file.close();
    EXPECT_EQ(types.mimeTypeForFile(file.fileName(), QMimeDatabase::MatchContent).name(),
              QStringLiteral("application/x-tavrel-font"));
}

TEST_F(InstallTest, TheInstalledProgramStartsFromAnotherFolderWithTheFilesItIsGiven)
{
    QTemporaryDir work;
    const QDir folder(work.path());
    ASSERT_TRUE(QFile::copy(path(QStringLiteral("share/tavrel/Vorarado.fa8")), folder.filePath(QStringLiteral("Eigen.fa8"))));
    const ProcessRun level = RunProgram(path(QStringLiteral("bin/tavrel-cli")),
                                 {QStringLiteral("atr-get"), QStringLiteral("--atr"),
                                  path(QStringLiteral("share/tavrel/oxildisk.atr")), QStringLiteral("--slot"),
                                  QStringLiteral("1"), QStringLiteral("-o"), QStringLiteral("garten.la8")},
                                 work.path());
    ASSERT_EQ(level.exitCode, 0) << Show(level);
    // The picture commands come from the installed module.
    const ProcessRun picture = RunProgram(path(QStringLiteral("bin/tavrel-cli")),
                                   {QStringLiteral("render-level"), QStringLiteral("garten.la8"), QStringLiteral("--font"),
                                    path(QStringLiteral("share/tavrel/Vorarado.fa8")), QStringLiteral("-o"),
                                    QStringLiteral("garten.png")},
                                   work.path());
    EXPECT_EQ(picture.exitCode, 0) << Show(picture);
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("garten.png"))));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), folder.filePath(QStringLiteral("home")));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // Without a display, --help and --version still answer, in German.
    const ProcessRun help = RunProgram(path(QStringLiteral("bin/tavrel")), {QStringLiteral("--help")}, work.path(), environment);
    EXPECT_EQ(help.exitCode, 0) << Show(help);
    EXPECT_TRUE(help.output.startsWith(QStringLiteral("Aufruf: tavrel"))) << Show(help);
    const ProcessRun version = RunProgram(path(QStringLiteral("bin/tavrel")), {QStringLiteral("--version")}, work.path(), environment);
    EXPECT_EQ(version.exitCode, 0) << Show(version);
    EXPECT_TRUE(version.output.startsWith(QStringLiteral("Tavrel "))) << Show(version);

    // The program writes what its windows show into the report and ends. A start-up error would
    // wait in a message box: the run would not finish.
    const QString report = folder.filePath(QStringLiteral("bericht.txt"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TAVREL_WINDOW_REPORT"), report);
    struct Case {
        QStringList arguments;
        QStringList shown;
        bool levelEditor;
    };
    const Case cases[] = {
        {{}, {QStringLiteral("Formmain/Label12: Font: Vorarado.fa8")}, false},
        {{QStringLiteral("Eigen.fa8")}, {QStringLiteral("Formmain/Label12: Font: Eigen.fa8")}, false},
        {{QStringLiteral("garten.la8")},
         {QStringLiteral("Formmain/Label12: Font: Vorarado.fa8"), QStringLiteral("Formmap/Label13: Level: garten.la8"),
          QStringLiteral("Formmap/edittitel: im garten")},
         true},
    };
    for (const Case& c : cases) {
        QFile::remove(report);
        const ProcessRun run = RunProgram(path(QStringLiteral("bin/tavrel")), c.arguments, work.path(), environment, 60);
        const std::string call = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.exitCode, 0) << call << ": " << Show(run);
        QFile file(report);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << call << ": no report. " << Show(run);
        QStringList lines;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
            lines << line.trimmed();
        for (const QString& shown : c.shown)
            EXPECT_TRUE(lines.contains(shown)) << call << ": " << shown.toStdString() << " not in\n"
                                               << lines.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(lines.contains(QStringLiteral("Formmap: Tavrel Level Editor für Oxil's Quest")), c.levelEditor) << call;
    }
}

TEST_F(InstallTest, TheDebianPackageHoldsTheProgramAndNeedsQtWidgets)
{
    QTemporaryDir out;
    const ProcessRun pack = RunProgram(QStringLiteral(TAVREL_CPACK),
                                {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                                 QStringLiteral(TAVREL_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"), out.path()},
                                QStringLiteral(TAVREL_BUILD_DIR), QProcessEnvironment::systemEnvironment(), 280);
    ASSERT_EQ(pack.exitCode, 0) << Show(pack);
    const QStringList packages = QDir(out.path()).entryList({QStringLiteral("*.deb")});
    ASSERT_EQ(packages.size(), 1) << Show(pack);
    const QString deb = QDir(out.path()).filePath(packages.first());

    const ProcessRun contents = RunProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), deb});
    ASSERT_EQ(contents.exitCode, 0) << Show(contents);
    for (const QString& file : {QStringLiteral("./usr/bin/tavrel"), QStringLiteral("./usr/bin/tavrel-cli"),
                                QStringLiteral("./usr/share/applications/%1.desktop").arg(kAppId),
                                QStringLiteral("./usr/share/tavrel/Vorarado.fa8")})
        EXPECT_TRUE(contents.output.contains(QLatin1Char(' ') + file + QLatin1Char('\n'))) << file.toStdString();

    const ProcessRun depends = RunProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), deb, QStringLiteral("Depends")});
    EXPECT_TRUE(depends.output.contains(QStringLiteral("libqt6widgets6"))) << Show(depends);
}

} // namespace
