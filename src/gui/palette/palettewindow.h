// The Atari palette window: the user picks one Atari colour for the window that asked for it.
#pragma once

#include "gui/common/actingwindow.h"
#include "gui/common/deferredwindow.h"
#include "palette/paletterequest.h"

#include <QImage>
#include <array>
#include <functional>

class ColorPanel;
class ImageView;
class QLabel;
class QPushButton;
class QSpinBox;
class UserDialogs;

class PaletteWindow : public DeferredWindow, public ActingWindow<PaletteWindow> {
    Q_OBJECT
public:
    // Errors of the requesters' answers are shown through these dialogs.
    explicit PaletteWindow(UserDialogs& dialogs, QWidget* parent = nullptr);

    // Fills the preview and the target, makes the named accept button visible and shows the window
    // without waiting for it. Accepting with that button hands a PaletteAnswer to r.answer (read from
    // Panel1, Labelfarbe, SpinX and SpinY); the window then hides the button and closes itself.
    void request(const PaletteRequest& r);

    // The picture DrawGrid1 shows, one 31-pixel cell per hue and even luminance (drawn with the controls).
    const QImage& gridImage() const { return mGridImage; }
    // The palette holds no state beyond its controls: nothing to bring in line after a handler.
    void refresh() {}

protected:
    void buildControls() override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Handlers, attached where their signals are connected.
    void DrawGrid1MouseUp(QPoint position);
    void DrawGrid1DblClick();
    void ButtonAbbrechenClick();
    void ButtonwahlClick(int button);

    // Controls, found by tests through their objectName.
    QLabel* LabelHeading = nullptr;
    ImageView* DrawGrid1 = nullptr;
    ColorPanel* Panel1 = nullptr;
    QLabel* labelinfo = nullptr;
    QPushButton* ButtonAbbrechen = nullptr;
    QLabel* Labelfarbe = nullptr;
    QSpinBox* SpinX = nullptr;
    QSpinBox* SpinY = nullptr;
    QPushButton* Buttonwahl = nullptr;
    QPushButton* Buttonwahl2 = nullptr;
    QPushButton* Buttonwahl3 = nullptr;

    QPushButton* acceptButton(int button) const;

    QImage mGridImage;
    std::array<std::function<void(const PaletteAnswer&)>, 3> mAnswers;
};
