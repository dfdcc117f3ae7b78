// The pattern editor window's colour handlers (registers, row colours, palette requests) and the animation.
#include "pattern/ui/main.h"

#include "common/ui/colorpanel.h"
#include "common/ui/imageview.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

void TFormmain::connectColorHandlers()
{
    ColorPanel* panels[5] = {Farbe0, Farbe1, Farbe2, Farbe3, Farbe4};
    for (int k = 0; k < 5; ++k) {
        connect(panels[k], &ColorPanel::clicked, this, [this, k] { act([&] { FarbeClick(k); }); });
        connect(panels[k], &ColorPanel::doubleClicked, this, [this, k] { act([&] { FarbeDblClick(k); }); });
    }
    connect(DrawGrid1, &ImageView::released, this, [this](Qt::MouseButton, QPoint p) { act([&] { DrawGrid1MouseUp(p); }); });
    connect(DrawGrid1, &ImageView::doubleClicked, this, [this](Qt::MouseButton, QPoint) { act([&] { DrawGrid1DblClick(); }); });
    connect(ButtonFarbeInit, &QPushButton::clicked, this, [this] { act([&] { ButtonFarbeInitClick(); }); });
    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this](int v) { act([&] { SpinEdit1Change(v); }); });
    connect(Buttonanim, &QPushButton::clicked, this, [this] { act([&] { ButtonanimClick(); }); });
    connect(Editphasen, &QLineEdit::textChanged, this, [this](const QString& text) { mEditor.document().setPhases(text); });
    connect(Timer1, &QTimer::timeout, this, [this] { act([&] { Timer1Timer(); }); });
}

void TFormmain::FarbeClick(int k)
{
    mEditor.selectRegister(k);
}

void TFormmain::FarbeDblClick(int k)
{
    const auto request = mEditor.requestRegister(k);
    if (!request || !mLinks.requestColor)
        return;
    PaletteRequest r;
    r.caption = request->code;
    r.color = request->color;
    r.textColor = request->textColor;
    r.button = 1;
    r.answer = [this](const PaletteAnswer& a) { ButtonwahlClick(a.color, a.code); };
    mLinks.requestColor(r);
}

void TFormmain::ButtonwahlClick(PackedColor color, const QString& code)
{
    act([&] { mEditor.acceptRegister(color, code); });
}

void TFormmain::DrawGrid1MouseUp(QPoint position)
{
    mEditor.selectRowColorCell(position.x(), position.y());
}

void TFormmain::DrawGrid1DblClick()
{
    if (!mEditor.requestRowColor(mEditor.rowSelectionColumn()) || !mLinks.requestColor)
        return;
    PaletteRequest r;
    r.caption = mEditor.registers()[0].code();
    r.textColor = mEditor.registers()[0].textColor;
    r.spinX = mEditor.rowSelectionColumn();
    r.spinY = mEditor.rowSelectionRow();
    r.button = 3;
    r.answer = [this](const PaletteAnswer& a) { Buttonwahl3Click(a.spinX, a.spinY, a.color, a.code); };
    mLinks.requestColor(r);
}

void TFormmain::Buttonwahl3Click(int column, int row, PackedColor color, const QString& code)
{
    act([&] { mEditor.acceptRowColor(column, row, color, code); });
}

void TFormmain::ButtonFarbeInitClick()
{
    mEditor.farbenInit();
}

void TFormmain::SpinEdit1Change(int value)
{
    mEditor.setSpeed(value);
    Timer1->setInterval(mEditor.animationInterval());
}

void TFormmain::setAnimationControlsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{ButtonSpeichern, ButtonLaden, ButtonVerwerfen, ButtonFill,
                                                       Buttonhoch, ButtonRunter, SpinTilenumber, SpinFontsetnumber})
        w->setEnabled(enabled);
}

void TFormmain::ButtonanimClick()
{
    mEditor.document().setPhases(Editphasen->text());
    mEditor.toggleAnimation();
    const bool running = mEditor.animationRunning();
    Buttonanim->setText(running ? QStringLiteral("Stop Anim") : QStringLiteral("Start Anim"));
    setAnimationControlsEnabled(!running);
    if (running) {
        Timer1->setInterval(mEditor.animationInterval());
        Timer1->start();
    } else {
        Timer1->stop();
    }
}

void TFormmain::Timer1Timer()
{
    mEditor.animationStep();
}
