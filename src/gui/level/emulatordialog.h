// The dialog of the level editor's "Emulator…" button: the emulator command that test-play starts.
#pragma once

#include <QDialog>

class QLineEdit;
class UserDialogs;

class EmulatorDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the stored command; OK stores the edited one (empty is "Standard").
    EmulatorDialog(UserDialogs& dialogs, QWidget* parent);

    void accept() override;

private:
    void browse();

    UserDialogs& mDialogs;
    QLineEdit* mCommand = nullptr;
};
