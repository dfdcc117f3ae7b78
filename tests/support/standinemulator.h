// Recording stand-ins for emulators: scripts that write down how they were started, in a folder that
// is the whole PATH while the object lives, so no real emulator is ever found.
#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

class StandinEmulators {
public:
    StandinEmulators() : mOldPath(qgetenv("PATH"))
    {
        EXPECT_TRUE(mDir.isValid());
        qputenv("PATH", QFile::encodeName(mDir.path()));
    }
    ~StandinEmulators() { qputenv("PATH", mOldPath); }
    StandinEmulators(const StandinEmulators&) = delete;
    StandinEmulators& operator=(const StandinEmulators&) = delete;

    QString folder() const { return mDir.path(); }

    // A program `name` on the PATH that records its arguments; returns its full name.
    QString add(const QString& name)
    {
        const QString path = mDir.filePath(name);
        QFile script(path);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        // The record appears whole: written beside it, then moved into place.
        script.write("#!/bin/sh\n"
                     "out='" + QFile::encodeName(recordOf(name)) + "'\n"
                     "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.part\"\n"
                     "/bin/mv \"$out.part\" \"$out\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner | QFile::ExeUser);
        return path;
    }

    // The arguments `name` was started with, one per entry; waits for its record up to 10 s.
    // Empty when it was not started.
    QStringList arguments(const QString& name, int waitMs = 10000) const
    {
        QFile record(recordOf(name));
        const QDeadlineTimer deadline(waitMs);
        while (!record.exists() && !deadline.hasExpired())
            QTest::qWait(10);
        if (!record.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(record.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    // Forgets what was recorded, for the next start.
    void clear(const QString& name) const { QFile::remove(recordOf(name)); }

private:
    QString recordOf(const QString& name) const { return mRecords.filePath(name + QStringLiteral(".args")); }

    QTemporaryDir mDir;
    QTemporaryDir mRecords;
    QByteArray mOldPath;
};
