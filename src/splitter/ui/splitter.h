// The file splitter window.
#pragma once

#include "common/ui/actingwindow.h"
#include "common/ui/deferredwindow.h"

#include "splitter/splitbuffer.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class UserDialogs;

class TFormsplitter : public DeferredWindow, public ActingWindow<TFormsplitter> {
    Q_OBJECT
public:
    explicit TFormsplitter(UserDialogs& dialogs, QWidget* parent = nullptr);

    const SplitBuffer& buffer() const { return mBuffer; }
    // The length field follows start and stop.
    void refresh();

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
    void log(const QStringList& lines);

    UserDialogs& mDialogs;
    SplitBuffer mBuffer;
};
