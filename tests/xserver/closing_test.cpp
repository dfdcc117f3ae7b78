// The real program, started as a user starts it, under a window manager: with unsaved work, the close
// box asks; "Abbrechen" keeps the program running and "Verwerfen" ends it with exit code 0 and no
// recovery copy left behind, also while another window (the level editor) is open.
#include "common/recoverystore.h"
#include "level/leveldocument.h"
#include "level/levelfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Runs xdotool with the arguments; its output.
QString Xdotool(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), arguments);
    EXPECT_TRUE(p.waitForStarted()) << "xdotool is missing (scripts/setup.sh installs it)";
    if (!p.waitForFinished(20000))
        p.kill();
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

TEST(ClosingTheRealProgram, VerwerfenEndsItWithExitCode0)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
        << "run this group in an X server: xvfb-run -a with QT_QPA_PLATFORM=xcb";
    QTemporaryDir home;
    const QString data = home.filePath(QStringLiteral("daten"));
    const QString copies = data + QStringLiteral("/Tavrel/wiederherstellung");

    // Unsaved work the program starts with: a level left in a recovery copy by a program that ended.
    QProcess ended;
    ended.start(QStringLiteral("true"));
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    ended.waitForFinished();
    LevelDocument level;
    level.InitEmptyLevel(1);
    level.writeCell(20, 3, 5);
    RecoveryStore left(data + QStringLiteral("/Tavrel"), ProcessIdentity{endedPid, 0});
    left.write({left.self(), {{kLevelRecoveryKind, QDateTime::currentDateTimeUtc(),
                               LevelRecoverySnapshot(level, QStringLiteral("Level: welt.la8"))()}}});

    QProcess manager;
    manager.start(QStringLiteral("openbox"), {});
    ASSERT_TRUE(manager.waitForStarted()) << "openbox is missing (scripts/setup.sh installs it)";
    QTest::qWait(500);

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), data);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("einstellungen")));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(home.path());
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tavrel"), {});
    ASSERT_TRUE(program.waitForStarted());
    const QString pid = QString::number(program.processId());
    const auto mainWindow = [&pid] {
        return Xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--pid"), pid, QStringLiteral("--name"), QStringLiteral("Oxils Quest Tavrel")})
            .section(QLatin1Char('\n'), 0, 0);
    };
    // Keys as the keyboard sends them, so that the window manager sees Alt+F4; they go to the window
    // that has the focus (a question box while one is open).
    const auto press = [](const QString& keys) {
        Xdotool({QStringLiteral("key"), keys});
        QTest::qWait(700);
    };
    const auto active = [] { return Xdotool({QStringLiteral("getactivewindow"), QStringLiteral("getwindowname")}); };
    // Alt+F4 on the main window until the question box (titled "Tavrel") has the focus: right after a
    // box closed, the window manager may still be busy with the focus and miss the key.
    const auto closeMainWindow = [&] {
        for (int tries = 0; tries < 5 && active() != QStringLiteral("Tavrel"); ++tries) {
            Xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), mainWindow()});
            QTest::qWait(300);
            press(QStringLiteral("alt+F4"));
        }
        ASSERT_EQ(active(), QStringLiteral("Tavrel")) << "the close question did not come";
    };
    // The recovery question: "Wiederherstellen" is its default button.
    mainWindow();
    QTest::qWait(1000);
    press(QStringLiteral("Return"));
    // The close box asks; "Abbrechen" (Escape) keeps the program.
    closeMainWindow();
    press(QStringLiteral("Escape"));
    QTest::qWait(1000);
    EXPECT_EQ(program.state(), QProcess::Running) << program.readAll().toStdString();
    // Asked again: Alt+V is "Verwerfen".
    closeMainWindow();
    press(QStringLiteral("alt+v"));
    // It may have ended while the keys were sent already.
    const bool finished = program.state() == QProcess::NotRunning || program.waitForFinished(15000);
    if (!finished)
        program.kill();
    EXPECT_TRUE(finished) << "the program did not end:\n" << program.readAll().toStdString();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAll().toStdString();
    EXPECT_TRUE(QDir(copies).entryList({QStringLiteral("*.kopie")}, QDir::Files).isEmpty())
        << "a clean end leaves no recovery copy";
    manager.terminate();
    manager.waitForFinished();
}

} // namespace
