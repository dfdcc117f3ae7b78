// Dragging files onto a widget and dropping them there, as the system delivers a drag and drop.
#pragma once

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QStringList>
#include <QUrl>
#include <QWidget>

// What became of a drag: whether the enter was taken, and the action the drop was answered with
// (IgnoreAction when it was not taken).
struct DropResult {
    bool entered = false;
    Qt::DropAction enterAction = Qt::IgnoreAction;
    Qt::DropAction dropAction = Qt::IgnoreAction;
};

// The source offers `offered` and proposes `proposed`; the events queued by the drop are run.
inline DropResult DragAndDrop(QWidget* target, const QStringList& files, Qt::DropActions offered = Qt::CopyAction,
                              Qt::DropAction proposed = Qt::CopyAction)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& f : files)
        urls << QUrl::fromLocalFile(f);
    data.setUrls(urls);
    const QPoint at = target->rect().center();
    DropResult result;
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setDropAction(proposed);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return result;
    result.entered = true;
    result.enterAction = enter.dropAction();
    QDropEvent dropped(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    dropped.setDropAction(proposed);
    QApplication::sendEvent(target, &dropped);
    if (dropped.isAccepted())
        result.dropAction = dropped.dropAction();
    QApplication::processEvents();
    return result;
}
