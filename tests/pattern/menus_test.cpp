// The main window's menus: each entry presses its button, the standard keys work with the focus
// anywhere in the window (Ctrl+Z after painting undoes the painting), the recent files outlast a
// restart and F1 shows the guide with its pictures.
#include "common/programsettings.h"
#include "common/recentfiles.h"
#include "gui/common/imageview.h"
#include "gui/pattern/patternwindow.h"
#include "pattern/fontfile.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

class MenusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProgramSettings().remove(QStringLiteral("zuletzt"));
        ASSERT_TRUE(dir.isValid());
        PatternEditor seed;
        seed.document().setPatternByte(1, 1, 0, 0, QStringLiteral("27"));
        SaveFontFile(seed, dir.filePath(QStringLiteral("Vorarado.fa8")));
        open();
    }
    void TearDown() override { ProgramSettings().remove(QStringLiteral("zuletzt")); }
    // A window as a new run of the program makes it.
    void open()
    {
        form = std::make_unique<PatternWindow>(dialogs, dir.path());
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    QString dataCell(int h, int y) { return Control<QTableWidget>(&*form, "data")->item(y, h)->text(); }
    // The entries of Datei → "Zuletzt geöffnet", as the menu shows them when it opens.
    QStringList recentEntries()
    {
        auto* menu = Control<QMenu>(&*form, "MenuZuletzt");
        emit menu->aboutToShow();
        QStringList texts;
        for (QAction* a : menu->actions())
            if (a->objectName().startsWith(QLatin1String("recentFile")))
                texts << a->text();
        return texts;
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<PatternWindow> form;
};

} // namespace

TEST_F(MenusTest, EachEntryPressesItsButton)
{
    const std::pair<const char*, const char*> entries[] = {
        {"actionFontLaden", "ButtonLoadFile"},      {"actionTeilladen", "ButtonTeilladen"},
        {"actionFontSpeichern", "ButtonSaveFile"},  {"actionFntImport", "ButtonFntImport"},
        {"actionFntExport", "ButtonFntExport"},     {"actionFontCode", "Button1"},
        {"actionPlayerCode", "Button20"},           {"actionPatternLaden", "ButtonLaden"},
        {"actionPatternSpeichern", "ButtonSpeichern"}, {"actionVerwerfen", "ButtonVerwerfen"},
        {"actionFuellen", "ButtonFill"},            {"actionLinks", "Buttonlinks"},
        {"actionRechts", "Buttonrechts"},           {"actionHoch", "Buttonhoch"},
        {"actionRunter", "ButtonRunter"},           {"actionSpiegelnLR", "Button18"},
        {"actionSpiegelnHR", "Button19"},           {"actionTauschen", "SpeedButton2"},
        {"actionAnimation", "Buttonanim"},          {"actionLevelEditor", "ButtonMap"},
        {"actionGrafikconverter", "ButtonGrafikconverter"}, {"actionSoundconverter", "Buttonsoundconverter"},
        {"actionSplitter", "Button22"},
    };
    for (const auto& [action, button] : entries) {
        QSignalSpy clicked(Control<QPushButton>(&*form, button), &QPushButton::clicked);
        Control<QAction>(&*form, action)->trigger();
        EXPECT_EQ(clicked.count(), 1) << action;
        if (QString::fromLatin1(action) == QLatin1String("actionAnimation"))
            Control<QAction>(&*form, action)->trigger(); // stops it again
    }
    // Every entry of the window has its name.
    for (QAction* a : form->findChildren<QAction*>()) {
        if (!a->isSeparator() && !a->menu() && !a->text().isEmpty()) {
            EXPECT_FALSE(a->objectName().isEmpty()) << a->text().toStdString();
        }
    }
}

TEST_F(MenusTest, StandardKeysWorkWithTheFocusAnywhere)
{
    // At start the keyboard is not in a text field.
    EXPECT_FALSE(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    // Typing in a text field, then painting: Ctrl+Z undoes the painting.
    auto* phases = Control<QLineEdit>(&*form, "Editphasen");
    phases->setFocus();
    QTest::keyClicks(phases, QStringLiteral(";4"));
    form->editor().setPaintText(QStringLiteral("3"));
    QTest::mouseClick(Control<ImageView>(&*form, "PaintBox"), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(dataCell(0, 0), QStringLiteral("219"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(dataCell(0, 0), QStringLiteral("27"));
    EXPECT_EQ(phases->text(), QStringLiteral("1;2;1;3;4"));

    // Ctrl+S and Ctrl+O from inside a text field ask for the file as the buttons do.
    phases->setFocus();
    QTest::keyClick(phases, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].title, QStringLiteral("Speichern: Dateiname für den Zeichensatz?"));
    QTest::keyClick(phases, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs.openRequests.size(), 1u);
    // Ctrl+Y in the overview brings the painting back.
    auto* overview = Control<QWidget>(&*form, "paintboxall");
    overview->setFocus();
    QTest::keyClick(overview, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(dataCell(0, 0), QStringLiteral("219"));
}

TEST_F(MenusTest, RecentFilesOutlastARestartAndMissingOnesAreMarked)
{
    EXPECT_TRUE(recentEntries().isEmpty());
    QStringList files;
    for (const char* name : {"eins.fa8", "zwei.fa8"}) {
        files << dir.filePath(QString::fromLatin1(name));
        SaveFontFile(form->editor(), files.back());
        form->openFontFile(files.back());
    }
    // Newest first, kept for the next run.
    open();
    const QStringList shown = recentEntries();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("&1  zwei.fa8"))) << shown[0].toStdString();
    EXPECT_TRUE(shown[1].startsWith(QStringLiteral("&2  eins.fa8"))) << shown[1].toStdString();

    // Choosing one opens it.
    dialogs.messages.clear();
    Control<QAction>(&*form, "recentFile2")->trigger();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(Control<QLabel>(&*form, "Label12")->text(), QStringLiteral("Font: eins.fa8"));
    EXPECT_TRUE(recentEntries()[0].startsWith(QStringLiteral("&1  eins.fa8")));

    // A file that went is marked, and choosing it takes it off the list.
    QFile::remove(files[1]);
    const QStringList marked = recentEntries();
    EXPECT_TRUE(marked[1].endsWith(QStringLiteral("– fehlt"))) << marked[1].toStdString();
    Control<QAction>(&*form, "recentFile2")->trigger();
    EXPECT_EQ(recentEntries().size(), 1);
}

TEST_F(MenusTest, F1ShowsTheGuideWithItsPictures)
{
    QTest::keyClick(form.get(), Qt::Key_F1);
    auto* guide = form->findChild<QTextBrowser*>(QStringLiteral("FormHandbuch"));
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_TRUE(guide->toPlainText().startsWith(QStringLiteral("Tavrel – Handbuch"))) << guide->toPlainText().left(80).toStdString();
    // Every picture the guide names is found beside it.
    int pictures = 0;
    for (QTextBlock block = guide->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QString name = it.fragment().charFormat().toImageFormat().name();
                const QVariant image = guide->document()->resource(QTextDocument::ImageResource, QUrl(name));
                EXPECT_TRUE(image.isValid() && !image.value<QImage>().isNull()) << name.toStdString();
                ++pictures;
            }
    EXPECT_GE(pictures, 8);
}
