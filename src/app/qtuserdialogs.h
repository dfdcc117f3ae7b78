// The real dialogs: Qt's file dialogs and message boxes.
#pragma once

#include "common/userdialogs.h"

#include <QMessageBox>

class QWidget;

class QtUserDialogs : public UserDialogs {
public:
    explicit QtUserDialogs(QWidget* parent = nullptr) : mParent(parent) {}

    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    Answer confirm(const QString& text) override;
    SaveAnswer askSave(const QString& text) override;
    RecoverAnswer askRecover(const QString& text) override;
    void message(const QString& text) override;
    void error(const QString& text) override;

    // "Text|*.x|Text|*.*" in the form Qt's dialogs take.
    static QStringList qtFilters(const QString& filter);

private:
    std::optional<QString> run(const FileDialogRequest& request, bool save);
    // A modal message box with the text cut to the screen; returns the button pressed.
    int showBox(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons);
    QWidget* const mParent;
};
