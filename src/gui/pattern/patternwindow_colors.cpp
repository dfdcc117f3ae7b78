// The pattern editor window's colour handlers (registers, row colours, palette requests) and the animation.
#include "gui/pattern/patternwindow.h"

#include "gui/common/colorpanel.h"
#include "gui/common/imageview.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

void PatternWindow::connectColorHandlers()
{
    ColorPanel* panels[5] = {Farbe0, Farbe1, Farbe2, Farbe3, Farbe4};
    for (int k = 0; k < 5; ++k) {
        connectAct(panels[k], &ColorPanel::clicked, [this, k] { FarbeClick(k); });
        connectAct(panels[k], &ColorPanel::doubleClicked, [this, k] { FarbeDblClick(k); });
    }
    connectAct(DrawGrid1, &ImageView::released, [this](Qt::MouseButton, QPoint p) { DrawGrid1MouseUp(p); });
    connectAct(DrawGrid1, &ImageView::doubleClicked, &PatternWindow::DrawGrid1DblClick);
    connectAct(ButtonFarbeInit, &QPushButton::clicked, &PatternWindow::ButtonFarbeInitClick);
    connectAct(SpinEdit1, &QSpinBox::valueChanged, &PatternWindow::SpinEdit1Change);
    connectAct(Buttonanim, &QPushButton::clicked, &PatternWindow::ButtonanimClick);
    connectAct(Editphasen, &QLineEdit::textChanged, [this](const QString& text) { mEditor.document().setPhases(text); });
    connectAct(Timer1, &QTimer::timeout, &PatternWindow::Timer1Timer);
}

void PatternWindow::FarbeClick(int k)
{
    mEditor.selectRegister(k);
}

void PatternWindow::FarbeDblClick(int k)
{
    const auto request = mEditor.requestRegister(k);
    if (!request || !mLinks.requestColor)
        return;
    PaletteRequest r;
    r.caption = request->code;
    r.color = request->color;
    r.textColor = request->textColor;
    r.button = 1;
    r.answer = [this](const PaletteAnswer& a) { act([&] { ButtonwahlClick(a.color, a.code); }); };
    mLinks.requestColor(r);
}

void PatternWindow::ButtonwahlClick(PackedColor color, const QString& code)
{
    mEditor.acceptRegister(color, code);
}

void PatternWindow::DrawGrid1MouseUp(QPoint position)
{
    mEditor.selectRowColorCell(position.x(), position.y());
}

void PatternWindow::DrawGrid1DblClick()
{
    if (!mEditor.requestRowColor(mEditor.rowSelectionColumn()) || !mLinks.requestColor)
        return;
    PaletteRequest r;
    r.caption = mEditor.registers()[0].code();
    r.textColor = mEditor.registers()[0].textColor;
    r.spinX = mEditor.rowSelectionColumn();
    r.spinY = mEditor.rowSelectionRow();
    r.button = 3;
    r.answer = [this](const PaletteAnswer& a) { act([&] { Buttonwahl3Click(a.spinX, a.spinY, a.color, a.code); }); };
    mLinks.requestColor(r);
}

void PatternWindow::Buttonwahl3Click(int column, int row, PackedColor color, const QString& code)
{
    mEditor.acceptRowColor(column, row, color, code);
}

void PatternWindow::ButtonFarbeInitClick()
{
    mEditor.farbenInit();
}

void PatternWindow::SpinEdit1Change(int value)
{
    mEditor.setSpeed(value);
    Timer1->setInterval(mEditor.animation().interval());
}

void PatternWindow::setAnimationControlsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{ButtonSpeichern, ButtonLaden, ButtonVerwerfen, ButtonFill,
                                                       Buttonhoch, ButtonRunter, SpinTilenumber, SpinFontsetnumber})
        w->setEnabled(enabled);
}

void PatternWindow::ButtonanimClick()
{
    mEditor.document().setPhases(Editphasen->text());
    mEditor.toggleAnimation();
    const bool running = mEditor.animation().running();
    Buttonanim->setText(running ? QStringLiteral("Stop Anim") : QStringLiteral("Start Anim"));
    setAnimationControlsEnabled(!running);
    if (running) {
        Timer1->setInterval(mEditor.animation().interval());
        Timer1->start();
    } else {
        Timer1->stop();
    }
}

void PatternWindow::Timer1Timer()
{
    mEditor.animationStep();
}
