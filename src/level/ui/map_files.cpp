// The level editor's level file buttons.
#include "level/ui/map.h"

#include "level/levelfile.h"

#include <QLabel>

FileDialogRequest TFormmap::levelDialog() const
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Tavrel Level Dateien für Atari 8Bit (*.la8)|*.la8|Alle Dateien (*.*)|*.*");
    request.filterIndex = 1;
    request.fileName = ProposedLevelFileName(Label13->text());
    return request;
}

void TFormmap::ButtonSaveFileClick()
{
    FileDialogRequest request = levelDialog();
    request.title = QStringLiteral("Speichern: Dateiname für die Leveldaten?");
    request.defaultExt = QStringLiteral("la8");
    const std::optional<QString> fileName = mDialogs.saveFile(request);
    if (!fileName)
        return;
    Label13->setText(LevelLabelFor(*fileName));
    SaveLevelFile(mDocument, *fileName);
    mDialogs.message(QStringLiteral("OK"));
}

void TFormmap::ButtonLoadFileClick()
{
    const std::optional<QString> fileName = mDialogs.openFile(levelDialog());
    if (!fileName)
        return;
    Label13->setText(LevelLabelFor(*fileName));
    mSession.loadLevel(*fileName);
}
