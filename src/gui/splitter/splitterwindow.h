// The file splitter window.
#pragma once

#include "gui/common/actingwindow.h"
#include "gui/common/deferredwindow.h"

#include "splitter/splitbuffer.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class UserDialogs;

class SplitterWindow : public DeferredWindow, public ActingWindow<SplitterWindow> {
    Q_OBJECT
public:
    explicit SplitterWindow(UserDialogs& dialogs, QWidget* parent = nullptr);

    const SplitBuffer& buffer() const { return mBuffer; }
    // The length field follows start and stop.
    void refresh();

protected:
    void buildControls() override;

private:
    // Handlers, attached where their signals are connected.
    void ButtonLoadClick();
    void SpinstartChange();
    void SpinstopChange();
    void ButtonsaveClick();

    // Controls, found by tests through their objectName.
    QLabel* Paneltop = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* ButtonLoad = nullptr;
    QSpinBox* Spinstart = nullptr;
    QSpinBox* Spinstop = nullptr;
    QSpinBox* Spinlaenge = nullptr;
    QPushButton* Buttonsave = nullptr;

    void log(const QStringList& lines);

    UserDialogs& mDialogs;
    SplitBuffer mBuffer;
};
