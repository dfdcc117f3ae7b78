// The level editor's game formats: the 15-sector export, the level picture, the level disk and test-play.
#include "gui/level/levelwindow.h"

#include "common/desktopopener.h"
#include "gui/common/controls.h"
#include "disk/levelgamefiles.h"
#include "gui/level/emulatordialog.h"
#include "levelio/levelbinaryfile.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>

void LevelWindow::connectGamePanels()
{
    const std::pair<const char*, void (LevelWindow::*)()> buttons[] = {
        {"ButtonBinarySave15", &LevelWindow::ButtonBinarySave15Click},
        {"Button31", &LevelWindow::Button31Click},
        {"SpeedButton13", &LevelWindow::SpeedButton13Click},
        {"SpeedButton14", &LevelWindow::SpeedButton14Click},
        {"ButtonEmulator", &LevelWindow::ButtonEmulatorClick},
        {"ButtonAtrLoad", &LevelWindow::AtrLoad},
        {"ButtonAtrSave", &LevelWindow::ButtonAtrSaveClick},
    };
    for (const auto& [name, handler] : buttons) {
        auto* button = findChild<QPushButton*>(QLatin1String(name));
        Q_ASSERT(button);
        connectAct(button, &QPushButton::clicked, handler);
    }
    // The level code and the byte view, on the same page.
    connectAct(Button1, &QPushButton::clicked, &LevelWindow::Button1Click);
    connectAct(Button30, &QPushButton::clicked, &LevelWindow::Button30Click);
}

void LevelWindow::ButtonBinarySave15Click()
{
    ensurePage(LevelPage::Spielelemente); // the log
    QStringList log;
    // The byte lines of the build reach the log even when a later step fails.
    const auto flush = qScopeGuard([&] { AppendLines(Memo, log); });
    mGameFiles.saveBinary15(mDocument, SpinATRlevel->value(), mPicture.level(), log);
}

void LevelWindow::Button31Click()
{
    saveaspic(mPicture.level(), QDir::current().absoluteFilePath(QStringLiteral("bild.bmp")));
}

void LevelWindow::SpeedButton13Click()
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Tavrel ATR Dateien für Atari 8Bit (*.atr)|*.atr|Alle Dateien (*.*)|*.*");
    request.filterIndex = 1;
    request.fileName = mGameFiles.atrPath();
    const std::optional<QString> fileName = mDialogs.openFile(request);
    if (!fileName)
        return;
    mGameFiles.chooseAtr(*fileName);
    LabelATRname->setText(mGameFiles.atrLabel());
}

void LevelWindow::SpeedButton14Click()
{
    if (const std::optional<QString> failed = mGameFiles.testAtr(mDesktop))
        mDialogs.message(*failed);
}

void LevelWindow::ButtonEmulatorClick()
{
    auto* dialog = new EmulatorDialog(mDialogs, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void LevelWindow::AtrLoad()
{
    // One guard of its own over all steps: a failure is shown as "Fehler: " and its text, and the
    // steps after it are skipped.
    try {
        mGameFiles.atrLoad(mDocument, SpinATRlevel->value());
        mSession.drawlevel();
    } catch (const TavrelError& e) {
        mDialogs.message(QStringLiteral("Fehler: ") + e.message());
    }
}

void LevelWindow::ButtonAtrSaveClick()
{
    if (const std::optional<QString> note = mGameFiles.atrSave(mDocument, SpinATRlevel->value()))
        addLog(*note);
    mDocument.markSaved();
}

void LevelWindow::ButtonPlayMatrixClick()
{
    // The slot field and the log stand on pages of their own.
    ensurePage(LevelPage::Daten);
    ensurePage(LevelPage::Spielelemente);
    QStringList log;
    const auto flush = qScopeGuard([&] { AppendLines(Memo, log); });
    if (const std::optional<QString> failed =
            mGameFiles.playLevel(mDocument, SpinATRlevel->value(), mDesktop, log)) {
        AppendLines(Memo, log);
        log.clear();
        mDialogs.message(*failed);
    }
}
