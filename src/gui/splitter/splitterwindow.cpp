// The file splitter window: load a file, choose an inclusive byte range, save it.
#include "gui/splitter/splitterwindow.h"

#include "gui/common/controls.h"
#include "gui/common/windowmenu.h"
#include "gui/common/rangespinbox.h"

#include "palette/ataricolor.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

namespace {

QSpinBox* PositionSpin(const char* name, QWidget* parent)
{
    // Positions are not limited while typing; saving keeps to the loaded file.
    constexpr int kLimit = std::numeric_limits<int>::max();
    auto* spin = Named(new RangeSpinBox(-kLimit, kLimit, 0, parent), name);
    spin->setMinimumWidth(130);
    return spin;
}

} // namespace

SplitterWindow::SplitterWindow(UserDialogs& dialogs, QWidget* parent)
    : DeferredWindow(parent), ActingWindow(dialogs), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("Formsplitter"));
    setWindowTitle(QStringLiteral("Datei Splitter"));
    SetWindowBackground(this, kCream);
    resize(600, 400);
}

void SplitterWindow::buildControls()
{

    Paneltop = new QLabel(this);
    Paneltop->setObjectName(QStringLiteral("Paneltop"));
    Paneltop->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Paneltop->setAlignment(Qt::AlignCenter);
    Paneltop->setMinimumHeight(28);
    Paneltop->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Memo1 = NamedLog("Memo1", this);

    ButtonLoad = NamedButton(QStringLiteral("Datei laden"), "ButtonLoad", this);
    Spinstart = PositionSpin("Spinstart", this);
    Spinstop = PositionSpin("Spinstop", this);
    Spinlaenge = PositionSpin("Spinlaenge", this);
    Buttonsave = NamedButton(QStringLiteral("Teilstück speichern"), "Buttonsave", this);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Start bei Byte"), Spinstart);
    fields->addRow(QStringLiteral("Stopp bei Byte"), Spinstop);
    fields->addRow(QStringLiteral("Länge in Bytes"), Spinlaenge);

    auto* controls = new QVBoxLayout;
    controls->addWidget(ButtonLoad);
    controls->addSpacing(8);
    controls->addLayout(fields);
    controls->addSpacing(8);
    controls->addWidget(Buttonsave);
    controls->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addWidget(Memo1, 1);
    body->addLayout(controls);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Paneltop);
    layout->addLayout(body, 1);

    connectAct(ButtonLoad, &QPushButton::clicked, &SplitterWindow::ButtonLoadClick);
    connectAct(Buttonsave, &QPushButton::clicked, &SplitterWindow::ButtonsaveClick);
    connectAct(Spinstart, &QSpinBox::valueChanged, &SplitterWindow::SpinstartChange);
    connectAct(Spinstop, &QSpinBox::valueChanged, &SplitterWindow::SpinstopChange);
    Paneltop->setAccessibleName(QStringLiteral("Geladene Datei"));
    Memo1->setAccessibleName(QStringLiteral("Meldungen des Datei Splitters"));
    SetTips(this, {
        {"ButtonLoad", "Die Datei laden, aus der ein Stück geschnitten wird"},
        {"Buttonsave", "Das Stück von Start bis Stopp in eine eigene Datei speichern"},
        {"Spinstart", "Das erste Byte des Stücks"},
        {"Spinstop", "Das letzte Byte des Stücks"},
        {"Spinlaenge", "Die Länge des Stücks in Bytes"},
        {"Paneltop", "Die geladene Datei"},
        {"Memo1", "Meldungen"},
    });
}

void SplitterWindow::log(const QStringList& lines)
{
    AppendLines(Memo1, lines);
}

void SplitterWindow::refresh()
{
    if (controlsBuilt())
        Spinlaenge->setValue(SplitLength(Spinstart->value(), Spinstop->value()));
}

// The length follows through the refresh after each handler.
void SplitterWindow::SpinstartChange() {}
void SplitterWindow::SpinstopChange() {}

void SplitterWindow::ButtonLoadClick()
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Alle Dateien (*.*)|*.*");
    request.initialDir = QDir::currentPath();
    const auto fileName = mDialogs.openFile(request);
    if (!fileName)
        return;
    log({QStringLiteral("Loading: ") + *fileName});
    log(mBuffer.dateiladen(*fileName));
    Paneltop->setText(QStringLiteral("%1  (%2 Bytes)").arg(*fileName).arg(mBuffer.size()));
    Spinstart->setValue(1);
    Spinstop->setValue(mBuffer.size());
}

void SplitterWindow::ButtonsaveClick()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Speichern: Dateiname für Teilstück angeben?");
    request.filter = QStringLiteral("Alle Dateien (*.*)|*.*");
    request.defaultExt = QStringLiteral("bin");
    request.fileName = QStringLiteral("Teilstueck.bin");
    request.initialDir = QDir::currentPath();
    const auto fileName = mDialogs.saveFile(request);
    if (!fileName)
        return;
    log({QStringLiteral("Speichere Datei: ") + *fileName});
    mBuffer.Dateispeichern(*fileName, Spinstart->value(), Spinstop->value());
}
