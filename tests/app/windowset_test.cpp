// The window set as the program builds it: order, captions, start-up file, opening buttons,
// the code window and the error guard.
#include "gui/common/codewindow.h"
#include "gui/common/colorpanel.h"
#include "gui/common/deferredwindow.h"
#include "gui/level/levelwindow.h"
#include "gui/converter/converterwindow.h"
#include "pattern/fontfile.h"
#include "gui/pattern/patternwindow.h"
#include "gui/sound/soundwindow.h"
#include "gui/splitter/splitterwindow.h"
#include "common/packedcolor_picture.h"
#include "support/windowsetfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class WindowSetTest : public WindowSetFixture {
protected:

    // A start-up file with its own registers; the store gets `change` before it is written.
    template <class Change>
    PatternEditor writeStartupFile(Change change)
    {
        PatternEditor e;
        const char* captions[5] = {"F0: 04", "F1: 36", "F2: 9A", "F3: EC", "F4: 28"};
        const PackedColor colors[5] = {0x404040, 0x4C4696, 0xFACE49, 0x12CDFF, 0x1E5ACF};
        for (int k = 0; k < 5; ++k) {
            e.document().setRegisterCaption(k, QString::fromLatin1(captions[k]));
            e.document().setRegisterColor(k, colors[k]);
        }
        for (int p = 1; p <= 64; ++p)
            for (int y = 0; y < 16; ++y)
                for (int h = 0; h < 2; ++h)
                    e.document().setPatternByte(1, p, y, h, QString::number((p * 16 + y * 2 + h) % 256));
        change(e);
        SaveFontFile(e, folder.filePath(QStringLiteral("Vorarado.fa8")));
        return e;
    }
    PatternEditor writeStartupFile()
    {
        return writeStartupFile([](PatternEditor&) {});
    }

};

TEST_F(WindowSetTest, EightWindowsInCreationOrderWithTheirCaptions)
{
    writeStartupFile();
    build();
    struct Expected {
        const char* className;
        const char* caption;
    };
    const Expected expected[] = {
        {"PatternWindow", "Oxils Quest Tavrel - Font and Level Editor & Graphic and Sound Converter - Version 02.04.2016b"},
        {"PaletteWindow", "Atari Palette"},
        {"LevelWindow", "Tavrel Level Editor für Oxil's Quest"},
        {"LevelByteView", "Level Byte Data "},
        {"CodeWindow", "Assembler Code "},
        {"ConverterWindow", "Grafik Converter"},
        {"SoundWindow", "Zwerbel Soundconverter "},
        {"SplitterWindow", "Datei Splitter"},
    };
    const QList<QWidget*> windows = set->windows();
    ASSERT_EQ(windows.size(), 8);
    for (int i = 0; i < 8; ++i) {
        ASSERT_NE(windows[i], nullptr) << i;
        EXPECT_TRUE(windows[i]->inherits(expected[i].className)) << i << " is " << windows[i]->metaObject()->className();
        EXPECT_EQ(windows[i]->windowTitle(), QString::fromUtf8(expected[i].caption)) << expected[i].className;
        EXPECT_TRUE(windows[i]->isWindow()) << expected[i].className;
        EXPECT_FALSE(windows[i]->isVisible()) << expected[i].className;
    }
    EXPECT_EQ(windows[0], set->patternWindow());
    EXPECT_EQ(windows[4], set->codeWindow());

    set->showMain();
    EXPECT_TRUE(set->patternWindow()->isVisible());
    for (int i = 1; i < 8; ++i)
        EXPECT_FALSE(windows[i]->isVisible()) << expected[i].className;
    EXPECT_EQ(set->patternWindow()->size(), QSize(1029, 734));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(WindowSetTest, MissingStartupFileGivesOneErrorAndAnEmptyEditor)
{
    build();
    ASSERT_EQ(dialogs.errors.size(), 1);
    const QString head = QStringLiteral("Datei %1 kann nicht geöffnet werden. ").arg(folder.filePath(QStringLiteral("Vorarado.fa8")));
    EXPECT_TRUE(dialogs.errors[0].startsWith(head)) << dialogs.errors[0].toStdString();
    EXPECT_GT(dialogs.errors[0].size(), head.size()) << "the system's reason is missing";

    set->showMain();
    EXPECT_EQ(dialogs.errors.size(), 1);
    PatternWindow* main = set->patternWindow();
    EXPECT_EQ(Control<QLabel>(main, "Label12")->text(), QStringLiteral(" Kein Font geladen")) << "nothing was loaded";
    EXPECT_EQ(Control<ColorPanel>(main, "Farbe0")->text(), QStringLiteral("F0: 00"));
    EXPECT_EQ(Control<ColorPanel>(main, "Farbe3")->text(), QStringLiteral("F3: 1C"));
    EXPECT_EQ(Control<ColorPanel>(main, "Farbe3")->color(), PackRgb(248, 192, 44));
    const QImage& overview = main->editor().overview();
    EXPECT_EQ(FromQColor(overview.pixelColor(0, 0)), kBlack);
    EXPECT_EQ(FromQColor(overview.pixelColor(2047, 255)), kBlack);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(main->editor().buffer().grid(x, y), QStringLiteral("0"));
}

TEST_F(WindowSetTest, ValidStartupFileFillsTheRegistersAndTheFirstPattern)
{
    const PatternEditor file = writeStartupFile();
    build();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
    PatternWindow* main = set->patternWindow();
    const char* names[5] = {"Farbe0", "Farbe1", "Farbe2", "Farbe3", "Farbe4"};
    for (int k = 0; k < 5; ++k) {
        auto* panel = Control<ColorPanel>(main, names[k]);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->text(), file.registers()[k].caption) << k;
        EXPECT_EQ(panel->color(), file.registers()[k].displayColor) << k;
    }
    EXPECT_EQ(Control<QLabel>(main, "Label12")->text(), QStringLiteral("Font: Vorarado.fa8"));

    // Showing selects pattern 1 of set 1.
    main->editor().setCurrentPattern(5);
    set->showMain();
    EXPECT_EQ(main->editor().currentPattern(), 1);
    EXPECT_EQ(Control<QSpinBox>(main, "SpinTilenumber")->value(), 1);
    for (int y = 0; y < 16; ++y)
        for (int h = 0; h < 2; ++h)
            EXPECT_EQ(main->editor().buffer().data(h, y), file.store().patternByte(1, 1, y, h)) << y << "," << h;
}

TEST_F(WindowSetTest, CodeWindowCopiesAllItsTextAndKeepsItWhenHidden)
{
    writeStartupFile();
    build();
    CodeWindow* code = set->codeWindow();
    auto* memo = Control<QPlainTextEdit>(code, "Memocode");
    auto* copy = Control<QPushButton>(code, "Buttoncopy");
    auto* close = Control<QPushButton>(code, "Buttonclose");
    ASSERT_TRUE(memo && copy && close);
    EXPECT_EQ(copy->text(), QStringLiteral("Den kompletten Code in die Zwischenablage kopieren"));
    EXPECT_EQ(close->text(), QStringLiteral("Fenster schliessen"));

    code->show();
    code->clearCode();
    code->appendLines({QStringLiteral("; Zeichensatz 1"), QStringLiteral(" .byte 0,1,2"), QString(), QStringLiteral("ende")});
    const QString text = QStringLiteral("; Zeichensatz 1\n .byte 0,1,2\n\nende");
    ASSERT_EQ(memo->toPlainText(), text);
    QApplication::clipboard()->setText(QStringLiteral("vorher"));
    QTest::mouseClick(copy, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), text);
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_FALSE(mime->hasHtml());

    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(code->isVisible());
    code->show();
    EXPECT_EQ(memo->toPlainText(), text);
}

TEST_F(WindowSetTest, ClosingASecondaryWindowOnlyHidesIt)
{
    writeStartupFile();
    build();
    set->showMain();
    set->codeWindow()->appendLine(QStringLiteral("bleibt"));
    const QList<QWidget*> windows = set->windows();
    for (int i = 1; i < 8; ++i) {
        QPointer<QWidget> w = windows[i];
        w->show();
        ASSERT_TRUE(w->isVisible()) << i;
        EXPECT_TRUE(w->close()) << i;
        QCoreApplication::processEvents();
        ASSERT_FALSE(w.isNull()) << i << " was destroyed";
        EXPECT_FALSE(w->isVisible()) << i;
        w->show();
        EXPECT_TRUE(w->isVisible()) << i;
        w->hide();
    }
    EXPECT_EQ(set->codeWindow()->code(), QStringLiteral("bleibt"));
    EXPECT_TRUE(set->patternWindow()->isVisible());
}

TEST_F(WindowSetTest, SecondaryWindowsBuildTheirControlsWhenFirstOpened)
{
    writeStartupFile();
    build();
    set->showMain();
    // Found among the top-level windows, so that no accessor of the set builds them.
    QList<DeferredWindow*> deferred;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<DeferredWindow*>(w))
            deferred.append(d);
    ASSERT_EQ(deferred.size(), 7);
    DeferredWindow* map = nullptr;
    for (DeferredWindow* d : deferred) {
        EXPECT_FALSE(d->controlsBuilt()) << d->metaObject()->className();
        EXPECT_TRUE(d->findChildren<QWidget*>().isEmpty()) << d->metaObject()->className();
        if (d->inherits("LevelWindow"))
            map = d;
    }
    ASSERT_NE(map, nullptr);

    // The level editor opens built, with the line it logged at start-up first in its log.
    QTest::mouseClick(Control<QPushButton>(set->patternWindow(), "ButtonMap"), Qt::LeftButton);
    EXPECT_TRUE(map->isVisible());
    EXPECT_TRUE(map->controlsBuilt());
    auto* levelEditor = static_cast<LevelWindow*>(map);
    // The log's page is built when it is first shown.
    Control<QTabWidget>(levelEditor, "PageControl1")->setCurrentIndex(static_cast<int>(LevelPage::Spielelemente));
    EXPECT_EQ(Control<QPlainTextEdit>(levelEditor, "Memo")->toPlainText().split(QLatin1Char('\n')).first(), levelEditor->atrPath());
    EXPECT_FALSE(levelEditor->picture().level().isNull());

    // The font export writes into the code window, which is built on the way.
    QTest::mouseClick(Control<QPushButton>(set->patternWindow(), "Button1"), Qt::LeftButton);
    EXPECT_TRUE(set->codeWindow()->isVisible());
    EXPECT_FALSE(set->codeWindow()->code().isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(WindowSetTest, OpeningButtonsShowTheirWindows)
{
    writeStartupFile();
    build();
    set->showMain();
    struct Case {
        const char* button;
        const char* caption;
        QWidget* window;
    };
    const Case cases[] = {
        {"ButtonGrafikconverter", "Grafik Converter", set->converterWindow()},
        {"Buttonsoundconverter", "Sound Converter", set->soundWindow()},
        {"Button22", "Datei Splitter", set->splitterWindow()},
    };
    for (const Case& c : cases) {
        auto* b = Control<QPushButton>(set->patternWindow(), c.button);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString::fromUtf8(c.caption));
        ASSERT_FALSE(c.window->isVisible()) << c.button;
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_TRUE(c.window->isVisible()) << c.button;
        QTest::mouseClick(b, Qt::LeftButton); // showing a shown window is harmless
        EXPECT_TRUE(c.window->isVisible()) << c.button;
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(WindowSetTest, ButtonsAreNamedByTheirCaptions)
{
    writeStartupFile();
    build();
    struct Case {
        const char* name;
        const char* caption;
    };
    const Case cases[] = {
        {"ButtonLaden", "Laden"}, {"ButtonSpeichern", "Speichern"}, {"ButtonVerwerfen", "Verwerfen"},
        {"ButtonFill", "Füllen"}, {"Buttonlinks", "Links"}, {"Buttonhoch", "Hoch"}, {"Buttonrechts", "Rechts"},
        {"Button18", "Spgl LR"}, {"ButtonRunter", "Runter"}, {"Button19", "Spgl HR"},
        {"ButtonLoadFile", "Font Datei laden"}, {"ButtonTeilladen", "Nur Zeilen 5-8"},
        {"ButtonSaveFile", "Font Datei speichern"}, {"Button1", "Font Assembler Code generieren"},
        {"Button20", "Player Assembler Code generieren"}, {"ButtonMap", "Level Editor"},
        {"ButtonGrafikconverter", "Grafik Converter"}, {"Buttonsoundconverter", "Sound Converter"},
        {"Button22", "Datei Splitter"}, {"Buttonanim", "Start Anim"},
    };
    for (const Case& c : cases) {
        auto* b = Control<QPushButton>(set->patternWindow(), c.name);
        ASSERT_NE(b, nullptr) << c.name;
        const QString caption = QString::fromUtf8(c.caption);
        EXPECT_EQ(b->text(), caption) << c.name;
        EXPECT_TRUE(b->accessibleName().isEmpty() || b->accessibleName() == caption)
            << c.name << ": " << b->accessibleName().toStdString();
    }
    for (const char* name : {"Buttonclose", "Buttoncopy"}) {
        auto* b = Control<QPushButton>(set->codeWindow(), name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_TRUE(b->accessibleName().isEmpty() || b->accessibleName() == b->text()) << name;
    }
}

TEST_F(WindowSetTest, ErrorGuardShowsTheErrorAndTheWindowGoesOn)
{
    const PatternEditor file = writeStartupFile();
    build();
    set->showMain();
    ASSERT_TRUE(dialogs.errors.isEmpty());
    PatternWindow* main = set->patternWindow();
    main->editor().document().setPatternByte(1, 1, 3, 1, QStringLiteral("xyz"));

    auto* laden = Control<QPushButton>(main, "ButtonLaden");
    QTest::mouseClick(laden, Qt::LeftButton);
    ASSERT_EQ(dialogs.errors, QStringList({QStringLiteral("'xyz' ist kein gültiger Integerwert")}));
    EXPECT_TRUE(main->isVisible());

    Control<QSpinBox>(main, "SpinTilenumber")->setValue(2);
    QTest::mouseClick(laden, Qt::LeftButton);
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(main->editor().currentPattern(), 2);
    for (int y = 0; y < 16; ++y)
        for (int h = 0; h < 2; ++h)
            EXPECT_EQ(main->editor().buffer().data(h, y), file.store().patternByte(1, 2, y, h)) << y << "," << h;
}

TEST_F(WindowSetTest, ADamagedFirstPatternReportsOnceWhenShown)
{
    // Loading the file takes any store text; the first showing's "Laden" is where it fails.
    writeStartupFile([](PatternEditor& e) { e.document().setPatternByte(1, 1, 0, 0, QStringLiteral("abc")); });
    build();
    EXPECT_TRUE(dialogs.errors.isEmpty());
    set->showMain();
    EXPECT_EQ(dialogs.errors, QStringList({QStringLiteral("'abc' ist kein gültiger Integerwert")}));
    EXPECT_TRUE(set->patternWindow()->isVisible());
}

} // namespace
