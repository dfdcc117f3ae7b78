// The sound converter window: a thin view over SoundConverter with its plots and log.
#include "gui/sound/soundwindow.h"

#include "gui/common/controls.h"
#include "gui/common/windowmenu.h"

#include "gui/common/imageview.h"
#include "palette/ataricolor.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

ImageView* Plot(const QImage* image, const char* name, QWidget* parent)
{
    auto* view = new ImageView(image, parent);
    view->setObjectName(QLatin1String(name));
    view->setStretched(true);
    // Half size still shows every bar group clearly; the plots grow with the window.
    view->setMinimumSize(SoundConverter::kPlotWidth / 2, SoundConverter::kPlotHeight / 2);
    view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return view;
}

} // namespace

SoundWindow::SoundWindow(UserDialogs& dialogs, QWidget* parent)
    : DeferredWindow(parent), ActingWindow(dialogs), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("FormSoundconverter"));
    setWindowTitle(QStringLiteral("Zwerbel Soundconverter "));
    SetWindowBackground(this, kCream);
    resize(1000, 860);
}

void SoundWindow::buildControls()
{

    Paneltop = new QLabel(QStringLiteral("Keine Datei geladen"), this);
    Paneltop->setObjectName(QStringLiteral("Paneltop"));
    Paneltop->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Paneltop->setAlignment(Qt::AlignCenter);
    Paneltop->setMinimumHeight(28);
    Paneltop->setTextInteractionFlags(Qt::TextSelectableByMouse);

    paintbox = Plot(&mConverter.plot8(), "paintbox", this);
    paintbox8 = Plot(&mConverter.plot4(), "paintbox8", this);

    Memo1 = NamedLog("Memo1", this);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setMinimumHeight(120);

    ButtonLoadPicture = NamedButton(QStringLiteral("8Bit Sounddatei laden"), "ButtonLoadPicture", this);
    Button8to4 = NamedButton(QStringLiteral("8Bit to 4Bit LowNibble"), "Button8to4", this);
    Button8to4packed = NamedButton(QStringLiteral("8Bit to 4Bit Packed"), "Button8to4packed", this);
    Button8to4packedShuffled =
        NamedButton(QStringLiteral("8Bit to 4Bit Packed Shuffled4 linar"), "Button8to4packedShuffled", this);
    Button8to4packedShuffled8 =
        NamedButton(QStringLiteral("8Bit to 4Bit Packed Shuffled8 linear"), "Button8to4packedShuffled8", this);
    Button8to4packedShuffledModul =
        NamedButton(QStringLiteral("8Bit to 4Bit Packed Shuffled8 Modul "), "Button8to4packedShuffledModul", this);
    ButtonRAMsave = NamedButton(QStringLiteral("Atari RAM speichern"), "ButtonRAMsave", this);
    Buttonende = NamedButton(QStringLiteral("Fenster schliessen"), "Buttonende", this);

    // Buttons in the order of use: load, one conversion, save, close.
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ButtonLoadPicture);
    buttons->addSpacing(8);
    for (QPushButton* b : {Button8to4, Button8to4packed, Button8to4packedShuffled, Button8to4packedShuffled8,
                           Button8to4packedShuffledModul})
        buttons->addWidget(b);
    buttons->addSpacing(8);
    buttons->addWidget(ButtonRAMsave);
    buttons->addStretch(1);
    buttons->addWidget(Buttonende);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Memo1, 1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Paneltop);
    layout->addWidget(paintbox, 2);
    layout->addWidget(paintbox8, 2);
    layout->addLayout(bottom, 1);

    connectAct(ButtonLoadPicture, &QPushButton::clicked, &SoundWindow::ButtonLoadPictureClick);
    connectAct(Button8to4, &QPushButton::clicked, &SoundWindow::Button8to4Click);
    connectAct(Button8to4packed, &QPushButton::clicked, &SoundWindow::Button8to4packedClick);
    connectAct(Button8to4packedShuffled, &QPushButton::clicked, &SoundWindow::Button8to4packedShuffledClick);
    connectAct(Button8to4packedShuffled8, &QPushButton::clicked, &SoundWindow::Button8to4packedShuffled8Click);
    connectAct(Button8to4packedShuffledModul, &QPushButton::clicked, &SoundWindow::Button8to4packedShuffledModulClick);
    connectAct(ButtonRAMsave, &QPushButton::clicked, &SoundWindow::ButtonRAMsaveClick);
    connectAct(Buttonende, &QPushButton::clicked, &SoundWindow::ButtonendeClick);
    Memo1->setAccessibleName(QStringLiteral("Meldungen des Sound Converters"));
    SetTips(this, {
        {"ButtonLoadPicture", "Eine Sounddatei mit 8 Bit pro Sample laden"},
        {"Button8to4", "Jedes Sample auf 4 Bit im unteren Halbbyte umrechnen"},
        {"Button8to4packed", "Je zwei Samples mit 4 Bit in ein Byte packen"},
        {"Button8to4packedShuffled", "Gepackt, die Samples in Vierergruppen gemischt, linear"},
        {"Button8to4packedShuffled8", "Gepackt, die Samples in Achtergruppen gemischt, linear"},
        {"Button8to4packedShuffledModul", "Gepackt, die Samples in Achtergruppen gemischt, für das Modul"},
        {"ButtonRAMsave", "Das Ergebnis als Atari-RAM-Datei speichern"},
        {"Buttonende", "Das Fenster schließen"},
        {"Memo1", "Meldungen"},
    });
}

void SoundWindow::log(const QStringList& lines)
{
    // One block for many lines keeps the 255 lines of "Modul" from redrawing the log 255 times.
    AppendLines(Memo1, lines);
}

void SoundWindow::refresh()
{
    if (!controlsBuilt())
        return;
    paintbox->update();
    paintbox8->update();
}

void SoundWindow::drawPlots()
{
    log(mConverter.drawPlots());
}

void SoundWindow::ButtonLoadPictureClick()
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Sounddateien (*.snd)|*.snd|Alle Dateien (*.*)|*.*");
    request.filterIndex = 1;
    request.initialDir = QDir::currentPath();
    if (const auto fileName = mDialogs.openFile(request)) {
        log({QStringLiteral("Loading: ") + *fileName});
        log(mConverter.Soundladen(*fileName));
        Paneltop->setText(QStringLiteral("%1  (%2 Bytes)").arg(*fileName).arg(mConverter.CurrentLength()));
    }
    drawPlots();
}

void SoundWindow::Button8to4Click()
{
    log(mConverter.LowNibble());
}

void SoundWindow::Button8to4packedClick()
{
    log(mConverter.Packed());
}

void SoundWindow::Button8to4packedShuffledClick()
{
    log(mConverter.Shuffled4());
}

void SoundWindow::Button8to4packedShuffled8Click()
{
    log(mConverter.Shuffled8());
}

void SoundWindow::Button8to4packedShuffledModulClick()
{
    log(mConverter.Modul());
}

void SoundWindow::ButtonRAMsaveClick()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Speichern: Dateiname für die Pokey-Datei?");
    request.filter = QStringLiteral("Pokey Data RAM Datei  (*.bin)|*.bin|Alle Dateien (*.*)|*.*");
    request.filterIndex = 1;
    request.defaultExt = QStringLiteral("bin");
    request.fileName = QStringLiteral("Pokey.bin");
    request.initialDir = QDir::currentPath();
    const auto fileName = mDialogs.saveFile(request);
    if (!fileName)
        return;
    log({QStringLiteral("Speichere Datei: ") + *fileName});
    mConverter.Soundspeichern(*fileName);
}

void SoundWindow::ButtonendeClick()
{
    hide();
}
