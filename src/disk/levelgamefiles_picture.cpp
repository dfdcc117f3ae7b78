// The level file with its picture beside it: the one export of LevelGameFiles that needs QtGui.
#include "disk/levelgamefiles.h"

#include "levelio/levelbinaryfile.h"
#include "level/leveldocument.h"

#include <QDir>

QString LevelGameFiles::saveBinary15(const LevelDocument& document, int slot, const QImage& picture, QStringList& log)
{
    BuildIntoExecutable(document, slot, xexPath(), xex(), log);
    const QString name = LevelBinaryFileName(mFolder.user(), slot, document.author(), document.title());
    mFolder.writableFolder(name);
    SaveLevelBinaryFile(xex(), name);
    saveaspic(picture, LevelPictureNameFor(name));
    // Beside an installed program nobody would look for it.
    if (mFolder.separate())
        log << QStringLiteral("Gespeichert: %1").arg(QDir::toNativeSeparators(name));
    return name;
}

