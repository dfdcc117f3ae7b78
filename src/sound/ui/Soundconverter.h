// The sound converter window.
#pragma once

#include "common/guard.h"

#include "sound/soundconverter.h"

#include <QWidget>

class ImageView;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class UserDialogs;

class TFormSoundconverter : public QWidget {
    Q_OBJECT
public:
    explicit TFormSoundconverter(UserDialogs& dialogs, QWidget* parent = nullptr);

    SoundConverter& converter() { return mConverter; }

    QLabel* Paneltop;
    ImageView* paintbox;
    ImageView* paintbox8;
    QPlainTextEdit* Memo1;
    QPushButton* ButtonLoadPicture;
    QPushButton* Button8to4;
    QPushButton* Button8to4packed;
    QPushButton* Button8to4packedShuffled;
    QPushButton* Button8to4packedShuffled8;
    QPushButton* Button8to4packedShuffledModul;
    QPushButton* ButtonRAMsave;
    QPushButton* Buttonende;

    void ButtonLoadPictureClick();
    void Button8to4Click();
    void Button8to4packedClick();
    void Button8to4packedShuffledClick();
    void Button8to4packedShuffled8Click();
    void Button8to4packedShuffledModulClick();
    void ButtonRAMsaveClick();
    void ButtonendeClick();

private:
    // Runs a handler through the error guard; every control's handler goes through here.
    template <class F>
    void act(F&& handler)
    {
        Guarded(mDialogs, std::forward<F>(handler));
    }
    void log(const QStringList& lines);
    void drawPlots();

    UserDialogs& mDialogs;
    SoundConverter mConverter;
};
