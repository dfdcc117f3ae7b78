// The sound converter window.
#pragma once

#include <QWidget>

class UserDialogs;

class TFormSoundconverter : public QWidget {
    Q_OBJECT
public:
    explicit TFormSoundconverter(UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    UserDialogs& mDialogs;
};
