// Paste, drop and middle click into a log: nothing happens without text to insert.
#include "gui/common/logtext.h"

#include <QMimeData>

LogText::LogText(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}

bool LogText::canInsertFromMimeData(const QMimeData* source) const
{
    return source && !isReadOnly() && QPlainTextEdit::canInsertFromMimeData(source);
}

void LogText::insertFromMimeData(const QMimeData* source)
{
    // A middle click pastes the X11 primary selection, which is no object at all while nothing is
    // selected anywhere; Qt's text control hands it over unchecked. A read-only log takes nothing.
    if (!canInsertFromMimeData(source))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}
