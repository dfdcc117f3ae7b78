// The list of recent files: newest first, each file once, at most eight, kept in the settings, missing
// files marked and removable; and where the guide is found.
#include "common/programsettings.h"
#include "common/recentfiles.h"
#include "common/userguide.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RecentFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ProgramSettings().remove(QStringLiteral("test/zuletzt")); }
    void TearDown() override { ProgramSettings().remove(QStringLiteral("test/zuletzt")); }
    QString file(const QString& name)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return path;
    }
    static QStringList paths(const RecentFiles& list)
    {
        QStringList p;
        for (const auto& e : list.entries())
            p << QFileInfo(e.path).fileName();
        return p;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(RecentFilesTest, NewestFirstEachOnceAtMostEight)
{
    RecentFiles list(QStringLiteral("test/zuletzt"));
    for (int i = 1; i <= 10; ++i)
        list.add(file(QStringLiteral("%1.fa8").arg(i)));
    EXPECT_EQ(paths(list), QStringList({"10.fa8", "9.fa8", "8.fa8", "7.fa8", "6.fa8", "5.fa8", "4.fa8", "3.fa8"}));
    // Opened again, by another spelling of its path: moves to the top, once.
    list.add(dir.path() + QStringLiteral("/./5.fa8"));
    EXPECT_EQ(paths(list), QStringList({"5.fa8", "10.fa8", "9.fa8", "8.fa8", "7.fa8", "6.fa8", "4.fa8", "3.fa8"}));
    // A new run reads the same list.
    EXPECT_EQ(paths(RecentFiles(QStringLiteral("test/zuletzt"))), paths(list));
    // An empty name is no file.
    list.add(QString());
    EXPECT_EQ(list.entries().size(), 8u);
}

TEST_F(RecentFilesTest, MissingFilesAreMarkedAndRemovable)
{
    RecentFiles list(QStringLiteral("test/zuletzt"));
    const QString kept = file(QStringLiteral("da.la8"));
    const QString gone = file(QStringLiteral("weg.la8"));
    const QString alsoGone = file(QStringLiteral("auch weg.la8"));
    for (const QString& f : {kept, gone, alsoGone})
        list.add(f);
    QFile::remove(gone);
    QFile::remove(alsoGone);
    QDir().mkdir(alsoGone); // a folder where the file was is no file either
    const auto entries = list.entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(std::vector<bool>({entries[0].missing, entries[1].missing, entries[2].missing}),
              std::vector<bool>({true, true, false}));
    EXPECT_TRUE(RecentFiles::menuText(1, entries[1]).endsWith(QStringLiteral("– fehlt")));
    EXPECT_EQ(list.removeMissing(), 2);
    EXPECT_EQ(paths(list), QStringList({"da.la8"}));
    list.remove(kept);
    EXPECT_TRUE(list.entries().empty());
}

TEST_F(RecentFilesTest, MenuTextsNumberTheEntriesAndKeepAmpersands)
{
    const RecentFiles::Entry entry{QStringLiteral("/home/anna/Level & Co/A&B.la8"), false};
    EXPECT_EQ(RecentFiles::menuText(0, entry), QStringLiteral("&1  A&&B.la8  (/home/anna/Level && Co)"));
    EXPECT_EQ(RecentFiles::menuText(7, entry).left(4), QStringLiteral("&8  "));
}

TEST_F(RecentFilesTest, AHandEditedListIsReadSafely)
{
    QStringList odd;
    for (int i = 0; i < 20; ++i)
        odd << QString() << QStringLiteral("/x/%1.fa8").arg(i % 3);
    ProgramSettings().setValue(QStringLiteral("test/zuletzt"), odd);
    EXPECT_EQ(paths(RecentFiles(QStringLiteral("test/zuletzt"))), QStringList({"0.fa8", "1.fa8", "2.fa8"}));
}

// The guide the help shows: beside the program in a build folder, in the doc folder once installed.
TEST(UserGuide, FoundInTheBuildFolderAndInTheInstall)
{
    QTemporaryDir root;
    const QDir r(root.path());
    const auto put = [&](const QString& relative) {
        r.mkpath(QFileInfo(r.filePath(relative)).path());
        QFile f(r.filePath(relative));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return QDir::cleanPath(r.filePath(relative));
    };
    EXPECT_TRUE(UserGuideFile(r.filePath(QStringLiteral("bin"))).isEmpty());
    const QString installed = put(QStringLiteral("share/doc/tavrel/handbuch.md"));
    EXPECT_EQ(UserGuideFile(r.filePath(QStringLiteral("bin"))), installed);
    const QString built = put(QStringLiteral("bin/doc/handbuch.md"));
    EXPECT_EQ(UserGuideFile(r.filePath(QStringLiteral("bin"))), built);
}
