// The emulator command dialog: a command line with a file chooser, "Standard", OK and Abbrechen.
#include "gui/common/windowmenu.h"
#include "gui/level/emulatordialog.h"

#include "gui/common/controls.h"
#include "common/userdialogs.h"
#include "disk/emulatorcommand.h"
#include "disk/gamestarter.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

EmulatorDialog::EmulatorDialog(UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("EmulatorDialog"));
    setWindowTitle(QStringLiteral("Emulator für Play Level und Test ATR"));
    auto* grid = new QGridLayout(this);

    auto* label = new QLabel(QStringLiteral("&Befehlszeile des Emulators:"), this);
    mCommand = Named(new QLineEdit(StoredEmulatorCommand(), this), "EditEmulator");
    mCommand->setPlaceholderText(QStringLiteral("Standard"));
    mCommand->setMinimumWidth(420);
    label->setBuddy(mCommand);
    auto* browseButton = NamedButton(QStringLiteral("Durchsuchen…"), "ButtonDurchsuchen", this);
    auto* standard = NamedButton(QStringLiteral("Standard"), "ButtonStandard", this);
    standard->setToolTip(QStringLiteral("Kein eigener Befehl: das Programm, das der Desktop der Datei zuordnet, "
                                        "sonst %1 aus dem Suchpfad")
                             .arg(PathEmulatorName()));

    QString note = QStringLiteral("%f steht für die Atari-Datei mit vollem Pfad; ohne %f wird sie als letztes "
                                  "Argument angehängt. Leer (Standard): das Programm, das der Desktop der Datei "
                                  "zuordnet, sonst %1 aus dem Suchpfad.")
                       .arg(PathEmulatorName());
    const QString fromEnvironment = qEnvironmentVariable("TAVREL_EMULATOR").trimmed();
    if (!fromEnvironment.isEmpty())
        note += QStringLiteral(" Ohne eigenen Befehl gilt hier TAVREL_EMULATOR: ") + fromEnvironment;
    auto* hint = Named(new QLabel(note, this), "LabelEmulatorHinweis");
    hint->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ButtonOK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ButtonAbbrechen"));

    grid->addWidget(label, 0, 0, 1, 3);
    grid->addWidget(mCommand, 1, 0);
    grid->addWidget(browseButton, 1, 1);
    grid->addWidget(standard, 1, 2);
    grid->addWidget(hint, 2, 0, 1, 3);
    grid->addWidget(buttons, 3, 0, 1, 3);

    connect(browseButton, &QPushButton::clicked, this, &EmulatorDialog::browse);
    connect(standard, &QPushButton::clicked, mCommand, &QLineEdit::clear);
    connect(buttons, &QDialogButtonBox::accepted, this, &EmulatorDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EmulatorDialog::reject);
    SetTips(this, {
        {"ButtonDurchsuchen", "Das Programm des Emulators suchen"},
        {"ButtonStandard", "Den Emulator wieder selbst suchen lassen"},
    });
}

void EmulatorDialog::accept()
{
    // A command that could not be kept leaves the dialog open, so nothing typed is lost.
    if (!StoreEmulatorCommand(mCommand->text())) {
        mDialogs.error(EmulatorSettingNotSavedMessage());
        return;
    }
    QDialog::accept();
}

void EmulatorDialog::browse()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Emulator wählen");
    request.filter = QStringLiteral("Alle Dateien (*)|*");
    const std::optional<EmulatorCall> current = EmulatorCallFor(mCommand->text(), QString());
    if (current)
        request.fileName = current->program;
    const std::optional<QString> program = mDialogs.openFile(request);
    if (!program)
        return;
    // The chosen program with the file as its argument; the program stays one word whatever its path holds.
    mCommand->setText(QuotedProgram(*program) + QStringLiteral(" %f"));
}
