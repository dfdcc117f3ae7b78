// Dialogs for handlers that run inside a widget's own event handling (a keystroke in a cell editor):
// the error box opens once that event is over, so its event loop cannot pull the widget away under it.
#pragma once

#include "common/userdialogs.h"

#include <QObject>
#include <QTimer>

class ErrorsAfterEvent : public UserDialogs {
public:
    // `context` is the window; the box is dropped if it is gone by then.
    ErrorsAfterEvent(UserDialogs& dialogs, QObject* context) : mDialogs(dialogs), mContext(context) {}

    std::optional<QString> openFile(const FileDialogRequest& request) override { return mDialogs.openFile(request); }
    std::optional<QString> saveFile(const FileDialogRequest& request) override { return mDialogs.saveFile(request); }
    Answer confirm(const QString& text) override { return mDialogs.confirm(text); }
    SaveAnswer askSave(const QString& text) override { return mDialogs.askSave(text); }
    RecoverAnswer askRecover(const QString& text) override { return mDialogs.askRecover(text); }
    void message(const QString& text) override { mDialogs.message(text); }
    void error(const QString& text) override
    {
        QTimer::singleShot(0, mContext, [&dialogs = mDialogs, text] { dialogs.error(text); });
    }

private:
    UserDialogs& mDialogs;
    QObject* mContext;
};
