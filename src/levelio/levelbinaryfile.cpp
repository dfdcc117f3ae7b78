// Writing the 15-sector level file (the picture beside it: levelbinaryfile_picture.cpp).
#include "levelio/levelbinaryfile.h"

#include "common/bytefile.h"
#include "common/displaytext.h"
#include "common/errors.h"
#include "levelio/gamelevelrecord.h"
#include "levelio/xeximage.h"

#include <QDir>

namespace {

// Characters no file name may hold on the user's desktop; a folder separator would also lead the file
// out of the program's folder.
bool NameCharacterRefused(QChar c)
{
    return c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c);
}

} // namespace

QString LevelBinaryFileName(const QString& programFolder, int slot, const QString& author, const QString& title)
{
    const QString name =
        QStringLiteral("DAD-Level-%1-%2-%3.bin").arg(slot).arg(TrimmedText(author), TrimmedText(title));
    const QString path = QDir(programFolder).filePath(name);
    for (QChar c : name)
        if (NameCharacterRefused(c))
            throw FileCreateError(VisibleText(path), QStringLiteral("Der Dateiname enthält das unzulässige Zeichen \"%1\".")
                                                         .arg(VisibleText(QString(c))));
    return path;
}

QString LevelPictureNameFor(const QString& binaryFileName)
{
    QString name = binaryFileName;
    if (name.endsWith(QLatin1String(".bin")))
        name.chop(4);
    return name + QStringLiteral(".bmp");
}

QByteArray LevelBinaryBytes(const XexImage& image)
{
    return image.mid(XexImage::kWindowOffset, XexImage::kWindowSize);
}

void SaveLevelBinaryFile(const XexImage& image, const QString& fileName)
{
    WriteByteFile(fileName, LevelBinaryBytes(image));
}
