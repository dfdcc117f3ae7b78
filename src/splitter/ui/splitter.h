// The file splitter window.
#pragma once

#include "common/guard.h"

#include "splitter/splitbuffer.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class UserDialogs;

class TFormsplitter : public QWidget {
    Q_OBJECT
public:
    explicit TFormsplitter(UserDialogs& dialogs, QWidget* parent = nullptr);

    const SplitBuffer& buffer() const { return mBuffer; }

    QLabel* Paneltop;
    QPlainTextEdit* Memo1;
    QPushButton* ButtonLoad;
    QSpinBox* Spinstart;
    QSpinBox* Spinstop;
    QSpinBox* Spinlaenge;
    QPushButton* Buttonsave;

    void ButtonLoadClick();
    void SpinstartChange();
    void SpinstopChange();
    void ButtonsaveClick();

private:
    // Runs a handler through the error guard; every control's handler goes through here.
    template <class F>
    void act(F&& handler)
    {
        Guarded(mDialogs, std::forward<F>(handler));
    }
    void log(const QStringList& lines);
    void updateLength();

    UserDialogs& mDialogs;
    SplitBuffer mBuffer;
};
