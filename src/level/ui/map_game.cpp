// The level editor's game formats: the 15-sector export, the level picture, the level disk and test-play.
#include "level/ui/map.h"

#include "common/desktopopener.h"
#include "common/ui/controls.h"
#include "disk/levelgamefiles.h"
#include "levelio/levelbinaryfile.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>

void TFormmap::connectGamePanels()
{
    const std::pair<const char*, void (TFormmap::*)()> buttons[] = {
        {"ButtonBinarySave15", &TFormmap::ButtonBinarySave15Click},
        {"Button31", &TFormmap::Button31Click},
        {"SpeedButton13", &TFormmap::SpeedButton13Click},
        {"SpeedButton14", &TFormmap::SpeedButton14Click},
        {"ButtonAtrLoad", &TFormmap::AtrLoad},
        {"ButtonAtrSave", &TFormmap::ButtonAtrSaveClick},
        {"ButtonPlayMatrix", &TFormmap::ButtonPlayMatrixClick},
    };
    for (const auto& [name, handler] : buttons) {
        auto* button = findChild<QPushButton*>(QLatin1String(name));
        Q_ASSERT(button);
        connectAct(button, &QPushButton::clicked, handler);
    }
}

void TFormmap::ButtonBinarySave15Click()
{
    QStringList log;
    // The byte lines of the build reach the log even when a later step fails.
    const auto flush = qScopeGuard([&] { AppendLines(Memo, log); });
    mGameFiles.saveBinary15(mDocument, SpinATRlevel->value(), mPicture.level(), log);
}

void TFormmap::Button31Click()
{
    saveaspic(mPicture.level(), QDir::current().absoluteFilePath(QStringLiteral("bild.bmp")));
}

void TFormmap::SpeedButton13Click()
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

void TFormmap::SpeedButton14Click()
{
    if (const std::optional<QString> failed = mGameFiles.testAtr(mDesktop))
        mDialogs.message(*failed);
}

void TFormmap::AtrLoad()
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

void TFormmap::ButtonAtrSaveClick()
{
    mGameFiles.atrSave(mDocument, SpinATRlevel->value());
}

void TFormmap::ButtonPlayMatrixClick()
{
    QStringList log;
    const auto flush = qScopeGuard([&] { AppendLines(Memo, log); });
    if (const std::optional<QString> failed =
            mGameFiles.playLevel(mDocument, SpinATRlevel->value(), mDesktop, log)) {
        AppendLines(Memo, log);
        log.clear();
        mDialogs.message(*failed);
    }
}
