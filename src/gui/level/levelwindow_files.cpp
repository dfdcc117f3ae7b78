// The level editor's level file buttons.
#include "gui/level/levelwindow.h"

#include "level/levelfile.h"

#include <QLabel>
#include <QPushButton>

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
    mRecent.add(*fileName);
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
    if (!MayReplaceUnsavedWork(mDialogs, fileName, unsavedWork()))
        return;
    // Named once loaded: a file that fails changes nothing, its label neither.
    mSession.loadLevel(fileName);
    mRecent.add(fileName);
    Label13->setText(LevelLabelFor(fileName));
}

void LevelWindow::restoreLevel(const QByteArray& bytes, const QString& source)
{
    ensureControls();
    const QString label = mSession.restoreLevel(bytes, source);
    Label13->setText(label);
    refresh();
}

QString LevelWindow::levelLabel() const
{
    return Label13 ? Label13->text() : InitialLevelLabel();
}

std::vector<UnsavedWork> LevelWindow::unsavedWork()
{
    return {{QStringLiteral("Level Editor: Level geändert"), [this] { return mDocument.isModified(); },
             [this] {
                 ensureControls();
                 ButtonSaveFile->click();
             }}};
}

void LevelWindow::openLevelFile(const QString& fileName)
{
    ensureControls();
    act([&] { loadChosenLevelFile(fileName); });
}
