// Recovery copies: their format against damage, the process check, the folder shared by several
// programs, a kill while writing, and the debounced writer.
#include "common/boundedbytefile.h"
#include "common/bytefile.h"
#include "common/errors.h"
#include "common/recoverystore.h"
#include "common/recoverywriter.h"
#include "support/filesizelimit.h"
#include "support/testutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

RecoveryCopy Sample(const ProcessIdentity& process = {4242, 77})
{
    QByteArray big;
    for (int i = 0; i < 5000; ++i)
        big += char(i * 31);
    return {process,
            {{QStringLiteral("pattern"), QDateTime::fromMSecsSinceEpoch(1765400000123, Qt::UTC), big},
             {QStringLiteral("level"), QDateTime::fromMSecsSinceEpoch(1765400005000, Qt::UTC), QByteArray("Level\r\n")}}};
}

void ExpectSameCopy(const RecoveryCopy& a, const RecoveryCopy& b)
{
    EXPECT_EQ(a.process, b.process);
    ASSERT_EQ(a.parts.size(), b.parts.size());
    for (std::size_t i = 0; i < a.parts.size(); ++i) {
        EXPECT_EQ(a.parts[i].kind, b.parts[i].kind);
        EXPECT_EQ(a.parts[i].changed, b.parts[i].changed);
        EXPECT_EQ(a.parts[i].bytes, b.parts[i].bytes);
    }
}

// A process that has ended, with the identity it had.
ProcessIdentity EndedProcess()
{
    int channel[2];
    EXPECT_EQ(pipe(channel), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        const ProcessIdentity me = CurrentProcess();
        (void)!write(channel[1], &me, sizeof me);
        _exit(0);
    }
    ProcessIdentity child;
    EXPECT_EQ(read(channel[0], &child, sizeof child), ssize_t(sizeof child));
    close(channel[0]);
    close(channel[1]);
    waitpid(pid, nullptr, 0);
    return child;
}

TEST(Recovery, ACopyReadsBackAndAnyDamageIsRefused)
{
    const RecoveryCopy copy = Sample();
    const QByteArray bytes = SerialiseRecoveryCopy(copy);
    const std::optional<RecoveryCopy> back = ParseRecoveryCopy(bytes);
    ASSERT_TRUE(back);
    ExpectSameCopy(*back, copy);
    // Cut at every length, one byte changed anywhere, or something else entirely: refused, no crash.
    for (qsizetype n = 0; n < bytes.size(); ++n)
        ASSERT_FALSE(ParseRecoveryCopy(bytes.left(n))) << n;
    for (qsizetype i = 0; i < bytes.size(); i += 7) {
        QByteArray damaged = bytes;
        damaged[i] = char(damaged[i] ^ 0x20);
        ASSERT_FALSE(ParseRecoveryCopy(damaged)) << i;
    }
    EXPECT_FALSE(ParseRecoveryCopy(bytes + "x"));
    EXPECT_FALSE(ParseRecoveryCopy(QByteArray(100000, '\xFF')));
    EXPECT_FALSE(ParseRecoveryCopy("hello world\n"));
}

TEST(Recovery, AProcessRunsOnlyWithTheStartItHad)
{
    const ProcessIdentity me = CurrentProcess();
    EXPECT_EQ(me.pid, qint64(getpid()));
    EXPECT_GT(me.started, 0u) << "the start time is read from /proc";
    EXPECT_TRUE(ProcessRuns(me));
    EXPECT_FALSE(ProcessRuns({me.pid, me.started + 1})) << "an id taken over by a later process";
    EXPECT_FALSE(ProcessRuns(EndedProcess()));
    EXPECT_FALSE(ProcessRuns({0, 0}));
    EXPECT_FALSE(ProcessRuns({-1, 0}));
    EXPECT_TRUE(ProcessRuns({1, 0})) << "another user's process runs too";
}

TEST(Recovery, CopiesOfRunningProgramsAreNeverTaken)
{
    QTemporaryDir dir;
    const ProcessIdentity me = CurrentProcess();
    // Two programs at once: this process and a second one that runs (pid 1 at its real start).
    const ProcessIdentity other{1, ProcessStartTime(1).value_or(0)};
    RecoveryStore mine(dir.path(), me);
    RecoveryStore theirs(dir.path(), other);
    mine.write(Sample(me));
    theirs.write(Sample(other));
    EXPECT_TRUE(mine.takeLeftCopies().empty());
    EXPECT_TRUE(theirs.takeLeftCopies().empty());
    EXPECT_TRUE(QFile::exists(mine.ownFile()));
    EXPECT_TRUE(QFile::exists(theirs.ownFile()));

    // A copy of a program that ended is taken once, by the first that looks.
    const ProcessIdentity ended = EndedProcess();
    RecoveryStore(dir.path(), ended).write(Sample(ended));
    std::vector<LeftCopy> left = mine.takeLeftCopies();
    ASSERT_EQ(left.size(), 1u);
    ASSERT_TRUE(left[0].copy);
    ExpectSameCopy(*left[0].copy, Sample(ended));
    EXPECT_TRUE(theirs.takeLeftCopies().empty()) << "the copy taken belongs to a running program now";
    EXPECT_TRUE(mine.takeLeftCopies().empty());
    // Taken but not yet answered when this program ends: the next start finds it again.
    RecoveryStore next(dir.path(), EndedProcess());
    EXPECT_EQ(next.takeLeftCopies().size(), 0u) << "this process still runs";
    mine.removeTakenCopies();
    EXPECT_FALSE(QFile::exists(left[0].fileName));
    EXPECT_TRUE(QFile::exists(mine.ownFile()));
    mine.removeOwn();
    EXPECT_FALSE(QFile::exists(mine.ownFile()));
}

TEST(Recovery, DamagedAndStrangeFilesAreToldNotRestored)
{
    QTemporaryDir dir;
    RecoveryStore store(dir.path(), CurrentProcess());
    QDir().mkpath(store.folder());
    const ProcessIdentity ended = EndedProcess();
    const QByteArray whole = SerialiseRecoveryCopy(Sample(ended));
    const QString prefix = store.folder() + QStringLiteral("/%1-%2").arg(ended.pid).arg(ended.started);
    WriteByteFile(prefix + QStringLiteral(".kopie"), whole.left(whole.size() / 2));
    WriteByteFile(prefix + QStringLiteral("-1.kopie"), QByteArray());
    WriteByteFile(prefix + QStringLiteral("-2.kopie"), whole);
    WriteByteFile(store.folder() + QStringLiteral("/notizen.txt"), "bleibt");
    WriteByteFile(store.folder() + QStringLiteral("/x-1.kopie"), "bleibt");
    QDir().mkpath(prefix + QStringLiteral("-3.kopie")); // a folder of that name
    const std::vector<LeftCopy> left = store.takeLeftCopies();
    ASSERT_EQ(left.size(), 3u);
    EXPECT_EQ(std::count_if(left.begin(), left.end(), [](const LeftCopy& c) { return !c.copy; }), 2);
    const QString question = RecoveryQuestion(left, [](const QString& kind) { return kind.toUpper(); });
    EXPECT_TRUE(question.contains(QStringLiteral("- PATTERN, zuletzt geändert am "))) << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("- LEVEL, zuletzt geändert am ")));
    EXPECT_TRUE(question.contains(QStringLiteral("2 Wiederherstellungskopie(n) sind beschädigt")));
    store.removeTakenCopies();
    EXPECT_EQ(QDir(store.folder()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).size(), 3);
}

TEST(Recovery, ACopyIsWholeWhereverAKillStopsItsWriting)
{
    QTemporaryDir dir;
    const ProcessIdentity me = CurrentProcess();
    RecoveryStore store(dir.path(), me);
    // Copies of growing size, so that a kill meets every stage of a write.
    std::vector<QByteArray> written;
    for (int i = 0; i < 4; ++i) {
        RecoveryCopy copy = Sample(me);
        copy.parts[0].bytes = QByteArray(200000 * (i + 1), char('a' + i));
        written.push_back(SerialiseRecoveryCopy(copy));
    }
    QDir().mkpath(store.folder());
    for (int round = 0; round < 12; ++round) {
        const pid_t pid = fork();
        if (pid == 0) {
            try {
                for (int i = 0;; ++i)
                    WriteByteFile(store.ownFile(), written[i % written.size()]);
            } catch (...) {
            }
            _exit(1);
        }
        usleep(2000 + 3000 * round);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        if (!QFile::exists(store.ownFile()))
            continue;
        const QByteArray bytes = ReadByteFile(store.ownFile());
        EXPECT_TRUE(std::find(written.begin(), written.end(), bytes) != written.end()) << "round " << round;
        EXPECT_TRUE(ParseRecoveryCopy(bytes)) << "round " << round;
    }
    // What a kill left half written beside the copy is cleared by the next program that looks.
    const ProcessIdentity ended = EndedProcess();
    const QString half = RecoveryStore(dir.path(), ended).ownFile() + QStringLiteral(".aB3dE9");
    WriteByteFile(half, "halb");
    RecoveryStore next(dir.path(), CurrentProcess());
    EXPECT_TRUE(next.takeLeftCopies().empty());
    EXPECT_FALSE(QFile::exists(half));
}

TEST(Recovery, TheWriterKeepsTheCopyWhileWorkIsUnsaved)
{
    QTemporaryDir dir;
    RecoveryStore store(dir.path(), CurrentProcess());
    QStringList reports;
    RecoveryWriter writer(store, [&](const QString& text) { reports << text; });
    int made = 0;
    const auto snapshot = [&made](const char* text) {
        return RecoveryWriter::Snapshot([&made, text] {
            ++made;
            return QByteArray(text);
        });
    };
    writer.changed(QStringLiteral("pattern"), snapshot("eins"));
    EXPECT_EQ(made, 0) << "a change only takes the snapshot";
    EXPECT_FALSE(QFile::exists(store.ownFile())) << "written after a quiet moment";
    writer.changed(QStringLiteral("level"), snapshot("zwei"));
    writer.changed(QStringLiteral("pattern"), snapshot("drei"));
    // Written on its own within the time allowed.
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(store.ownFile()) && waited.elapsed() < RecoveryWriter::kLatestMs + 1000)
        QTest::qWait(20);
    EXPECT_TRUE(QFile::exists(store.ownFile()));
    writer.flush();
    std::optional<RecoveryCopy> copy = ParseRecoveryCopy(ReadByteFile(store.ownFile()));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->process, store.self());
    ASSERT_EQ(copy->parts.size(), 2u);
    EXPECT_EQ(copy->parts[0].kind, QStringLiteral("level"));
    EXPECT_EQ(copy->parts[0].bytes, QByteArray("zwei"));
    EXPECT_EQ(copy->parts[1].bytes, QByteArray("drei"));
    EXPECT_EQ(made, 2) << "the snapshot replaced before the write is never made";
    EXPECT_LE(qAbs(copy->parts[1].changed.secsTo(QDateTime::currentDateTimeUtc())), 60);

    // Saved: the part goes; nothing left unsaved: the copy goes.
    writer.changed(QStringLiteral("pattern"), std::nullopt);
    writer.flush();
    copy = ParseRecoveryCopy(ReadByteFile(store.ownFile()));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->parts.size(), 1u);
    writer.changed(QStringLiteral("level"), std::nullopt);
    writer.flush();
    EXPECT_FALSE(QFile::exists(store.ownFile()));

    // A clean end removes the copy and writes none after it.
    writer.changed(QStringLiteral("level"), snapshot("vier"));
    writer.flush();
    EXPECT_TRUE(QFile::exists(store.ownFile()));
    writer.endCleanly();
    EXPECT_FALSE(QFile::exists(store.ownFile()));
    writer.changed(QStringLiteral("level"), snapshot("fünf"));
    writer.flush();
    EXPECT_FALSE(QFile::exists(store.ownFile()));
    EXPECT_TRUE(reports.isEmpty());
}

TEST(Recovery, AWorkTakenLaterIsTakenOncePerWriteOnTheWritersThread)
{
    QTemporaryDir dir;
    RecoveryStore store(dir.path(), CurrentProcess());
    RecoveryWriter writer(store, [](const QString&) {});
    int taken = 0;
    QByteArray picture("bild 1");
    const auto take = [&] {
        ++taken;
        EXPECT_EQ(QThread::currentThread(), writer.thread());
        return RecoveryWriter::Snapshot([bytes = picture] { return bytes; });
    };
    // A thousand painted pixels, one snapshot: the one of the moment of the write.
    for (int i = 0; i < 1000; ++i)
        writer.changedLater(QStringLiteral("converter"), take);
    EXPECT_EQ(taken, 0);
    picture = "bild 2";
    writer.flush();
    EXPECT_EQ(taken, 1);
    std::optional<RecoveryCopy> copy = ParseRecoveryCopy(ReadByteFile(store.ownFile()));
    ASSERT_TRUE(copy);
    ASSERT_EQ(copy->parts.size(), 1u);
    EXPECT_EQ(copy->parts[0].bytes, QByteArray("bild 2"));
    // Saved: it goes like any other kind.
    writer.changed(QStringLiteral("converter"), std::nullopt);
    writer.flush();
    EXPECT_FALSE(QFile::exists(store.ownFile()));
    writer.endCleanly();
}

TEST(Recovery, ACopyTooLargeToBeReadBackIsNotWritten)
{
    QTemporaryDir dir;
    RecoveryStore store(dir.path(), CurrentProcess());
    store.write({store.self(), {{QStringLiteral("level"), QDateTime::currentDateTimeUtc(), QByteArray("alt")}}});
    RecoveryCopy huge{store.self(), {{QStringLiteral("converter"), QDateTime::currentDateTimeUtc(), QByteArray(kMaxByteFileSize, 'x')}}};
    try {
        store.write(huge);
        ADD_FAILURE() << "written";
    } catch (const TavrelError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("größer als die 16 MB"))) << error.message().toStdString();
    }
    std::optional<RecoveryCopy> copy = ParseRecoveryCopy(ReadByteFile(store.ownFile()));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->parts[0].bytes, QByteArray("alt"));
}

// Links, a full disk and a folder that cannot be made: a saved file a link points at keeps its bytes,
// the program is told once in German, and an older copy stays whole.
TEST(Recovery, LinksAndAFullDiskTouchNothingSavedAndAreTold)
{
    QTemporaryDir dir;
    const QString saved = WriteTestFile(dir, QStringLiteral("gespeichert.la8"), "gespeichert");
    const auto writeThrough = [](RecoveryStore& store, QStringList& reports) {
        RecoveryWriter writer(store, [&](const QString& text) { reports << text; });
        writer.changed(QStringLiteral("level"), [] { return QByteArray(5000, 'n'); });
        writer.flush();
        QCoreApplication::processEvents();
    };

    // The folder is a link to another folder: the copies go there, as into the folder itself.
    {
        const QString elsewhere = dir.filePath(QStringLiteral("anderswo"));
        QDir().mkpath(elsewhere);
        QDir().mkpath(dir.filePath(QStringLiteral("a")));
        ASSERT_TRUE(QFile::link(elsewhere, dir.filePath(QStringLiteral("a/wiederherstellung"))));
        RecoveryStore store(dir.filePath(QStringLiteral("a")), CurrentProcess());
        QStringList reports;
        writeThrough(store, reports);
        EXPECT_TRUE(reports.isEmpty());
        EXPECT_EQ(QDir(elsewhere).entryList(QDir::Files).size(), 1);
        store.removeOwn();
    }
    // This process's copy is a link to a saved file: the link is replaced, the file keeps its bytes.
    {
        RecoveryStore store(dir.filePath(QStringLiteral("b")), CurrentProcess());
        QDir().mkpath(store.folder());
        ASSERT_TRUE(QFile::link(saved, store.ownFile()));
        QStringList reports;
        writeThrough(store, reports);
        EXPECT_EQ(ReadTestFile(saved), QByteArray("gespeichert"));
        EXPECT_FALSE(QFileInfo(store.ownFile()).isSymLink());
        store.removeOwn();
        EXPECT_TRUE(QFile::exists(saved));
    }
    // A copy left by an ended program is a link to a saved file: told as damaged, the link goes, the
    // file stays as it was.
    {
        RecoveryStore store(dir.filePath(QStringLiteral("c")), CurrentProcess());
        QDir().mkpath(store.folder());
        ASSERT_TRUE(QFile::link(saved, RecoveryStore(store.folder().section(QLatin1Char('/'), 0, -2), EndedProcess()).ownFile()));
        std::vector<LeftCopy> left = store.takeLeftCopies();
        ASSERT_EQ(left.size(), 1u);
        EXPECT_FALSE(left[0].copy);
        store.removeTakenCopies();
        EXPECT_EQ(ReadTestFile(saved), QByteArray("gespeichert"));
        EXPECT_TRUE(QDir(store.folder()).entryList(QDir::Files | QDir::System).isEmpty());
    }
    // The folder is a link that leads nowhere: told once, nothing made.
    {
        QDir().mkpath(dir.filePath(QStringLiteral("d")));
        ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("gibtsnicht/tief")), dir.filePath(QStringLiteral("d/wiederherstellung"))));
        RecoveryStore store(dir.filePath(QStringLiteral("d")), CurrentProcess());
        QStringList reports;
        writeThrough(store, reports);
        writeThrough(store, reports);
        EXPECT_EQ(reports.size(), 2) << "once per program; each writer here is a program";
        EXPECT_TRUE(reports.value(0).startsWith(QStringLiteral("Die Wiederherstellungskopie kann nicht geschrieben werden: ")));
    }
    // The disk is full half way through a copy: told once, the older copy stays whole.
    {
        RecoveryStore store(dir.filePath(QStringLiteral("e")), CurrentProcess());
        const RecoveryCopy older{store.self(), {{QStringLiteral("level"), QDateTime::currentDateTimeUtc(), QByteArray("alt")}}};
        store.write(older);
        QStringList reports;
        {
            FileSizeLimit full(1000);
            ASSERT_TRUE(full.active());
            RecoveryWriter writer(store, [&](const QString& text) { reports << text; });
            for (int i = 0; i < 3; ++i) {
                writer.changed(QStringLiteral("level"), [] { return QByteArray(5000, 'n'); });
                writer.flush();
                QCoreApplication::processEvents();
            }
        }
        ASSERT_EQ(reports.size(), 1);
        EXPECT_TRUE(reports[0].contains(QStringLiteral("Gespeicherte Dateien sind davon nicht berührt.")));
        const std::optional<RecoveryCopy> copy = ParseRecoveryCopy(ReadByteFile(store.ownFile()));
        ASSERT_TRUE(copy);
        EXPECT_EQ(copy->parts[0].bytes, QByteArray("alt"));
        EXPECT_EQ(QDir(store.folder()).entryList(QDir::Files).size(), 1) << "no half-made file stays";
    }
}

TEST(Recovery, AFolderThatTakesNoCopyIsToldOnceAndTouchesNothing)
{
    QTemporaryDir dir;
    // The data folder is a file.
    const QString dataFile = WriteTestFile(dir, QStringLiteral("Tavrel"), "gespeichert");
    RecoveryStore store(dataFile, CurrentProcess());
    QStringList reports;
    RecoveryWriter writer(store, [&](const QString& text) { reports << text; });
    for (int i = 0; i < 3; ++i) {
        writer.changed(QStringLiteral("level"), [] { return QByteArray("x"); });
        writer.flush();
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].startsWith(QStringLiteral("Die Wiederherstellungskopie kann nicht geschrieben werden: Datei \"")))
        << reports[0].toStdString();
    EXPECT_EQ(ReadTestFile(dataFile), QByteArray("gespeichert"));
    EXPECT_TRUE(store.takeLeftCopies().empty());
    writer.endCleanly();
}

} // namespace
