// The level editor's game files: the executable image, the level disk and its path, test-play.
#pragma once

#include "common/toolfolder.h"
#include "disk/atrimage.h"
#include "levelio/xeximage.h"

#include <QString>
#include <QStringList>
#include <optional>

class DesktopOpener;
class LevelDocument;
class QImage;

// The steps shared by the windows and the command-line companion.
// Reads the executable and builds the document's record into it; log as BuildGameLevelRecord.
void BuildIntoExecutable(const LevelDocument& document, int slot, const QString& xexFile, XexImage& image,
                         QStringList& log);
// "Level von ATR laden" without the redraw: reads the disk, copies slot n into the image and reads it
// into the document. The pattern store is left alone: a level load never overwrites pattern sets the
// user may not have saved. A disk that cannot be read leaves the document unchanged.
void LoadLevelFromDisk(LevelDocument& document, int slot, const QString& atrFile, AtrImage& atr, XexImage& image);
// "Level auf ATR speichern": reads the disk fresh, puts the level into slot n, writes the disk. A disk
// that cannot be read or a level that cannot be put is never written.
void SaveLevelToDisk(const LevelDocument& document, int slot, const QString& atrFile, AtrImage& atr);

// The message of "Play Level" when the desktop cannot open the executable.
QString PlayLevelFailedMessage();
// The message of "Test ATR" when the desktop cannot open the disk.
QString TestAtrFailedMessage(const QString& atrPath);

// Owned by the level editor for the whole run.
class LevelGameFiles {
public:
    // folder: where "oxil.xex" and "oxildisk.atr" are looked up and the 15-sector file goes.
    explicit LevelGameFiles(const ToolFolder& folder);

    const QString& atrPath() const { return mAtrPath; }
    // LabelATRname: the file name, with "ATR: " in front once the user has chosen a disk.
    const QString& atrLabel() const { return mAtrLabel; }
    // "ATR": the chosen disk becomes the one every later load, save and test uses.
    void chooseAtr(const QString& fileName);

    const XexImage& xexImage() const { return xex(); }
    QString xexPath() const { return mFolder.find(XexPathIn); }
    // "oxil-neu.xex" in the process's current folder.
    static QString playFileName();

    // "Level Binär 15 Sektoren speichern": read, build (lines into log), write the 1920 bytes and the
    // picture beside them. Returns the binary file's name.
    QString saveBinary15(const LevelDocument& document, int slot, const QImage& picture, QStringList& log);
    // "Play Level": read, build, write "oxil-neu.xex", check it as a binary-load file (one line into
    // log when it is not well formed), start it (see GameStarter, with EmulatorCommand()). Returns
    // the message to show when starting failed.
    std::optional<QString> playLevel(const LevelDocument& document, int slot, DesktopOpener& opener, QStringList& log);
    // "Test ATR": starts the disk file as it is stored, as "Play Level" starts its file. Returns the
    // message to show when that failed.
    std::optional<QString> testAtr(DesktopOpener& opener) const;
    void atrLoad(LevelDocument& document, int slot) { LoadLevelFromDisk(document, slot, mAtrPath, atr(), xex()); }
    // "Level auf ATR speichern". An installed program never writes its shipped disk: the first save to
    // it copies it into the user's folder, and that copy is the disk from then on. Returns the line that
    // tells the log so.
    std::optional<QString> atrSave(const LevelDocument& document, int slot);

private:
    ToolFolder mFolder;
    QString mAtrPath;
    QString mAtrLabel;
    // The executable's and the disk's working images, made when first used: a start needs neither.
    XexImage& xex() const;
    AtrImage& atr();
    mutable std::optional<XexImage> mXex;
    std::optional<AtrImage> mAtr;
};
