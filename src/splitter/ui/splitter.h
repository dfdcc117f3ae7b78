// The file splitter window.
#pragma once

#include "common/guard.h"
#include "common/ui/deferredwindow.h"

#include "splitter/splitbuffer.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class UserDialogs;

class TFormsplitter : public DeferredWindow {
    Q_OBJECT
public:
    explicit TFormsplitter(UserDialogs& dialogs, QWidget* parent = nullptr);

    const SplitBuffer& buffer() const { return mBuffer; }

    // Built with the controls (see DeferredWindow).
    QLabel* Paneltop = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* ButtonLoad = nullptr;
    QSpinBox* Spinstart = nullptr;
    QSpinBox* Spinstop = nullptr;
    QSpinBox* Spinlaenge = nullptr;
    QPushButton* Buttonsave = nullptr;

    void ButtonLoadClick();
    void SpinstartChange();
    void SpinstopChange();
    void ButtonsaveClick();

protected:
    void buildControls() override;

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
