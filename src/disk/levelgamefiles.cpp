// Export, disk load and save, and test-play of the level being edited.
#include "disk/levelgamefiles.h"

#include "common/boundedbytefile.h"
#include "common/bytefile.h"
#include "common/desktopopener.h"
#include "common/errors.h"
#include "disk/gamestarter.h"
#include "level/leveldocument.h"
#include "levelio/disklevelrecord.h"
#include "levelio/gamelevelrecord.h"
#include "levelio/levelbinaryfile.h"

#include <QDir>
#include <QFileInfo>

void BuildIntoExecutable(const LevelDocument& document, int slot, const QString& xexFile, XexImage& image,
                         QStringList& log)
{
    ReadXexImage(image, xexFile);
    BuildGameLevelRecord(document, image, slot, log);
}

void LoadLevelFromDisk(LevelDocument& document, int slot, const QString& atrFile, AtrImage& atr, XexImage& image)
{
    atr.read(atrFile);
    TakeLevelFromSlot(atr, slot, image);
    ReadDiskLevelRecord(document, image);
}

void SaveLevelToDisk(const LevelDocument& document, int slot, const QString& atrFile, AtrImage& atr)
{
    atr.read(atrFile);
    PutLevelIntoSlot(document, slot, atr);
    atr.write(atrFile);
}

// The second line of both messages: no emulator started, and where one is chosen.
const QString kEmulatorHint =
    QStringLiteral("\nEin Emulator lässt sich mit \u201EEmulator\u2026\u201C neben \u201ETest ATR\u201C wählen.");

QString PlayLevelFailedMessage()
{
    return QStringLiteral("Es ist ein Fehler aufgetreten beim Starten der Atari-Datei") + kEmulatorHint;
}

QString TestAtrFailedMessage(const QString& atrPath)
{
    return QStringLiteral("Es ist ein Fehler aufgetreten beim Starten der Atari-Datei: \r") + atrPath + kEmulatorHint;
}

LevelGameFiles::LevelGameFiles(const ToolFolder& folder)
    : mFolder(folder), mAtrPath(folder.find(AtrPathIn)), mAtrLabel(QFileInfo(mAtrPath).fileName())
{
}

XexImage& LevelGameFiles::xex() const
{
    if (!mXex)
        mXex.emplace();
    return *mXex;
}

AtrImage& LevelGameFiles::atr()
{
    if (!mAtr)
        mAtr.emplace();
    return *mAtr;
}

std::optional<QString> LevelGameFiles::atrSave(const LevelDocument& document, int slot)
{
    std::optional<QString> note;
    if (mFolder.separate() && mAtrPath == AtrPathIn(mFolder.shipped())) {
        const QString copy = AtrPathIn(mFolder.writableFolder(AtrPathIn(mFolder.user())));
        // A copy made meanwhile (by a second run) holds the user's levels: it is used, never replaced.
        if (!QFileInfo::exists(copy))
            WriteByteFile(copy, ReadByteFileUpTo(mAtrPath, AtrImage::kSize + kMaxByteFileSize));
        mAtrPath = copy;
        note = QStringLiteral("Die mitgelieferte Level-Disk wird nicht verändert; gespeichert wird in die Kopie %1.")
                   .arg(QDir::toNativeSeparators(copy));
    }
    SaveLevelToDisk(document, slot, mAtrPath, atr());
    return note;
}

void LevelGameFiles::chooseAtr(const QString& fileName)
{
    mAtrPath = fileName;
    mAtrLabel = QStringLiteral("ATR: ") + QFileInfo(fileName).fileName();
}

QString LevelGameFiles::playFileName()
{
    return QDir::current().absoluteFilePath(QStringLiteral("oxil-neu.xex"));
}

std::optional<QString> LevelGameFiles::playLevel(const LevelDocument& document, int slot, DesktopOpener& opener,
                                                 QStringList& log)
{
    BuildIntoExecutable(document, slot, xexPath(), xex(), log);
    const QString name = playFileName();
    WriteXexImage(xex(), name);
    if (const std::optional<QString> problem = BinaryLoadProblem(xex().bytes()))
        log << QStringLiteral("Achtung, %1 ist keine saubere Atari-Binärdatei: %2.")
                   .arg(QFileInfo(name).fileName(), *problem);
    return GameStarter(opener, EmulatorCommand()).start(name, PlayLevelFailedMessage());
}

std::optional<QString> LevelGameFiles::testAtr(DesktopOpener& opener) const
{
    return GameStarter(opener, EmulatorCommand()).start(mAtrPath, TestAtrFailedMessage(mAtrPath));
}
