// The file splitter window.
#pragma once

#include <QWidget>

class UserDialogs;

class TFormsplitter : public QWidget {
    Q_OBJECT
public:
    explicit TFormsplitter(UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    UserDialogs& mDialogs;
};
