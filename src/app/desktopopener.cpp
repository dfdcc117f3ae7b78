// The desktop's file association through Qt.
#include "app/desktopopener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool SystemDesktopOpener::open(const QString& fileName)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
}
