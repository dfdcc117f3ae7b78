// The question before the program ends with unsaved work: asked when the main window is closed
// (close box, Alt+F4) and when the desktop session ends.
#pragma once

#include "common/unsavedwork.h"

#include <QObject>

class QWidget;
class UserDialogs;

// What the question needs of the desktop's request to end the session (QSessionManager in the program).
class SessionEndRequest {
public:
    virtual ~SessionEndRequest() = default;
    // Whether the program may ask the user now.
    virtual bool allowsInteraction() = 0;
    // The program has asked and the session may go on with the others.
    virtual void release() = 0;
    // The session does not end.
    virtual void cancel() = 0;
};

class CloseQuestion : public QObject {
public:
    // Watches the main window's close event; owned by the main window.
    CloseQuestion(QWidget* mainWindow, UserDialogs& dialogs, std::vector<UnsavedWork> work);

    // Whether the program may end: nothing unsaved, everything saved on "Speichern", or "Verwerfen".
    bool mayEnd();
    // The session ends: asked as at a close when the user may be asked; "Abbrechen", a cancelled
    // save or a failed one keep the session.
    void sessionEnding(SessionEndRequest& request);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UserDialogs& mDialogs;
    std::vector<UnsavedWork> mWork;
    bool mAsking = false;
    bool mDiscarded = false;
};
