// Every window opens whole on a 1024 x 768 screen under a window manager, title bar and menus included,
// and on a 2048 x 1536 screen at twice the scale. The test starts an X server of that size with openbox
// and runs itself again in it for the check.
#include "app/windowset.h"
#include "gui/common/controls.h"
#include "gui/level/levelwindow.h"
#include "gui/pattern/patternwindow.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const char* kStage = "TAVREL_SCREENFIT_STAGE";

QString Rect(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

// Run only in the program the test below starts (disabled elsewhere, so no run counts it as skipped).
TEST(ScreenFitStage, DISABLED_Run)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty(kStage)) << "started by ScreenFit";
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QTemporaryDir user;
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    WindowSet windows(dialogs, opener, ToolFolder(QCoreApplication::applicationDirPath(), user.path()));
    windows.showMain();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windows.patternWindow()));
    windows.levelWindow()->LevelEditorOpen();
    for (QWidget* window : windows.windows())
        if (!window->isVisible())
            ShowWindow(window);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (QWidget* window : windows.windows()) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window)) << window->objectName().toStdString();
        // The window manager frames a window a moment after it is shown.
        for (int i = 0; i < 50 && window->frameGeometry() == window->geometry(); ++i)
            QTest::qWait(20);
    }
    // The window manager's placement and the program's correction of it.
    QTest::qWait(1000);
    for (QWidget* window : windows.windows()) {
        EXPECT_NE(window->frameGeometry(), window->geometry()) << window->objectName().toStdString() << ": no frame";
        // A maximised window is the window manager's to fit.
        if (window->isMaximized())
            continue;
        EXPECT_TRUE(screen.contains(window->frameGeometry()))
            << window->objectName().toStdString() << " at " << Rect(window->frameGeometry()).toStdString()
            << " on a screen of " << Rect(screen).toStdString();
    }
}

TEST(ScreenFit, EveryWindowOpensWholeOnASmallScreenAndAtTwiceTheScale)
{
    for (const QString& program : {QStringLiteral("xvfb-run"), QStringLiteral("openbox")})
        if (QStandardPaths::findExecutable(program).isEmpty())
            GTEST_SKIP() << program.toStdString() << " is not installed";
    struct Case {
        const char* screen;
        const char* scale;
    };
    for (const Case& c : {Case{"1024x768x24", "1"}, Case{"2048x1536x24", "2"}}) {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kStage), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(c.scale));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("einstellungen")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("daten")));
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        // The window manager first, then this program in the same server.
        p.start(QStringLiteral("xvfb-run"),
                {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 %1").arg(QString::fromLatin1(c.screen)),
                 QStringLiteral("sh"), QStringLiteral("-c"),
                 QStringLiteral("openbox >/dev/null 2>&1 & wm=$!; sleep 1; \"$0\" --gtest_also_run_disabled_tests "
                                "--gtest_filter=ScreenFitStage.DISABLED_Run; code=$?; kill $wm; exit $code"),
                 QCoreApplication::applicationFilePath()});
        if (!p.waitForFinished(120000))
            p.kill();
        EXPECT_TRUE(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            << c.screen << " at scale " << c.scale << ":\n" << p.readAll().toStdString();
    }
}
