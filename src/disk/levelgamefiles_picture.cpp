// The level file with its picture beside it: the one export of LevelGameFiles that needs QtGui.
#include "disk/levelgamefiles.h"

#include "levelio/levelbinaryfile.h"
#include "level/leveldocument.h"

QString LevelGameFiles::saveBinary15(const LevelDocument& document, int slot, const QImage& picture, QStringList& log)
{
    BuildIntoExecutable(document, slot, xexPath(), mXex, log);
    const QString name = LevelBinaryFileName(mProgramFolder, slot, document.author(), document.title());
    SaveLevelBinaryFile(mXex, name);
    saveaspic(picture, LevelPictureNameFor(name));
    return name;
}

