// Unsaved work in the windows: every change of the edit buffer makes closing ask and undoing it back
// makes closing silent; a load or a drop over unsaved work asks first; a drop is taken as a copy; a
// file that cannot be loaded changes nothing. All through the real close, click and drop events.
#include "app/fileopening.h"
#include "common/textfile.h"
#include "gui/level/levelwindow.h"
#include "gui/pattern/patternwindow.h"
#include "level/levelfile.h"
#include "pattern/fontfile.h"
#include "support/dragdrop.h"
#include "support/windowsetfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTableWidget>
#include <QTest>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>

namespace {

using SaveAnswer = UserDialogs::SaveAnswer;

class UnsavedWorkTest : public WindowSetFixture {
public:
    void SetUp() override
    {
        PatternEditor art;
        art.document().setRegisterCaption(1, QStringLiteral("F1: 06"));
        for (int i = 1; i <= PatternStore::kSlotsI; ++i)
            for (int j = 1; j <= PatternStore::kBanks; ++j)
                art.document().setSlot(i, j, QString::number((i * 37 + j * 11) % 256));
        SaveFontFile(art, folder.filePath(QStringLiteral("Vorarado.fa8")));
        other = folder.filePath(QStringLiteral("Anders.fa8"));
        art.document().setRegisterCaption(1, QStringLiteral("F1: 36"));
        SaveFontFile(art, other);
        LevelDocument level;
        level.InitEmptyLevel(1);
        levelFile = folder.filePath(QStringLiteral("see.la8"));
        SaveLevelFile(level, levelFile);
        opening = std::make_unique<FileOpening>(start(), dialogs);
    }
    void restart()
    {
        opening.reset();
        set.reset();
        dialogs = ScriptedDialogs();
        SetUp();
    }

    PatternWindow* main() const { return set->patternWindow(); }
    PatternEditor& editor() const { return main()->editor(); }
    void press(QWidget* window, const char* name)
    {
        auto* button = Control<QAbstractButton>(window, name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void paintCell(int k, QPoint at)
    {
        QTest::mouseClick(Control<QWidget>(main(), QStringLiteral("Farbe%1").arg(k).toLatin1().constData()), Qt::LeftButton);
        QTest::mouseClick(Control<QWidget>(main(), "PaintBox"), Qt::LeftButton, {}, at);
    }
    void typeByte(const QString& text)
    {
        auto* data = Control<QTableWidget>(main(), "data");
        data->setCurrentCell(2, 1);
        data->editItem(data->item(2, 1));
        auto* edit = data->findChild<QLineEdit*>(QStringLiteral("dataEditor"));
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // Whether closing the main window asks; the question is cancelled, so the window stays.
    bool closingAsks()
    {
        const qsizetype before = dialogs.saveQuestions.size();
        dialogs.saveAnswers = {SaveAnswer::Cancel};
        const bool closed = main()->close();
        if (closed)
            main()->show();
        return dialogs.saveQuestions.size() > before && !closed;
    }
    QString label(QWidget* window, const char* name) const { return Control<QLabel>(window, name)->text(); }
    QStringList bufferTexts() const
    {
        QStringList texts;
        for (int y = 0; y < EditBuffer::kHeight; ++y)
            texts << editor().buffer().data(0, y) << editor().buffer().data(1, y);
        return texts;
    }
    // Drags the files onto the widget with copy and move offered and the move proposed, and drops them.
    Qt::DropAction drop(QWidget* target, const QStringList& files)
    {
        const DropResult result = DragAndDrop(target, files, Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
        EXPECT_TRUE(result.entered);
        EXPECT_EQ(result.enterAction, Qt::CopyAction);
        return result.dropAction;
    }

    QString other, levelFile;
    std::unique_ptr<FileOpening> opening;
};

TEST_F(UnsavedWorkTest, EveryBufferChangeAsksOnCloseAndUndoingItBackDoesNot)
{
    const struct {
        const char* name;
        std::function<void(UnsavedWorkTest&)> change;
    } cases[] = {
        {"Füllen", [](UnsavedWorkTest& t) { QTest::mouseClick(Control<QWidget>(t.main(), "Farbe2"), Qt::LeftButton); t.press(t.main(), "ButtonFill"); }},
        {"Links", [](UnsavedWorkTest& t) { t.press(t.main(), "Buttonlinks"); }},
        {"Rechts", [](UnsavedWorkTest& t) { t.press(t.main(), "Buttonrechts"); }},
        {"Hoch", [](UnsavedWorkTest& t) { t.press(t.main(), "Buttonhoch"); }},
        {"Runter", [](UnsavedWorkTest& t) { t.press(t.main(), "ButtonRunter"); }},
        {"Spgl LR", [](UnsavedWorkTest& t) { t.press(t.main(), "Button18"); }},
        {"Spgl HR", [](UnsavedWorkTest& t) { t.press(t.main(), "Button19"); }},
        {"Byte", [](UnsavedWorkTest& t) { t.typeByte(QStringLiteral("7")); }},
        {"Malen", [](UnsavedWorkTest& t) { t.paintCell(3, QPoint(40, 20)); }},
    };
    for (const auto& c : cases) {
        restart();
        EXPECT_FALSE(closingAsks()) << c.name << ": nothing changed yet";
        const QStringList before = bufferTexts();
        c.change(*this);
        ASSERT_NE(bufferTexts(), before) << c.name;
        EXPECT_TRUE(closingAsks()) << c.name;
        while (editor().canUndo() && bufferTexts() != before) {
            editor().undo();
            main()->refresh();
        }
        ASSERT_EQ(bufferTexts(), before) << c.name;
        EXPECT_FALSE(closingAsks()) << c.name << " undone";
    }
}

TEST_F(UnsavedWorkTest, LoadsAndDropsOverUnsavedWorkAskFirst)
{
    struct Load {
        const char* name;
        std::function<void(UnsavedWorkTest&)> load;
    };
    const Load loads[] = {
        {"Font Datei laden", [](UnsavedWorkTest& t) { t.dialogs.fileAnswers = {t.other}; t.press(t.main(), "ButtonLoadFile"); }},
        {"Nur Zeilen 5-8", [](UnsavedWorkTest& t) { t.dialogs.fileAnswers = {t.other}; t.press(t.main(), "ButtonTeilladen"); }},
        {"Ziehen", [](UnsavedWorkTest& t) { EXPECT_EQ(t.drop(t.main(), {t.other}), Qt::CopyAction); }},
        {"FNT importieren", [](UnsavedWorkTest& t) {
             const QString fnt = WriteTestFile(t.folder, QStringLiteral("z.fnt"), QByteArray(1024, '\x11'));
             t.dialogs.fileAnswers = {fnt};
             t.press(t.main(), "ButtonFntImport");
         }},
    };
    for (const Load& l : loads) {
        for (const SaveAnswer answer : {SaveAnswer::Cancel, SaveAnswer::Discard}) {
            restart();
            // "Füllen" leaves "Laden" free: the load would replace the buffer without a word before.
            QTest::mouseClick(Control<QWidget>(main(), "Farbe2"), Qt::LeftButton);
            press(main(), "ButtonFill");
            const QStringList filled = bufferTexts();
            const QStringList file = FontFileLines(editor());
            dialogs.saveAnswers = {answer};
            l.load(*this);
            ASSERT_EQ(dialogs.saveQuestions.size(), 1) << l.name;
            EXPECT_TRUE(dialogs.saveQuestions[0].contains(QStringLiteral("gemalte Änderungen"))) << l.name;
            if (answer == SaveAnswer::Cancel) {
                EXPECT_EQ(bufferTexts(), filled) << l.name << ": Abbrechen keeps the work";
                EXPECT_EQ(FontFileLines(editor()), file) << l.name;
                EXPECT_EQ(label(main(), "Label12"), QStringLiteral("Font: Vorarado.fa8")) << l.name;
            } else {
                EXPECT_NE(bufferTexts(), filled) << l.name << ": Verwerfen loads";
            }
            EXPECT_TRUE(dialogs.errors.isEmpty()) << l.name << dialogs.errors.join(QLatin1Char('\n')).toStdString();
        }
    }

    // The level: a changed level asks before another is loaded, by button or drop.
    restart();
    press(main(), "ButtonMap");
    LevelWindow* level = set->levelWindow();
    auto* author = Control<QLineEdit>(level, "editautor");
    author->setFocus();
    QTest::keyClicks(author, QStringLiteral("ich"));
    dialogs.saveAnswers = {SaveAnswer::Cancel, SaveAnswer::Cancel};
    dialogs.fileAnswers = {levelFile};
    press(level, "ButtonLoadFile");
    EXPECT_EQ(drop(level, {levelFile}), Qt::CopyAction);
    ASSERT_EQ(dialogs.saveQuestions.size(), 2);
    EXPECT_TRUE(dialogs.saveQuestions[1].contains(QStringLiteral("Level Editor: Level geändert")));
    EXPECT_EQ(author->text(), QStringLiteral("ich"));
    EXPECT_EQ(label(level, "Label13"), InitialLevelLabel());
}

TEST_F(UnsavedWorkTest, AFileThatCannotBeLoadedChangesNothing)
{
    const QStringList fontLines = FontFileLines(editor());
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"text", "hello\r\nworld\r\n"},
        {"leer", ""},
        {"kurz", JoinWindows1252Lines(fontLines.mid(0, 2000))},
    };
    press(main(), "ButtonMap");
    LevelWindow* level = set->levelWindow();
    const QString levelLabel = label(level, "Label13");
    const QStringList levelLines = LevelFileLines(level->document());
    const QImage overview = editor().overview().copy();
    for (const auto& f : files) {
        for (const char* ext : {".fa8", ".la8"}) {
            const QString path = WriteTestFile(folder, QLatin1String(f.name) + QLatin1String(ext), f.bytes);
            dialogs.errors.clear();
            dialogs.fileAnswers = {path};
            if (QLatin1String(ext) == QLatin1String(".fa8"))
                press(main(), "ButtonLoadFile");
            else
                press(level, "ButtonLoadFile");
            ASSERT_EQ(dialogs.errors.size(), 1) << f.name << ext;
            EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Datei %1, Zeile ").arg(path))) << dialogs.errors[0].toStdString();
            EXPECT_EQ(FontFileLines(editor()), fontLines) << f.name << ext;
            EXPECT_TRUE(editor().overview() == overview) << f.name << ext;
            EXPECT_EQ(label(main(), "Label12"), QStringLiteral("Font: Vorarado.fa8")) << f.name << ext;
            EXPECT_EQ(LevelFileLines(level->document()), levelLines) << f.name << ext;
            EXPECT_EQ(label(level, "Label13"), levelLabel) << f.name << ext;
        }
    }
}

} // namespace
