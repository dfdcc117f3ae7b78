// The level editor's level file buttons.
#include "gui/level/levelwindow.h"

#include "level/levelfile.h"

#include <QLabel>

FileDialogRequest LevelWindow::levelDialog() const
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Tavrel Level Dateien für Atari 8Bit (*.la8)|*.la8|Alle Dateien (*.*)|*.*");
    request.filterIndex = 1;
    request.fileName = ProposedLevelFileName(Label13->text());
    return request;
}

void LevelWindow::ButtonSaveFileClick()
{
    FileDialogRequest request = levelDialog();
    request.title = QStringLiteral("Speichern: Dateiname für die Leveldaten?");
    request.defaultExt = QStringLiteral("la8");
    const std::optional<QString> fileName = mDialogs.saveFile(request);
    if (!fileName)
        return;
    Label13->setText(LevelLabelFor(*fileName));
    SaveLevelFile(mDocument, *fileName);
    mDocument.markSaved();
    mDialogs.message(QStringLiteral("OK"));
}

void LevelWindow::ButtonLoadFileClick()
{
    const std::optional<QString> fileName = mDialogs.openFile(levelDialog());
    if (!fileName)
        return;
    loadChosenLevelFile(*fileName);
}

void LevelWindow::loadChosenLevelFile(const QString& fileName)
{
    Label13->setText(LevelLabelFor(fileName));
    mSession.loadLevel(fileName);
}

void LevelWindow::openLevelFile(const QString& fileName)
{
    ensureControls();
    act([&] { loadChosenLevelFile(fileName); });
}
