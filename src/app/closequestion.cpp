// Asking, saving or discarding before the program ends.
#include "app/closequestion.h"

#include "common/userdialogs.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QSessionManager>
#include <QWidget>

CloseQuestion::CloseQuestion(QWidget* mainWindow, UserDialogs& dialogs, std::vector<UnsavedWork> work)
    : QObject(mainWindow), mDialogs(dialogs), mWork(std::move(work))
{
    mainWindow->installEventFilter(this);
#ifndef QT_NO_SESSIONMANAGER
    // The session manager asks each program before the session ends; a cancel keeps the session.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        struct Request : SessionEndRequest {
            explicit Request(QSessionManager& manager) : manager(manager) {}
            bool allowsInteraction() override { return manager.allowsInteraction(); }
            void release() override { manager.release(); }
            void cancel() override { manager.cancel(); }
            QSessionManager& manager;
        } request(manager);
        sessionEnding(request);
    });
#endif
}

bool CloseQuestion::mayEnd()
{
    // A second request while the question or a save dialog is open waits for the first answer.
    if (mAsking)
        return false;
    if (mDiscarded)
        return true;
    const QStringList names = UnsavedNames(mWork);
    if (names.isEmpty())
        return true;
    mAsking = true;
    const UserDialogs::SaveAnswer answer = mDialogs.askSave(UnsavedWorkQuestion(names));
    bool end = false;
    if (answer == UserDialogs::SaveAnswer::Save)
        end = SaveUnsavedWork(mWork);
    else if (answer == UserDialogs::SaveAnswer::Discard)
        end = mDiscarded = true;
    mAsking = false;
    return end;
}

void CloseQuestion::sessionEnding(SessionEndRequest& request)
{
    if (!request.allowsInteraction())
        return;
    const bool end = mayEnd();
    request.release();
    if (!end)
        request.cancel();
}

bool CloseQuestion::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && !mayEnd()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
