// The tool's folder of a build folder or an installed program.
#include "common/toolfolder.h"

#include "common/errors.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The start-up pattern file tells where the shipped files are.
const QString kMarker = QStringLiteral("Vorarado.fa8");

} // namespace

ToolFolder::ToolFolder(const QString& folder) : ToolFolder(folder, folder) {}

ToolFolder::ToolFolder(const QString& shippedFolder, const QString& userFolder)
    : mShipped(shippedFolder), mUser(userFolder)
{
}

ToolFolder ToolFolder::ForProgram(const QString& programFolder, const QString& userFolder)
{
    const QDir program(programFolder);
    if (program.exists(kMarker))
        return ToolFolder(programFolder);
    const QString installed = QDir::cleanPath(program.filePath(QStringLiteral("../share/tavrel")));
    if (QFileInfo::exists(QDir(installed).filePath(kMarker)))
        return ToolFolder(installed, userFolder);
    return ToolFolder(programFolder);
}

QString ToolFolder::find(PathIn pathIn) const
{
    if (separate()) {
        const QString own = pathIn(mUser);
        if (QFileInfo::exists(own))
            return own;
    }
    return pathIn(mShipped);
}

QString ToolFolder::writableFolder(const QString& fileName) const
{
    if (!QDir().mkpath(mUser))
        throw FileCreateError(fileName, QStringLiteral("Der Ordner %1 kann nicht angelegt werden.")
                                            .arg(QDir::toNativeSeparators(mUser)));
    return mUser;
}
