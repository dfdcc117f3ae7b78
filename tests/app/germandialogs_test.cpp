// The real dialogs speak German with Qt's own translations, and keep the program's titles and filters.
#include "app/germantranslations.h"
#include "app/qtuserdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList ButtonTexts(QWidget* dialog)
{
    QStringList texts;
    for (auto* b : dialog->findChildren<QAbstractButton*>())
        if (b->isVisible() && !b->text().isEmpty())
            texts << b->text().remove(QLatin1Char('&'));
    texts.sort();
    return texts;
}

QStringList LabelTexts(QWidget* dialog)
{
    QStringList texts;
    for (auto* l : dialog->findChildren<QLabel*>())
        if (l->isVisible() && !l->text().isEmpty())
            texts << l->text().remove(QLatin1Char('&'));
    return texts;
}

class GermanDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!installed)
            installed = InstallGermanQtTranslations();
        if (!installed)
            GTEST_SKIP() << "Qt's German translations are not installed (qt6-translations-l10n)";
    }
    // Runs `inspect` on the modal dialog once it is up, then closes it.
    void whenShown(std::function<void(QWidget*)> inspect)
    {
        QTimer::singleShot(50, [inspect] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) {
                ADD_FAILURE() << "no dialog";
                return;
            }
            inspect(dialog);
            dialog->close();
        });
    }
    static inline bool installed = false;
};

} // namespace

TEST_F(GermanDialogs, SaveDialogKeepsTitleAndFiltersAndSpeaksGerman)
{
    QTemporaryDir dir;
    FileDialogRequest request;
    request.title = QStringLiteral("Speichern: Dateiname für die Pokey-Datei?");
    request.filter = QStringLiteral("Pokey Data RAM Datei  (*.bin)|*.bin|Alle Dateien (*.*)|*.*");
    request.fileName = QStringLiteral("Pokey.bin");
    request.defaultExt = QStringLiteral("bin");
    request.initialDir = dir.path();
    QString title;
    QStringList filters, buttons, labels;
    whenShown([&](QWidget* dialog) {
        title = dialog->windowTitle();
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        for (int i = 0; i < types->count(); ++i)
            filters << types->itemText(i);
        buttons = ButtonTexts(dialog->findChild<QDialogButtonBox*>());
        labels = LabelTexts(dialog);
    });
    EXPECT_EQ(QtUserDialogs().saveFile(request), std::nullopt);
    EXPECT_EQ(title, request.title);
    EXPECT_EQ(filters, (QStringList{QStringLiteral("Pokey Data RAM Datei  (*.bin)"), QStringLiteral("Alle Dateien (*.*)")}));
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("Speichern")}));
    EXPECT_TRUE(labels.contains(QStringLiteral("Dateiname:"))) << labels.join(QLatin1Char('|')).toStdString();
}

TEST_F(GermanDialogs, ConfirmationButtonsAreGerman)
{
    QStringList buttons;
    whenShown([&](QWidget* dialog) { buttons = ButtonTexts(dialog); });
    EXPECT_EQ(QtUserDialogs().confirm(QStringLiteral("Level speichern?")), UserDialogs::Answer::Cancel);
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("Ja"), QStringLiteral("Nein")}));
}

TEST_F(GermanDialogs, SaveQuestionButtonsAreGerman)
{
    QStringList buttons;
    whenShown([&](QWidget* dialog) { buttons = ButtonTexts(dialog); });
    EXPECT_EQ(QtUserDialogs().askSave(QStringLiteral("Ungesicherte Arbeit")), UserDialogs::SaveAnswer::Cancel);
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("Speichern"), QStringLiteral("Verwerfen")}));
}
