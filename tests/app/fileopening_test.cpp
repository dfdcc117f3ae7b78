// Files named on the command line or dropped on the main window or the level editor: each opens as its
// load button would, in turn, and a file that fails leaves the others to open.
#include "app/commandline.h"
#include "app/fileopening.h"
#include "level/leveldocument.h"
#include "gui/level/levelwindow.h"
#include "level/levelfile.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"
#include "gui/pattern/patternwindow.h"
#include "support/dragdrop.h"
#include "support/windowsetfixture.h"

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class FileOpeningTest : public WindowSetFixture {
protected:
    void SetUp() override
    {
        writeFont(QStringLiteral("Vorarado.fa8"), QStringLiteral("F1: 06"));
        font = writeFont(QStringLiteral("Eigen.fa8"), QStringLiteral("F1: 36"));
        LevelDocument level;
        level.InitEmptyLevel(1);
        level.setTitle(QStringLiteral("Am See"));
        levelFile = folder.filePath(QStringLiteral("see.la8"));
        SaveLevelFile(level, levelFile);
        opening = std::make_unique<FileOpening>(start(), dialogs);
    }

    QString writeFont(const QString& name, const QString& f1Caption)
    {
        PatternEditor editor;
        editor.document().setRegisterCaption(1, f1Caption);
        const QString path = folder.filePath(name);
        SaveFontFile(editor, path);
        return path;
    }
    QString text(QWidget* window, const char* name) const
    {
        if (const auto* label = window->findChild<QLabel*>(QLatin1String(name)))
            return label->text();
        if (const auto* edit = window->findChild<QLineEdit*>(QLatin1String(name)))
            return edit->text();
        return QStringLiteral("<no %1>").arg(QLatin1String(name));
    }
    QString fontLabel() const { return text(set->patternWindow(), "Label12"); }
    QString levelLabel() const { return text(set->levelWindow(), "Label13"); }

    // Drags the files onto a widget and drops them there; true when the drag was taken.
    bool drop(QWidget* target, const QStringList& files) { return DragAndDrop(target, files).entered; }

    QString font, levelFile;
    std::unique_ptr<FileOpening> opening;
};

TEST_F(FileOpeningTest, PatternAndLevelFilesOpenInTurn)
{
    ASSERT_EQ(fontLabel(), QStringLiteral("Font: Vorarado.fa8"));
    opening->open({font, levelFile});
    EXPECT_EQ(fontLabel(), QStringLiteral("Font: Eigen.fa8"));
    EXPECT_TRUE(set->levelWindow()->isVisible());
    EXPECT_EQ(levelLabel(), QStringLiteral("Level: see.la8"));
    EXPECT_EQ(text(set->levelWindow(), "edittitel").trimmed(), QStringLiteral("am see"));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(FileOpeningTest, AFileThatFailsShowsItsMessageAndTheNextOneStillOpens)
{
    const QString missing = folder.filePath(QStringLiteral("fehlt.la8"));
    const QString picture = folder.filePath(QStringLiteral("bild.bmp"));
    opening->open({missing, picture, font});
    ASSERT_EQ(dialogs.errors.size(), 2) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden.").arg(missing)))
        << dialogs.errors[0].toStdString();
    EXPECT_EQ(dialogs.errors[1], UnknownFileKindMessage(picture));
    // Nothing was loaded: the label still names no level.
    EXPECT_EQ(levelLabel(), InitialLevelLabel());
    EXPECT_EQ(fontLabel(), QStringLiteral("Font: Eigen.fa8"));
}

TEST_F(FileOpeningTest, DropsOnTheMainWindowAndTheLevelEditorOpenTheFiles)
{
    // On a text field too: the file is opened, not its name typed in.
    QLineEdit* field = set->patternWindow()->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    const QString before = field->text();
    EXPECT_TRUE(drop(field, {font}));
    EXPECT_EQ(fontLabel(), QStringLiteral("Font: Eigen.fa8"));
    EXPECT_EQ(field->text(), before);

    QTest::mouseClick(set->patternWindow()->findChild<QPushButton*>(QStringLiteral("ButtonMap")), Qt::LeftButton);
    ASSERT_TRUE(set->levelWindow()->isVisible());
    EXPECT_TRUE(drop(set->levelWindow(), {levelFile}));
    EXPECT_EQ(levelLabel(), QStringLiteral("Level: see.la8"));

    // Other files are left to the control under the pointer; the windows refuse them.
    EXPECT_FALSE(drop(set->levelWindow(), {folder.filePath(QStringLiteral("bild.bmp"))}));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
}

} // namespace
