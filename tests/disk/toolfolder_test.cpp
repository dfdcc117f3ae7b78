// The tool's folder of a build folder and of an installed program: where the shipped files are read,
// and that an installed program writes the disk and its exports into the user's folder only.
#include "common/errors.h"
#include "common/toolfolder.h"
#include "disk/levelgamefiles.h"
#include "level/leveldocument.h"
#include "pattern/colorregisterset.h"
#include "support/gamefixtures.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

namespace {

void Put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
}

TEST(ToolFolderTest, TheProgramsLayoutTellsWhereTheShippedFilesAre)
{
    QTemporaryDir root;
    const QDir dir(root.path());
    for (const char* folder : {"build/bin", "usr/bin", "usr/share/tavrel", "bare/bin"})
        ASSERT_TRUE(dir.mkpath(QString::fromLatin1(folder)));
    Put(QDir(dir.filePath(QStringLiteral("build/bin"))).filePath(QStringLiteral("Vorarado.fa8")), "F0: 90\r\n");
    Put(QDir(dir.filePath(QStringLiteral("usr/share/tavrel"))).filePath(QStringLiteral("Vorarado.fa8")), "F0: 90\r\n");
    const QString user = dir.filePath(QStringLiteral("home/.local/share/Tavrel"));

    const ToolFolder build = ToolFolder::ForProgram(dir.filePath(QStringLiteral("build/bin")), user);
    EXPECT_EQ(build.shipped(), dir.filePath(QStringLiteral("build/bin")));
    EXPECT_FALSE(build.separate());

    const ToolFolder installed = ToolFolder::ForProgram(dir.filePath(QStringLiteral("usr/bin")), user);
    EXPECT_EQ(installed.shipped(), dir.filePath(QStringLiteral("usr/share/tavrel")));
    EXPECT_EQ(installed.user(), user);
    EXPECT_TRUE(installed.separate());
    // Without a folder of a test's, the user's files live in the program's one data folder.
    EXPECT_EQ(ToolFolder::ForProgram(dir.filePath(QStringLiteral("usr/bin"))).user(), ProgramDataFolder());

    // Neither: the start-up file is missed, and reported, beside the program.
    const ToolFolder bare = ToolFolder::ForProgram(dir.filePath(QStringLiteral("bare/bin")), user);
    EXPECT_EQ(bare.shipped(), dir.filePath(QStringLiteral("bare/bin")));
    EXPECT_FALSE(bare.separate());
}

// An installed program: the shipped game and disk in one folder, the user's folder not yet made.
class InstalledGameFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shipped.isValid() && home.isValid() && work.isValid());
        oldCurrent = QDir::currentPath();
        QDir::setCurrent(work.path());
        Put(QDir(shipped.path()).filePath(QStringLiteral("oxil.xex")), MakeTestXex());
        shippedDisk = MakeTestAtr();
        Put(QDir(shipped.path()).filePath(QStringLiteral("oxildisk.atr")), shippedDisk);
        doc.InitEmptyLevel(1);
        doc.Farbenstandard(ColorRegisterSet());
        doc.setTitle(QStringLiteral("Wald"));
        doc.setAuthor(QStringLiteral("ich"));
    }
    void TearDown() override { QDir::setCurrent(oldCurrent); }
    ToolFolder folder() const { return ToolFolder(shipped.path(), userFolder()); }
    QString userFolder() const { return home.filePath(QStringLiteral("Tavrel")); }
    QString shippedAtr() const { return shipped.filePath(QStringLiteral("oxildisk.atr")); }
    QString userAtr() const { return QDir(userFolder()).filePath(QStringLiteral("oxildisk.atr")); }

    QTemporaryDir shipped, home, work;
    QString oldCurrent;
    QByteArray shippedDisk;
    LevelDocument doc;
};

TEST_F(InstalledGameFilesTest, TheFirstDiskSaveCopiesTheShippedDiskAndLeavesItAlone)
{
    LevelGameFiles files(folder());
    EXPECT_EQ(files.atrPath(), shippedAtr());
    EXPECT_EQ(files.atrLabel(), QStringLiteral("oxildisk.atr"));

    const std::optional<QString> note = files.atrSave(doc, 2);
    ASSERT_TRUE(note.has_value());
    EXPECT_TRUE(note->contains(QDir::toNativeSeparators(userAtr()))) << note->toStdString();
    EXPECT_EQ(files.atrPath(), userAtr());
    EXPECT_EQ(files.atrLabel(), QStringLiteral("oxildisk.atr"));
    EXPECT_EQ(ReadTestFile(shippedAtr()), shippedDisk);

    // The copy holds the level in slot 2 and the shipped disk everywhere else.
    const QByteArray copy = ReadTestFile(userAtr());
    ASSERT_EQ(copy.size(), shippedDisk.size());
    constexpr int kSlot2 = 16 + 3200 * 2;
    EXPECT_EQ(copy.left(kSlot2), shippedDisk.left(kSlot2));
    EXPECT_EQ(copy.mid(kSlot2 + 3200), shippedDisk.mid(kSlot2 + 3200));
    EXPECT_NE(copy.mid(kSlot2, 3200), shippedDisk.mid(kSlot2, 3200));

    // Later saves go into the copy without a word; a loaded level comes from it.
    doc.setTitle(QStringLiteral("Berg"));
    EXPECT_EQ(files.atrSave(doc, 3), std::nullopt);
    EXPECT_EQ(ReadTestFile(shippedAtr()), shippedDisk);
    LevelDocument loaded;
    loaded.InitEmptyLevel(1);
    files.atrLoad(loaded, 3);
    EXPECT_EQ(loaded.title().trimmed(), QStringLiteral("BERG"));

    // The next run starts on the copy.
    EXPECT_EQ(LevelGameFiles(folder()).atrPath(), userAtr());
}

TEST_F(InstalledGameFilesTest, ADiskTheUserChoseIsWrittenWhereItIs)
{
    const QString own = work.filePath(QStringLiteral("meine.atr"));
    Put(QDir(work.path()).filePath(QStringLiteral("meine.atr")), shippedDisk);
    LevelGameFiles files(folder());
    files.chooseAtr(own);
    EXPECT_EQ(files.atrSave(doc, 1), std::nullopt);
    EXPECT_NE(ReadTestFile(own), shippedDisk);
    EXPECT_FALSE(QFileInfo::exists(userFolder()));
}

TEST_F(InstalledGameFilesTest, TheUsersOwnGameIsReadBeforeTheShippedOne)
{
    LevelGameFiles shippedOnly(folder());
    EXPECT_EQ(shippedOnly.xexPath(), shipped.filePath(QStringLiteral("oxil.xex")));
    ASSERT_TRUE(QDir().mkpath(userFolder()));
    Put(QDir(userFolder()).filePath(QStringLiteral("oxil.xex")), MakeTestXex(40000));
    EXPECT_EQ(LevelGameFiles(folder()).xexPath(), QDir(userFolder()).filePath(QStringLiteral("oxil.xex")));
}

TEST_F(InstalledGameFilesTest, TheSectorFileGoesIntoTheUsersFolderAndTheLogSaysWhere)
{
    LevelGameFiles files(folder());
    QStringList log;
    const QString name = files.saveBinary15(doc, 4, QImage(4096, 320, QImage::Format_RGB32), log);
    EXPECT_EQ(QFileInfo(name).path(), userFolder());
    EXPECT_EQ(ReadTestFile(name).size(), 1920);
    EXPECT_EQ(log.size(), 1281);
    EXPECT_EQ(log.last(), QStringLiteral("Gespeichert: ") + QDir::toNativeSeparators(name));
    EXPECT_EQ(QDir(shipped.path()).entryList(QDir::Files).size(), 2);
}

// The first save copies the shipped disk through the checked reader and save: a shipped disk that is
// gone is told in German, and no copy is left.
TEST_F(InstalledGameFilesTest, AShippedDiskThatCannotBeReadStopsTheCopyInGerman)
{
    LevelGameFiles files(folder());
    ASSERT_TRUE(QFile::remove(shippedAtr()));
    try {
        files.atrSave(doc, 1);
        FAIL() << "saved";
    } catch (const TavrelError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Datei %1 kann nicht geöffnet werden. Datei oder Verzeichnis nicht "
                                              "gefunden").arg(shippedAtr()));
    }
    EXPECT_FALSE(QFileInfo::exists(userAtr()));
    EXPECT_EQ(files.atrPath(), shippedAtr());
}

TEST_F(InstalledGameFilesTest, AUserFolderThatCannotBeMadeStopsTheSaveWithItsName)
{
    // A file where the folder should be.
    Put(QDir(home.path()).filePath(QStringLiteral("Tavrel")), "x");
    LevelGameFiles files(folder());
    try {
        files.atrSave(doc, 1);
        FAIL() << "saved";
    } catch (const FileCreateError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("kann nicht angelegt werden"))) << e.message().toStdString();
    }
    EXPECT_EQ(files.atrPath(), shippedAtr());
    EXPECT_EQ(ReadTestFile(shippedAtr()), shippedDisk);
}

} // namespace
