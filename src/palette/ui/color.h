// The Atari palette window: the user picks one Atari colour for the window that asked for it.
#pragma once

#include "palette/paletterequest.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

class ColorPanel;
class ImageView;
class QLabel;
class QPushButton;
class QSpinBox;
class UserDialogs;

class TFormcolor : public QWidget {
    Q_OBJECT
public:
    explicit TFormcolor(QWidget* parent = nullptr);

    // Errors of accept actions are shown through these dialogs.
    void setDialogs(UserDialogs* dialogs) { mDialogs = dialogs; }

    // Binds what accept button 1, 2 or 3 (Buttonwahl, Buttonwahl2, Buttonwahl3) hands back. The action
    // reads Panel1, Labelfarbe, SpinX and SpinY; the window then hides that button and closes itself.
    void setAcceptAction(int button, std::function<void()> action);

    // Fills the preview and the target, makes the named accept button visible and shows the window
    // without waiting for it.
    void request(const PaletteRequest& r);

    // The picture DrawGrid1 shows, one 31-pixel cell per hue and even luminance.
    const QImage& gridImage() const { return mGridImage; }

    QLabel* LabelHeading;
    ImageView* DrawGrid1;
    ColorPanel* Panel1;
    QLabel* labelinfo;
    QPushButton* ButtonAbbrechen;
    QLabel* Labelfarbe;
    QSpinBox* SpinX;
    QSpinBox* SpinY;
    QPushButton* Buttonwahl;
    QPushButton* Buttonwahl2;
    QPushButton* Buttonwahl3;

    void DrawGrid1MouseUp(QPoint position);
    void DrawGrid1DblClick();
    void ButtonAbbrechenClick();
    void ButtonwahlClick(int button);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* acceptButton(int button) const;
    void runGuarded(const std::function<void()>& handler);

    QImage mGridImage;
    std::array<std::function<void()>, 3> mAcceptActions;
    UserDialogs* mDialogs = nullptr;
};
