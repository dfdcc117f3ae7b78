// The sound converter window.
#pragma once

#include "gui/common/actingwindow.h"
#include "gui/common/deferredwindow.h"

#include "sound/soundconverter.h"

class ImageView;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class UserDialogs;

class SoundWindow : public DeferredWindow, public ActingWindow<SoundWindow> {
    Q_OBJECT
public:
    explicit SoundWindow(UserDialogs& dialogs, QWidget* parent = nullptr);

    SoundConverter& converter() { return mConverter; }
    // The plots show the converter's pictures; each handler writes its own lines to the log.
    void refresh();

protected:
    void buildControls() override;

private:
    // Handlers, attached where their signals are connected.
    void ButtonLoadPictureClick();
    void Button8to4Click();
    void Button8to4packedClick();
    void Button8to4packedShuffledClick();
    void Button8to4packedShuffled8Click();
    void Button8to4packedShuffledModulClick();
    void ButtonRAMsaveClick();
    void ButtonendeClick();

    // Controls, found by tests through their objectName.
    QLabel* Paneltop = nullptr;
    ImageView* paintbox = nullptr;
    ImageView* paintbox8 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* ButtonLoadPicture = nullptr;
    QPushButton* Button8to4 = nullptr;
    QPushButton* Button8to4packed = nullptr;
    QPushButton* Button8to4packedShuffled = nullptr;
    QPushButton* Button8to4packedShuffled8 = nullptr;
    QPushButton* Button8to4packedShuffledModul = nullptr;
    QPushButton* ButtonRAMsave = nullptr;
    QPushButton* Buttonende = nullptr;

    void log(const QStringList& lines);
    void drawPlots();

    UserDialogs& mDialogs;
    SoundConverter mConverter;
};
