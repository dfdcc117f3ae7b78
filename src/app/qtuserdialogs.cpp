// Qt implementation of the user dialogs.
#include "app/qtuserdialogs.h"

#include "common/displaytext.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

QStringList QtUserDialogs::qtFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // The descriptions already name their patterns; Qt reads them from the last parentheses.
        filters << (parts[i].contains(QLatin1Char('(')) ? parts[i].trimmed()
                                                         : QStringLiteral("%1 (%2)").arg(parts[i], patterns));
    }
    return filters;
}

std::optional<QString> QtUserDialogs::run(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(mParent ? mParent : QApplication::activeWindow(), request.title, request.initialDir);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = qtFilters(request.filter);
    dialog.setNameFilters(filters);
    // The dialog keeps its filters with single blanks; selecting goes by that form.
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1].simplified());
    // The list shows them as written ("Pokey Data RAM Datei  (*.bin)"); the dialog filters by index.
    if (auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")); types && types->count() == filters.size())
        for (int i = 0; i < filters.size(); ++i)
            types->setItemText(i, filters[i]);
    if (!request.defaultExt.isEmpty())
        dialog.setDefaultSuffix(request.defaultExt);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtUserDialogs::openFile(const FileDialogRequest& request)
{
    return run(request, false);
}

std::optional<QString> QtUserDialogs::saveFile(const FileDialogRequest& request)
{
    return run(request, true);
}

int QtUserDialogs::showBox(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons)
{
    // A text too long for the screen is shown cut, so the box and its buttons stay within reach;
    // the whole text stays in the details for copying.
    const QString shown = DisplayText(text);
    QMessageBox box(icon, QApplication::applicationDisplayName(), shown, buttons,
                    mParent ? mParent : QApplication::activeWindow());
    if (shown != text)
        box.setDetailedText(text);
    return box.exec();
}

UserDialogs::Answer QtUserDialogs::confirm(const QString& text)
{
    const int button =
        showBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

UserDialogs::SaveAnswer QtUserDialogs::askSave(const QString& text)
{
    const QString shown = DisplayText(text);
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), shown,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, mParent ? mParent : QApplication::activeWindow());
    if (shown != text)
        box.setDetailedText(text);
    // Each answer has its key (Alt+S, Alt+V, Alt+A), so the question is answered without the mouse.
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
        const char* name;
    } answers[] = {{QMessageBox::Save, "&Speichern", "ButtonSpeichern"},
                   {QMessageBox::Discard, "&Verwerfen", "ButtonVerwerfen"},
                   {QMessageBox::Cancel, "&Abbrechen", "ButtonAbbrechen"}};
    for (const auto& answer : answers) {
        box.button(answer.button)->setText(QString::fromUtf8(answer.text));
        box.button(answer.button)->setObjectName(QLatin1String(answer.name));
    }
    box.setDefaultButton(QMessageBox::Save);
    const int button = box.exec();
    if (button == QMessageBox::Save)
        return SaveAnswer::Save;
    return button == QMessageBox::Discard ? SaveAnswer::Discard : SaveAnswer::Cancel;
}

UserDialogs::RecoverAnswer QtUserDialogs::askRecover(const QString& text)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), DisplayText(text), QMessageBox::NoButton,
                    mParent ? mParent : QApplication::activeWindow());
    QPushButton* restore = box.addButton(QStringLiteral("Wiederherstellen"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    restore->setObjectName(QStringLiteral("ButtonWiederherstellen"));
    discard->setObjectName(QStringLiteral("ButtonVerwerfen"));
    box.setDefaultButton(restore);
    box.exec();
    if (box.clickedButton() == restore)
        return RecoverAnswer::Restore;
    return box.clickedButton() == discard ? RecoverAnswer::Discard : RecoverAnswer::Later;
}

void QtUserDialogs::message(const QString& text)
{
    showBox(QMessageBox::Information, text, QMessageBox::Ok);
}

void QtUserDialogs::error(const QString& text)
{
    showBox(QMessageBox::Critical, text, QMessageBox::Ok);
}
