// Opening files from the command line and by drag and drop.
#include "app/fileopening.h"

#include "app/commandline.h"
#include "app/windowset.h"
#include "common/userdialogs.h"
#include "gui/level/levelwindow.h"
#include "gui/pattern/patternwindow.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

bool TakesDrops(const QWidget* window)
{
    return qobject_cast<const PatternWindow*>(window) || qobject_cast<const LevelWindow*>(window);
}

// The dropped local files the program opens; empty when the drop holds none.
QStringList OpenableFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && KindOfFile(url.toLocalFile()) != FileKind::Unknown)
            files << url.toLocalFile();
    return files;
}

} // namespace

FileOpening::FileOpening(WindowSet& windows, UserDialogs& dialogs) : mWindows(windows), mDialogs(dialogs)
{
    // Found among the top-level windows, so that the level editor is not built for it.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (TakesDrops(window))
            window->setAcceptDrops(true);
    // On the application, so that a drop on a control that takes text (a field, a log) still opens
    // the file: drops of anything else reach the control as before.
    qApp->installEventFilter(this);
}

FileOpening::~FileOpening() = default;

void FileOpening::open(const QStringList& files)
{
    for (const QString& file : files) {
        const QString path = QFileInfo(file).absoluteFilePath();
        switch (KindOfFile(path)) {
        case FileKind::Font:
            mWindows.patternWindow()->openFontFile(path);
            break;
        case FileKind::Level: {
            LevelWindow* map = mWindows.levelWindow();
            map->LevelEditorOpen();
            // The level editor stays closed when pattern set 1 cannot be drawn; its message was shown.
            if (map->isVisible())
                map->openLevelFile(path);
            break;
        }
        case FileKind::Unknown:
            mDialogs.error(UnknownFileKindMessage(path));
            break;
        }
    }
}

bool FileOpening::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !TakesDrops(widget->window()))
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList files = OpenableFiles(drop->mimeData());
    if (files.isEmpty())
        return false;
    // Opening reads the file: the source keeps it, whatever it offered.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        // After the drop has finished: a message box inside it would hold the dragging program.
        QTimer::singleShot(0, this, [this, files] { open(files); });
    }
    return true;
}
