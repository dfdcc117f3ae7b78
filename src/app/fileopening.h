// Pattern and level files named on the command line or dropped on the main window or the level editor.
#pragma once

#include <QObject>
#include <QStringList>

class UserDialogs;
class WindowSet;

class FileOpening : public QObject {
    Q_OBJECT
public:
    // From now on the main window and the level editor take dropped files.
    FileOpening(WindowSet& windows, UserDialogs& dialogs);
    ~FileOpening() override;

    // Opens the files in turn: a pattern file as "Font Datei laden" loads it, a level file in the level
    // editor as "Level Datei laden" loads it. A file that fails shows its load's message, a file of
    // another kind a message of its own; the files after it are opened all the same.
    void open(const QStringList& files);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowSet& mWindows;
    UserDialogs& mDialogs;
};
