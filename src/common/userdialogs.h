// The dialogs a window may ask of the user, behind an interface so that tests can script them.
#pragma once

#include <QString>
#include <optional>

// What a file dialog is asked to show. The filter is "Text|pattern|Text|pattern".
struct FileDialogRequest {
    QString title;
    QString filter;
    int filterIndex = 1;     // 1-based entry of the filter preselected
    QString fileName;        // proposed name
    QString defaultExt;      // without dot, appended when the user types none
    QString initialDir;      // empty: the system chooses
};

class UserDialogs {
public:
    enum class Answer { Yes, No, Cancel };
    // The buttons of the question before unsaved work is dropped.
    enum class SaveAnswer { Save, Discard, Cancel };
    // The buttons of the question after an unclean end; Later when the box is closed.
    enum class RecoverAnswer { Restore, Discard, Later };

    virtual ~UserDialogs() = default;
    // The chosen full file name, or nothing when cancelled.
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
    virtual Answer confirm(const QString& text) = 0;
    // "Speichern", "Verwerfen", "Abbrechen"; closing the box cancels.
    virtual SaveAnswer askSave(const QString& text) = 0;
    // "Wiederherstellen", "Verwerfen".
    virtual RecoverAnswer askRecover(const QString& text) = 0;
    virtual void message(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
};
