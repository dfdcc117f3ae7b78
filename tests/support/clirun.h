// Runs the built tavrel-cli (beside the test program) as a child process and collects its exit code and output.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>

struct CliRun {
    int exitCode = -1; // -1: crashed or did not end in time
    QByteArray out;
    QByteArray err;
    qint64 milliseconds = 0;
};

// How the child is started besides its arguments.
struct CliSetup {
    QString stdinFile;                    // read as standard input instead of nothing
    QString stdoutFile;                   // standard output goes here instead of to the test
    QStringList stdinProducer;            // a program whose output is piped into standard input
    QString workingDirectory;             // the test's own when empty
    rlim_t fileSizeLimit = RLIM_INFINITY; // writes past this many bytes fail (SIGXFSZ ignored)
    bool defaultFileSizeSignal = false;   // with the limit, SIGXFSZ as the system leaves it (it ends the process)
};

inline CliRun RunCli(const QStringList& args, const CliSetup& setup = {})
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/tavrel-cli");
    EXPECT_TRUE(QFileInfo::exists(program)) << "build tavrel-cli first";
    QProcess producer;
    QProcess process;
    if (!setup.stdinProducer.isEmpty()) {
        producer.setStandardOutputProcess(&process);
        producer.start(setup.stdinProducer.first(), setup.stdinProducer.mid(1));
    } else if (!setup.stdinFile.isEmpty()) {
        process.setStandardInputFile(setup.stdinFile);
    }
    if (!setup.stdoutFile.isEmpty())
        process.setStandardOutputFile(setup.stdoutFile);
    if (!setup.workingDirectory.isEmpty())
        process.setWorkingDirectory(setup.workingDirectory);
    if (setup.fileSizeLimit != RLIM_INFINITY) {
        const rlim_t limit = setup.fileSizeLimit;
        const bool keepSignal = setup.defaultFileSizeSignal;
        process.setChildProcessModifier([limit, keepSignal] {
            std::signal(SIGXFSZ, keepSignal ? SIG_DFL : SIG_IGN);
            rlimit r{};
            getrlimit(RLIMIT_FSIZE, &r);
            r.rlim_cur = limit;
            setrlimit(RLIMIT_FSIZE, &r);
        });
    }
    QElapsedTimer clock;
    clock.start();
    process.start(program, args);
    const bool finished = process.waitForFinished(30000);
    CliRun run;
    run.milliseconds = clock.elapsed();
    if (!finished)
        process.kill();
    if (producer.state() != QProcess::NotRunning) {
        producer.kill();
        producer.waitForFinished();
    }
    process.waitForFinished();
    run.exitCode = finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}
