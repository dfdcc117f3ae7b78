// Runs the built tavrel-cli next to the test program and collects its exit code and output.
#pragma once

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline CliRun RunCli(const QStringList& args)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/tavrel-cli");
    EXPECT_TRUE(QFileInfo::exists(program)) << "build tavrel-cli first";
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return CliRun{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
                  process.readAllStandardError()};
}
