// The question before the program ends with unsaved work: asked when the main window is closed
// (close box, Alt+F4) and when the desktop session ends.
#pragma once

#include "common/unsavedwork.h"

#include <QObject>

class QWidget;
class UserDialogs;

class CloseQuestion : public QObject {
public:
    // Watches the main window's close event; owned by the main window.
    CloseQuestion(QWidget* mainWindow, UserDialogs& dialogs, std::vector<UnsavedWork> work);

    // Whether the program may end: nothing unsaved, everything saved on "Speichern", or "Verwerfen".
    bool mayEnd();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UserDialogs& mDialogs;
    std::vector<UnsavedWork> mWork;
    bool mAsking = false;
    bool mDiscarded = false;
};
