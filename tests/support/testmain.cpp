// Test entry point: a QApplication on the offscreen platform, then every GoogleTest case.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Settings in a scratch folder, and no emulator from the caller's environment: the tests never
    // read or change the user's own choices.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    qunsetenv("TAVREL_EMULATOR");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
