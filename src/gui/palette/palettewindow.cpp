// The Atari palette window: grid, preview, info line and the accept buttons of the request protocol.
#include "gui/common/windowmenu.h"
#include "gui/palette/palettewindow.h"

#include "common/guard.h"
#include "gui/common/colorpanel.h"
#include "gui/common/controls.h"
#include "gui/common/imageview.h"
#include "palette/palettepick.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>
#include <climits>

namespace {

constexpr int kRowLabelWidth = 20;

QLabel* DigitLabel(int value, QWidget* parent)
{
    auto* label = new QLabel(QString(HexDigitChar(value)), parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QSpinBox* UnlimitedSpin(const QString& name, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(INT_MIN, INT_MAX);
    spin->hide();
    return spin;
}

} // namespace

PaletteWindow::PaletteWindow(UserDialogs& dialogs, QWidget* parent)
    : DeferredWindow(parent), ActingWindow(dialogs)
{
    setObjectName(QStringLiteral("Formcolor"));
    setWindowTitle(QStringLiteral("Atari Palette"));
    SetWindowBackground(this, kCream);
    resize(564, 655);
}

void PaletteWindow::buildControls()
{
    mGridImage = DrawPaletteGrid();

    LabelHeading = new QLabel(QStringLiteral("Bitte eine Atari Farbe durch Anklicken auswählen:"), this);
    LabelHeading->setObjectName(QStringLiteral("LabelHeading"));
    QFont headingFont = LabelHeading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    LabelHeading->setFont(headingFont);

    // The luminance digits sit over the columns, the hue digits left of the rows.
    auto* header = new QHBoxLayout;
    header->setSpacing(0);
    header->addSpacing(kRowLabelWidth);
    for (int column = 0; column < kPaletteGridCells; ++column) {
        QLabel* digit = DigitLabel(column, this);
        digit->setFixedWidth(kPaletteCellPitch);
        header->addWidget(digit);
    }
    header->addStretch();

    auto* rowLabels = new QVBoxLayout;
    rowLabels->setSpacing(0);
    for (int row = 0; row < kPaletteGridCells; ++row) {
        QLabel* digit = DigitLabel(row, this);
        digit->setFixedSize(kRowLabelWidth, kPaletteCellPitch);
        rowLabels->addWidget(digit);
    }

    DrawGrid1 = new ImageView(&mGridImage, this);
    DrawGrid1->setObjectName(QStringLiteral("DrawGrid1"));
    DrawGrid1->setCursor(Qt::PointingHandCursor);
    DrawGrid1->setKeyboardCells(QSize(kPaletteCellPitch, kPaletteCellPitch), kPaletteGridCells, kPaletteGridCells);
    DrawGrid1->setAccessibleName(QStringLiteral("Atari Farben"));
    DrawGrid1->setAccessibleDescription(QStringLiteral("Pfeiltasten wählen, Leertaste: Klick, F2: Doppelklick"));

    auto* gridRow = new QHBoxLayout;
    gridRow->setSpacing(0);
    gridRow->addLayout(rowLabels);
    gridRow->addWidget(DrawGrid1);
    gridRow->addStretch();

    Panel1 = new ColorPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedSize(90, 54);
    Panel1->setText(QStringLiteral("00"));
    QFont panelFont = Panel1->font();
    panelFont.setBold(true);
    panelFont.setPointSizeF(panelFont.pointSizeF() * 1.3);
    Panel1->setFont(panelFont);

    labelinfo = new QLabel(PaletteInitialInfo(), this);
    labelinfo->setObjectName(QStringLiteral("labelinfo"));

    Labelfarbe = new QLabel(this);
    Labelfarbe->setObjectName(QStringLiteral("Labelfarbe"));
    Labelfarbe->hide();
    SpinX = UnlimitedSpin(QStringLiteral("SpinX"), this);
    SpinY = UnlimitedSpin(QStringLiteral("SpinY"), this);

    auto makeAccept = [this](const QString& name, int button) {
        auto* accept = new QPushButton(QStringLiteral("Übernehmen"), this);
        accept->setObjectName(name);
        accept->hide();
        connectAct(accept, &QPushButton::clicked, [this, button] { ButtonwahlClick(button); });
        return accept;
    };
    Buttonwahl = makeAccept(QStringLiteral("Buttonwahl"), 1);
    Buttonwahl2 = makeAccept(QStringLiteral("Buttonwahl2"), 2);
    Buttonwahl3 = makeAccept(QStringLiteral("Buttonwahl3"), 3);

    ButtonAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    ButtonAbbrechen->setObjectName(QStringLiteral("ButtonAbbrechen"));

    // The info line above the buttons, both right of the preview, so that the grid keeps its room.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Buttonwahl);
    buttons->addWidget(Buttonwahl2);
    buttons->addWidget(Buttonwahl3);
    buttons->addWidget(ButtonAbbrechen);

    auto* infoAndButtons = new QVBoxLayout;
    infoAndButtons->addWidget(labelinfo);
    infoAndButtons->addLayout(buttons);

    auto* preview = new QHBoxLayout;
    preview->addSpacing(kRowLabelWidth);
    preview->addWidget(Panel1);
    preview->addSpacing(12);
    preview->addLayout(infoAndButtons, 1);
    preview->addWidget(Labelfarbe);
    preview->addWidget(SpinX);
    preview->addWidget(SpinY);

    auto* gridWithLabels = new QVBoxLayout;
    gridWithLabels->setSpacing(0);
    gridWithLabels->addLayout(header);
    gridWithLabels->addLayout(gridRow);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);
    layout->addWidget(LabelHeading);
    layout->addLayout(gridWithLabels);
    layout->addLayout(preview);
    layout->addStretch();

    connectAct(DrawGrid1, &ImageView::released, [this](Qt::MouseButton, QPoint position) { DrawGrid1MouseUp(position); });
    connectAct(DrawGrid1, &ImageView::doubleClicked, [this](Qt::MouseButton button, QPoint) {
        if (button == Qt::LeftButton)
            DrawGrid1DblClick();
    });
    connectAct(ButtonAbbrechen, &QPushButton::clicked, &PaletteWindow::ButtonAbbrechenClick);
    SetTips(this, {
        {"Buttonwahl", "Die gewählte Farbe übernehmen"},
        {"Buttonwahl2", "Die gewählte Farbe übernehmen"},
        {"Buttonwahl3", "Die gewählte Farbe übernehmen"},
        {"ButtonAbbrechen", "Das Fenster schließen, ohne eine Farbe zu übernehmen"},
        {"DrawGrid1", "Die 256 Atari Farben: Klick wählt eine Farbe"},
    });
}

QPushButton* PaletteWindow::acceptButton(int button) const
{
    switch (button) {
    case 1: return Buttonwahl;
    case 2: return Buttonwahl2;
    case 3: return Buttonwahl3;
    default: return nullptr;
    }
}

void PaletteWindow::request(const PaletteRequest& r)
{
    ensureControls();
    if (r.caption)
        Panel1->setText(*r.caption);
    if (r.color)
        Panel1->setColor(*r.color);
    if (r.textColor)
        Panel1->setTextColor(*r.textColor);
    if (r.target)
        Labelfarbe->setText(*r.target);
    if (r.spinX)
        SpinX->setValue(*r.spinX);
    if (r.spinY)
        SpinY->setValue(*r.spinY);
    // A button another requester opened stays visible beside this one.
    if (QPushButton* accept = acceptButton(r.button)) {
        mAnswers[r.button - 1] = r.answer;
        accept->show();
    }
    ShowWindow(this);
}

void PaletteWindow::DrawGrid1MouseUp(QPoint position)
{
    const PalettePick pick = PickAt(position.x(), position.y());
    Panel1->setText(pick.colorCode());
    Panel1->setTextColor(pick.textColor());
    labelinfo->setText(pick.infoText());
    Panel1->setColor(pick.color());
}

void PaletteWindow::DrawGrid1DblClick()
{
    // Visibility is asked of each button in turn: Buttonwahl's answer closes the window, which hides
    // Buttonwahl2 before it is looked at. Row colours (Buttonwahl3) need the button itself.
    // Each answer on its own: a failing first one still leaves the second its turn.
    if (!Buttonwahl->isHidden())
        act([this] { ButtonwahlClick(1); });
    if (!Buttonwahl2->isHidden())
        act([this] { ButtonwahlClick(2); });
}

void PaletteWindow::ButtonAbbrechenClick()
{
    Buttonwahl->hide();
    close();
}

void PaletteWindow::ButtonwahlClick(int button)
{
    QPushButton* accept = acceptButton(button);
    if (!accept)
        return;
    if (const auto& answer = mAnswers[button - 1]) {
        PaletteAnswer a;
        a.button = button;
        a.code = Panel1->text();
        a.color = Panel1->color();
        a.target = Labelfarbe->text();
        a.spinX = SpinX->value();
        a.spinY = SpinY->value();
        answer(a);
    }
    // Not reached when the answer fails: the request stays open, as the user left it.
    accept->hide();
    close();
}

void PaletteWindow::showEvent(QShowEvent* event)
{
    // Restoring a minimised window is no new showing.
    if (!event->spontaneous())
        labelinfo->setText(PaletteInitialInfo());
    QWidget::showEvent(event);
}

void PaletteWindow::closeEvent(QCloseEvent* event)
{
    if (controlsBuilt()) {
        Buttonwahl->hide();
        Buttonwahl2->hide();
        Buttonwahl3->hide();
    }
    QWidget::closeEvent(event);
}
