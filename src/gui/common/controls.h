// Small helpers every window uses: controls named for tests and accessibility, and logs filled in one block.
#pragma once

#include "common/displaytext.h"
#include "common/packedcolor.h"
#include "gui/common/logtext.h"
#include "common/packedcolor_picture.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringList>

// Gives a control its objectName, the name tests and accessibility tools find it by.
template <class W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A named button. Screen readers read its caption as shown, also after it changes ("Start Anim").
inline QPushButton* NamedButton(const QString& caption, const char* name, QWidget* parent)
{
    return Named(new QPushButton(caption, parent), name);
}

// The one place a window or panel gets its background colour (cream for most windows).
inline void SetWindowBackground(QWidget* widget, PackedColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A log, memo or code text (see LogText).
inline QPlainTextEdit* NamedLog(const char* name, QWidget* parent)
{
    return Named(new LogText(parent), name);
}

// Shows a window without waiting for it, or brings it to the front when it is already shown.
inline void ShowWindow(QWidget* window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

// Moves a window so that it stands in the middle of the primary screen's free area.
inline void CenterOnScreen(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), window->size());
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

// Appends lines to a log as one block, so that many lines cost one redraw. Control characters a line
// holds (from a file name or a typed value) are shown as escapes (\0, \t, \n ...), so that the log and
// what a screen reader reads of it end where the text ends, not at the first NUL.
inline void AppendLines(QPlainTextEdit* log, const QStringList& lines)
{
    if (lines.isEmpty())
        return;
    QStringList shown;
    shown.reserve(lines.size());
    for (const QString& line : lines)
        shown << VisibleText(line);
    log->appendPlainText(shown.join(QLatin1Char('\n')));
}
