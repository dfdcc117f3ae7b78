// The pattern editor window driven by its controls, with scripted dialogs.
#include "gui/common/codewindow.h"
#include "app/windowset.h"
#include "gui/common/colorpanel.h"
#include "gui/common/imageview.h"
#include "gui/sound/soundwindow.h"
#include "gui/splitter/splitterwindow.h"
#include "palette/ataripalette.h"
#include "gui/palette/palettewindow.h"
#include "pattern/codeexport.h"
#include "pattern/fontfile.h"
#include "gui/pattern/patternwindow.h"
#include "support/modaldialogs.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"
#include "support/windowsetfixture.h"
#include "common/packedcolor_picture.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTableWidget>
#include <QTimer>
#include <QTest>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // A start-up file whose pattern 1 of set 1 holds a known byte.
        PatternEditor seed;
        seed.document().setPatternByte(1, 1, 0, 0, QStringLiteral("27"));
        seed.document().setPatternByte(2, 7, 3, 1, QStringLiteral("200"));
        SaveFontFile(seed, dir.filePath(QStringLiteral("Vorarado.fa8")));
        form = std::make_unique<PatternWindow>(dialogs, dir.path());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    PatternEditor& editor() { return form->editor(); }
    QPushButton* button(const char* name) { return Control<QPushButton>(&*form, name); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QString dataCell(int h, int y) { return Control<QTableWidget>(&*form, "data")->item(y, h)->text(); }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<PatternWindow> form;
};

// The whole window set over a folder without a start-up file.
class WindowSetTest : public WindowSetFixture {
protected:
    void SetUp() override { start(); }
};

} // namespace

TEST_F(MainWindowTest, StartsOnPatternOneOfSetOneFromTheStartupFile)
{
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(Control<QLabel>(&*form, "Label12")->text(), QStringLiteral("Font: Vorarado.fa8"));
    EXPECT_EQ(dataCell(0, 0), QStringLiteral("27"));
    EXPECT_EQ(Control<QTableWidget>(&*form, "grid")->item(0, 3)->text(), QStringLiteral("3"));
    EXPECT_EQ(Control<QLineEdit>(&*form, "farbe")->text(), QStringLiteral("1"));
    // The layout's own size below the menu bar; the window may be resized.
    EXPECT_EQ(form->size(), QSize(1029, 734 + form->layout()->menuBar()->height()));
    EXPECT_NE(form->minimumSize(), form->maximumSize());
}

TEST(MainWindowOverview, ShowsEveryPatternOfTheStartupFileAsTheEditorDrawsIt)
{
    // Every byte of the start-up file differs from its neighbours, so a pixel drawn in the wrong place
    // or a pattern not drawn at all shows.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PatternEditor seed;
    for (int i = 1; i <= PatternStore::kSlotsI; ++i)
        for (int j = 1; j <= PatternStore::kBanks; ++j)
            seed.document().setSlot(i, j, QString::number((37 * i + 11 * j) % 256));
    SaveFontFile(seed, dir.filePath(QStringLiteral("Vorarado.fa8")));
    ScriptedDialogs dialogs;
    PatternWindow form(dialogs, dir.path());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* view = Control<ImageView>(&form, "paintboxall");
    // Without the keyboard's cell frame over pattern 1.
    Control<QWidget>(&form, "SpinTilenumber")->setFocus();
    QScrollBar* scroll = Control<QScrollArea>(&form, "ScrollBox1")->horizontalScrollBar();
    const auto shows = [&](const QRect& part) {
        return view->grab(part).toImage().convertToFormat(QImage::Format_RGB32)
            == form.editor().overview().copy(part).convertToFormat(QImage::Format_RGB32);
    };
    // The part shown at the start, then the right end once scrolled there, then the whole overview.
    const QRect first(0, 0, Control<QScrollArea>(&form, "ScrollBox1")->viewport()->width(), 256);
    EXPECT_TRUE(shows(first));
    scroll->setValue(scroll->maximum());
    QApplication::processEvents();
    EXPECT_TRUE(shows(QRect(2048 - first.width(), 0, first.width(), 256)));
    // A part that starts and ends inside a pattern's pixels.
    EXPECT_TRUE(shows(QRect(1001, 33, 70, 47)));
    EXPECT_TRUE(shows(view->rect()));
    EXPECT_EQ(view->size(), QSize(2048, 256));
    // The overview as the editor draws it: pattern 64 of set 8, its last byte row, pixel by pixel.
    const int last = StoredByteValue(seed.document().store().entry(16, 127, 7));
    const auto pixels = DecodeByte(last);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(form.editor().overview().pixel(2048 - 16 + 4 * k + 1, 255),
                  ToQRgb(form.editor().registers()[pixels[size_t(k)]].displayColor)) << k;
}

TEST_F(MainWindowTest, PaintingLocksLadenUntilDiscarded)
{
    editor().setPaintText(QStringLiteral("3"));
    QTest::mouseClick(Control<ImageView>(&*form, "PaintBox"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Control<QTableWidget>(&*form, "grid")->item(0, 0)->text(), QStringLiteral("3"));
    EXPECT_EQ(dataCell(0, 0), QStringLiteral("219"));
    EXPECT_FALSE(button("ButtonLaden")->isEnabled());
    click("ButtonVerwerfen");
    EXPECT_TRUE(button("ButtonLaden")->isEnabled());
    click("ButtonLaden");
    EXPECT_EQ(dataCell(0, 0), QStringLiteral("27"));
    EXPECT_EQ(Control<QTableWidget>(&*form, "grid")->item(0, 0)->text(), QStringLiteral("0"));
}

TEST_F(MainWindowTest, SpeichernStoresAndRedrawsTheOverview)
{
    editor().setPaintText(QStringLiteral("2"));
    QTest::mouseClick(Control<ImageView>(&*form, "PaintBox"), Qt::LeftButton, {}, QPoint(7 * 32 + 3, 15 * 16 + 3));
    click("ButtonSpeichern");
    EXPECT_TRUE(button("ButtonLaden")->isEnabled());
    EXPECT_EQ(editor().store().patternByte(1, 1, 15, 1), QStringLiteral("2"));
    EXPECT_EQ(editor().overview().pixel(28, 30), ToQRgb(editor().registers()[2].displayColor));
}

TEST_F(MainWindowTest, OverviewPointerClickDoubleClickAndContextClick)
{
    // The pointer moved over the overview with no button held, as the system reports a hover.
    auto* overview = Control<ImageView>(&*form, "paintboxall");
    auto* scroll = Control<QScrollArea>(&*form, "ScrollBox1");
    const QPoint bottomRight(63 * 32 + 5, 7 * 32 + 5);
    scroll->ensureVisible(bottomRight.x(), bottomRight.y());
    QTest::mouseMove(overview, bottomRight);
    EXPECT_EQ(Control<QLabel>(&*form, "LabelPattern")->text(),
              QStringLiteral("Wähle ein Pattern durch Doppelklick zum Bearbeiten aus:  Pattern-Set 8  /  Pattern-Nr 64"));
    scroll->ensureVisible(0, 0);
    QTest::mouseMove(overview, QPoint(1, 1));
    EXPECT_TRUE(Control<QLabel>(&*form, "LabelPattern")->text().endsWith(QStringLiteral("Pattern-Set 1  /  Pattern-Nr 1")));

    Control<QScrollArea>(&*form, "ScrollBox1")->ensureVisible(6 * 32, 32);
    QTest::mouseClick(Control<ImageView>(&*form, "paintboxall"), Qt::LeftButton, {}, QPoint(6 * 32 + 10, 32 + 10));
    EXPECT_EQ(Control<QSpinBox>(&*form, "SpinTilenumber")->value(), 7);
    EXPECT_EQ(Control<QSpinBox>(&*form, "SpinFontsetnumber")->value(), 2);
    EXPECT_EQ(dataCell(0, 0), QStringLiteral("27")) << "a click loads nothing";

    QTest::mouseClick(Control<ImageView>(&*form, "paintboxall"), Qt::RightButton, {}, QPoint(4 * 32 + 1, 3 * 32 + 1));
    EXPECT_EQ(Control<QSpinBox>(&*form, "copySpinTilenumber")->value(), 5);
    EXPECT_EQ(Control<QSpinBox>(&*form, "copySpinFontsetnumber")->value(), 4);
    EXPECT_EQ(Control<QSpinBox>(&*form, "SpinTilenumber")->value(), 7) << "the context click leaves the current pattern";

    QTest::mouseDClick(Control<ImageView>(&*form, "paintboxall"), Qt::LeftButton, {}, QPoint(6 * 32 + 10, 32 + 10));
    EXPECT_EQ(dataCell(1, 3), QStringLiteral("200"));
}

TEST_F(MainWindowTest, EditButtonsWorkOnTheBuffer)
{
    // "Spgl LR" on 0 1 2 3 | 0 0 0 3.
    editor().setDataCell(1, 0, QStringLiteral("3"));
    editor().ReCalcdata();
    click("Button18");
    EXPECT_EQ(dataCell(0, 0), QStringLiteral("192")); // 3 0 0 0
    EXPECT_EQ(dataCell(1, 0), QStringLiteral("228")); // 3 2 1 0
    for (int i = 0; i < 8; ++i)
        click("Buttonlinks");
    EXPECT_EQ(dataCell(1, 0), QStringLiteral("228"));
    for (int i = 0; i < 16; ++i)
        click("Buttonhoch");
    EXPECT_EQ(dataCell(0, 0), QStringLiteral("192"));
    click("ButtonRunter");
    EXPECT_EQ(dataCell(0, 1), QStringLiteral("192"));
    editor().setPaintText(QStringLiteral("2"));
    click("ButtonFill");
    EXPECT_EQ(dataCell(1, 9), QStringLiteral("170"));
}

TEST_F(MainWindowTest, SwapButtonExchangesPatternsInAllSets)
{
    editor().document().setPatternByte(8, 1, 15, 1, QStringLiteral("11"));
    editor().document().setPatternByte(8, 3, 15, 1, QStringLiteral("33"));
    Control<QSpinBox>(&*form, "copySpinTilenumber")->setValue(3);
    click("SpeedButton2");
    EXPECT_EQ(editor().store().patternByte(8, 1, 15, 1), QStringLiteral("33"));
    EXPECT_EQ(editor().store().patternByte(8, 3, 15, 1), QStringLiteral("11"));
    EXPECT_EQ(editor().store().patternByte(1, 3, 0, 0), QStringLiteral("27"));
}

TEST_F(MainWindowTest, TypingIntoABytePutsHiIntoTheInfoList)
{
    Control<QTableWidget>(&*form, "data")->setCurrentCell(2, 1);
    Control<QTableWidget>(&*form, "data")->editItem(Control<QTableWidget>(&*form, "data")->item(2, 1));
    auto* editor = Control<QTableWidget>(&*form, "data")->findChild<QLineEdit*>(QStringLiteral("dataEditor"));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("255"));
    EXPECT_EQ(Control<QPlainTextEdit>(&*form, "Memo")->toPlainText(), QStringLiteral("hi\nhi\nhi"));
    EXPECT_EQ(Control<QTableWidget>(&*form, "grid")->item(2, 7)->text(), QStringLiteral("3"));
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QCoreApplication::processEvents(); // the box opens once the keystroke is handled
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors[0], QStringLiteral("'' ist kein gültiger Integerwert"));
}

TEST_F(MainWindowTest, ModeSwitchShowsThePlayerControls)
{
    editor().setDataCell(0, 0, QStringLiteral("85"));
    Control<QComboBox>(&*form, "Combomode")->setCurrentText(QStringLiteral("Player"));
    EXPECT_TRUE(Control<ImageView>(&*form, "DrawGrid1")->isVisible());
    EXPECT_TRUE(button("ButtonFarbeInit")->isVisible());
    EXPECT_FALSE(Control<ColorPanel>(&*form, "Farbe4")->isVisible());
    EXPECT_EQ(editor().store().patternByte(1, 1, 0, 0), QStringLiteral("85")) << "stored before the switch";
    Control<QComboBox>(&*form, "Combomode")->setCurrentText(QStringLiteral("Char"));
    EXPECT_FALSE(Control<ImageView>(&*form, "DrawGrid1")->isVisible());
    EXPECT_TRUE(Control<ColorPanel>(&*form, "Farbe4")->isVisible());
}

TEST_F(MainWindowTest, AnimationDisablesTheEditControlsWhileRunning)
{
    Control<QLineEdit>(&*form, "Editphasen")->setText(QStringLiteral("2;3;"));
    click("Buttonanim");
    EXPECT_EQ(button("Buttonanim")->text(), QStringLiteral("Stop Anim"));
    EXPECT_EQ(Control<QPlainTextEdit>(&*form, "Memo")->toPlainText(), QStringLiteral("2\n3\n#2"));
    for (const char* name : {"ButtonSpeichern", "ButtonLaden", "ButtonVerwerfen", "ButtonFill", "Buttonhoch", "ButtonRunter"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_FALSE(Control<QSpinBox>(&*form, "SpinTilenumber")->isEnabled());
    EXPECT_TRUE(Control<QTimer>(&*form, "Timer1")->isActive());
    EXPECT_EQ(Control<QTimer>(&*form, "Timer1")->interval(), 300) << "300 ms until the speed is first changed";
    click("Buttonanim");
    EXPECT_EQ(button("Buttonanim")->text(), QStringLiteral("Start Anim"));
    EXPECT_TRUE(button("ButtonLaden")->isEnabled());
    EXPECT_FALSE(Control<QTimer>(&*form, "Timer1")->isActive());
    Control<QSpinBox>(&*form, "SpinEdit1")->setValue(1);
    EXPECT_EQ(Control<QTimer>(&*form, "Timer1")->interval(), 20);
}

TEST_F(MainWindowTest, LoadDialogCancelledStillResetsToPatternOne)
{
    Control<QSpinBox>(&*form, "SpinTilenumber")->setValue(9);
    editor().setDataCell(0, 0, QStringLiteral("99"));
    click("ButtonLoadFile");
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    const FileDialogRequest& r = dialogs.openRequests[0];
    EXPECT_EQ(r.filter, QStringLiteral("Tavrel Font Dateien für Atari 8Bit (*.fa8)|*.fa8|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(r.filterIndex, 1);
    EXPECT_EQ(r.fileName, QStringLiteral("Vorarado.fa8"));
    EXPECT_EQ(Control<QSpinBox>(&*form, "SpinTilenumber")->value(), 1);
    EXPECT_EQ(dataCell(0, 0), QStringLiteral("27"));
}

TEST_F(MainWindowTest, SaveAndLoadThroughTheDialogs)
{
    const QString target = dir.filePath(QStringLiteral("mine.fa8"));
    editor().setDataCell(0, 0, QStringLiteral("77"));
    click("ButtonSpeichern");
    dialogs.fileAnswers.push_back(target);
    click("ButtonSaveFile");
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].title, QStringLiteral("Speichern: Dateiname für den Zeichensatz?"));
    EXPECT_EQ(dialogs.saveRequests[0].defaultExt, QStringLiteral("fa8"));
    EXPECT_EQ(dialogs.saveRequests[0].fileName, QStringLiteral("Vorarado.fa8"));
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(Control<QLabel>(&*form, "Label12")->text(), QStringLiteral("Font: mine.fa8"));

    editor().document().setPatternByte(1, 1, 0, 0, QStringLiteral("1"));
    dialogs.fileAnswers.push_back(target);
    click("ButtonLoadFile");
    EXPECT_EQ(dialogs.openRequests.back().fileName, QStringLiteral("mine.fa8"));
    EXPECT_EQ(dataCell(0, 0), QStringLiteral("77"));
}

TEST_F(MainWindowTest, FailedSaveKeepsTheOldFileAndReportsTheError)
{
    const QString target = dir.filePath(QStringLiteral("Vorarado.fa8"));
    QFile original(target);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();
    // A name below a regular file can never be created, not even by root.
    dialogs.fileAnswers.push_back(target + QStringLiteral("/x.fa8"));
    click("ButtonSaveFile");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Datei \"") + target + QStringLiteral("/x.fa8\" kann nicht erstellt werden.")))
        << qPrintable(dialogs.errors[0]);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), before);
}

TEST_F(MainWindowTest, PartialImportFillsSetsFiveToEight)
{
    PatternEditor other;
    other.document().setRegisterCaption(0, QStringLiteral("F0: 44"));
    other.document().setRegisterColor(0, 0x123456);
    for (int bank = 1; bank <= 16; ++bank)
        other.document().setEntry(bank, 5, 2, QStringLiteral("%1").arg(bank));
    const QString file = dir.filePath(QStringLiteral("other.fa8"));
    SaveFontFile(other, file);

    const PackedColor f0 = editor().registers()[0].displayColor;
    dialogs.fileAnswers.push_back(file);
    click("ButtonTeilladen");
    for (int bank = 1; bank <= 8; ++bank) {
        EXPECT_EQ(editor().store().entry(bank + 8, 5, 2), QString::number(bank));
        EXPECT_EQ(editor().store().entry(bank, 5, 2), QStringLiteral("0"));
    }
    EXPECT_EQ(Control<ColorPanel>(&*form, "Farbe0")->text(), QStringLiteral("F0: 44"));
    EXPECT_EQ(editor().registers()[0].displayColor, f0);
    EXPECT_EQ(Control<QLabel>(&*form, "Label12")->text(), QStringLiteral("Font: Vorarado.fa8"));
}

TEST(MainWindowStart, MissingStartupFileGivesOneErrorAndTheLabel)
{
    QTemporaryDir empty;
    ScriptedDialogs dialogs;
    PatternWindow form(dialogs, empty.path());
    form.show();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Datei ")));
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("Vorarado.fa8 kann nicht geöffnet werden.")));
    EXPECT_EQ(Control<QLabel>(&form, "Label12")->text(), QStringLiteral(" Kein Font geladen")) << "nothing was loaded";
    EXPECT_EQ(Control<ColorPanel>(&form, "Farbe1")->text(), QStringLiteral("F1: 75"));
}

TEST_F(WindowSetTest, DefiningARegisterThroughThePalette)
{
    PatternWindow* form = set->patternWindow();
    PaletteWindow* palette = set->paletteWindow();
    form->editor().document().setPatternByte(1, 1, 0, 0, QStringLiteral("64")); // pixel 0 has code 1
    form->editor().Laden();

    QTest::mouseDClick(Control<ColorPanel>(&*form, "Farbe1"), Qt::LeftButton);
    ASSERT_TRUE(palette->isVisible());
    EXPECT_TRUE(Control<QPushButton>(palette, "Buttonwahl")->isVisible());
    EXPECT_EQ(Control<ColorPanel>(palette, "Panel1")->text(), QStringLiteral("75"));
    // Column 9 of row 10 is "A8".
    QTest::mouseClick(Control<ImageView>(palette, "DrawGrid1"), Qt::LeftButton, {}, QPoint(9 * 32 + 5, 10 * 32 + 5));
    QTest::mouseClick(Control<QPushButton>(palette, "Buttonwahl"), Qt::LeftButton);
    EXPECT_FALSE(palette->isVisible());
    EXPECT_EQ(Control<ColorPanel>(&*form, "Farbe1")->text(), QStringLiteral("F1: A8"));
    EXPECT_EQ(Control<ColorPanel>(&*form, "Farbe1")->color(), PaletteColor(0xA8));
    EXPECT_EQ(form->editor().overview().pixel(0, 0), ToQRgb(PaletteColor(0xA8)));
    EXPECT_EQ(form->editor().surface().pixel(10, 8), ToQRgb(PaletteColor(0xA8)));
}

TEST_F(WindowSetTest, FontExportReplacesAndPlayerExportAppends)
{
    PatternWindow* form = set->patternWindow();
    CodeWindow* code = set->codeWindow();
    form->editor().document().setEntry(3, 17, 1, QStringLiteral("60"));

    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(Control<QPushButton>(&*form, "Button1"), Qt::LeftButton);
    EXPECT_TRUE(code->isVisible());
    const QStringList fontLines = code->code().split(QLatin1Char('\n'));
    EXPECT_EQ(fontLines.size(), 9 + 6 * 135);
    EXPECT_EQ(fontLines, FontAssemblerCode(form->editor(), 1, 3));

    code->clearCode();
    Control<QLineEdit>(&*form, "EditPlayer")->setText(QStringLiteral("Frosch"));
    Control<QSpinBox>(&*form, "SpinEdit2")->setValue(2);
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(Control<QPushButton>(&*form, "Button20"), Qt::LeftButton);
    const QStringList playerLines = code->code().split(QLatin1Char('\n'));
    ASSERT_EQ(playerLines.size(), 32);
    EXPECT_TRUE(playerLines[0].startsWith(QStringLiteral("Player0Frosch1:  .byte ")));
    EXPECT_TRUE(playerLines[31].endsWith(QStringLiteral("  ; Player 1 Line8")));
    EXPECT_EQ(Control<QSpinBox>(&*form, "SpinFontsetnumber")->value(), 8);
    EXPECT_EQ(Control<QSpinBox>(&*form, "SpinTilenumber")->value(), 2);
}

TEST_F(WindowSetTest, DoubleClickOnF4DefinesF4NotF3)
{
    PatternWindow* form = set->patternWindow();
    PaletteWindow* palette = set->paletteWindow();
    // A real double click: click, second press as a double click, release.
    QTest::mouseClick(Control<ColorPanel>(&*form, "Farbe4"), Qt::LeftButton);
    EXPECT_EQ(Control<QLineEdit>(&*form, "farbe")->text(), QStringLiteral("3")) << "F4's click selects code 3";
    QTest::mouseDClick(Control<ColorPanel>(&*form, "Farbe4"), Qt::LeftButton);
    QTest::mouseRelease(Control<ColorPanel>(&*form, "Farbe4"), Qt::LeftButton);
    EXPECT_EQ(Control<QLineEdit>(&*form, "farbe")->text(), QStringLiteral("4"));
    QTest::mouseClick(Control<ImageView>(palette, "DrawGrid1"), Qt::LeftButton, {}, QPoint(10 * 32 + 5, 12 * 32 + 5));
    QTest::mouseClick(Control<QPushButton>(palette, "Buttonwahl"), Qt::LeftButton);
    EXPECT_EQ(Control<ColorPanel>(&*form, "Farbe4")->text(), QStringLiteral("F4: CA"));
    EXPECT_EQ(Control<ColorPanel>(&*form, "Farbe4")->textColor(), kBlack);
    EXPECT_EQ(Control<ColorPanel>(&*form, "Farbe3")->text(), QStringLiteral("F3: 1C"));
}

// A user types into the byte grid: the error box of a non-number is a real modal box that takes the
// focus away from the cell editor, and the editor must survive it, with Return afterwards.
class ByteGridTypingTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        PatternEditor seed;
        seed.document().setPatternByte(1, 1, 0, 0, QStringLiteral("27"));
        SaveFontFile(seed, dir.filePath(QStringLiteral("Vorarado.fa8")));
        form = std::make_unique<PatternWindow>(dialogs, dir.path());
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    QTemporaryDir dir;
    ModalErrorDialogs dialogs;
    std::unique_ptr<PatternWindow> form;
};

TEST_P(ByteGridTypingTest, ErrorBoxWhileTypingLeavesTheProgramAliveAndTheCellAsTyped)
{
    QTableWidget* data = Control<QTableWidget>(&*form, "data");
    const QRect cell = data->visualItemRect(data->item(0, 0));
    QTest::mouseDClick(data->viewport(), Qt::LeftButton, {}, cell.center());
    auto* editor = data->findChild<QLineEdit*>(QStringLiteral("dataEditor"));
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->isVisible());
    editor->selectAll();
    const QString typed = QString::fromLatin1(GetParam());
    if (typed.isEmpty())
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    else
        QTest::keyClicks(QApplication::focusWidget(), typed);
    QTest::qWait(100);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors[0], QStringLiteral("'%1' ist kein gültiger Integerwert").arg(typed));
    // The cell is still in editing, and gets the keys once the window is active again.
    ASSERT_EQ(data->findChild<QLineEdit*>(QStringLiteral("dataEditor")), editor);
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(form->focusWidget(), editor);
    QPointer<QLineEdit> closing(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return closing.isNull(); }, 1000)) << "Return ends the editing";
    EXPECT_EQ(Control<QTableWidget>(&*form, "data")->item(0, 0)->text(), typed);
    EXPECT_EQ(Control<QTableWidget>(&*form, "data")->item(0, 1)->text(), QStringLiteral("0"));
    EXPECT_EQ(form->editor().buffer().data(0, 0), typed);
    EXPECT_EQ(form->editor().store().patternByte(1, 1, 0, 0), QStringLiteral("27")) << "typing reaches the store only by Speichern";
    // The grid goes on taking input: a number in the same cell mends the row.
    QTest::mouseDClick(data->viewport(), Qt::LeftButton, {}, cell.center());
    auto* next = data->findChild<QLineEdit*>(QStringLiteral("dataEditor"));
    ASSERT_NE(next, nullptr);
    next->selectAll();
    QTest::keyClicks(next, QStringLiteral("85"));
    QTest::keyClick(next, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(Control<QTableWidget>(&*form, "data")->item(0, 0)->text(), QStringLiteral("85"));
    EXPECT_EQ(Control<QTableWidget>(&*form, "grid")->item(0, 3)->text(), QStringLiteral("1"));
}

INSTANTIATE_TEST_SUITE_P(EmptiedOrLetter, ByteGridTypingTest, ::testing::Values("", "a"));

// A typed number outside a field's range is brought to the nearer limit as soon as the field loses
// the focus, so the button that takes the focus already acts on the corrected value.
TEST_F(MainWindowTest, TypedNumbersOutsideTheRangeReachTheNearerLimitBeforeAButtonActs)
{
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const struct {
        QSpinBox* field;
        const char* typed;
        int value;
    } cases[] = {
        {Control<QSpinBox>(&*form, "SpinTilenumber"), "99", 64}, {Control<QSpinBox>(&*form, "SpinTilenumber"), "0", 1},     {Control<QSpinBox>(&*form, "SpinFontsetnumber"), "9", 8},
        {Control<QSpinBox>(&*form, "SpinEdit1"), "250", 100},    {Control<QSpinBox>(&*form, "copySpinTilenumber"), "65", 64}, {Control<QSpinBox>(&*form, "Spinvon"), "0", 1},
        {Control<QSpinBox>(&*form, "Spinbis"), "12", 8},          {Control<QSpinBox>(&*form, "SpinEdit2"), "70", 64},
    };
    for (const auto& c : cases) {
        c.field->setFocus();
        c.field->selectAll();
        QTest::keyClicks(c.field, QString::fromLatin1(c.typed));
        EXPECT_EQ(c.field->text(), QString::fromLatin1(c.typed)) << c.field->objectName().toStdString();
        QTest::mouseClick(button("ButtonLaden"), Qt::LeftButton);
        EXPECT_EQ(c.field->value(), c.value) << c.field->objectName().toStdString() << " typed " << c.typed;
    }
    EXPECT_EQ(Control<QTimer>(&*form, "Timer1")->interval(), 2000) << "speed 100";
}

// Screen readers name each field by the label beside it, and a button by the caption it shows now.
TEST_F(MainWindowTest, FieldsAreReadOutByTheirLabelsAndButtonsByTheirCurrentCaption)
{
    const auto spoken = [](QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
    };
    const std::pair<QWidget*, QString> cases[] = {
        {Control<QSpinBox>(&*form, "SpinFontsetnumber"), QStringLiteral("Pattern-Set    ")},
        {Control<QSpinBox>(&*form, "SpinTilenumber"), QStringLiteral("Pattern-Nr    (Tauschen mit)")},
        {Control<QSpinBox>(&*form, "copySpinTilenumber"), QStringLiteral("Tauschen mit")},
        {Control<QSpinBox>(&*form, "SpinEdit1"), QStringLiteral("Speed (x/50 Sekunden Dauer)")},
        {Control<QLineEdit>(&*form, "Editphasen"), QStringLiteral("Animationsphasen mit ; getrennt")},
        {Control<QLineEdit>(&*form, "farbe"), QStringLiteral("Malfarbe")},
        {Control<QSpinBox>(&*form, "Spinvon"), QStringLiteral("Font-Zeilen ")},
        {Control<QSpinBox>(&*form, "Spinbis"), QStringLiteral("bis")},
        {Control<QSpinBox>(&*form, "SpinEdit2"), QStringLiteral("Nr.")},
        {Control<QTableWidget>(&*form, "data"), QStringLiteral("Daten Bytes")},
    };
    for (const auto& [w, name] : cases)
        EXPECT_EQ(spoken(w), name) << w->objectName().toStdString();
    click("Buttonanim");
    EXPECT_EQ(spoken(button("Buttonanim")), QStringLiteral("Stop Anim"));
    click("Buttonanim");
    EXPECT_EQ(spoken(button("Buttonanim")), QStringLiteral("Start Anim"));
}

// The whole road of defining a register without the mouse: Space picks the paint value, F2 asks the
// palette, the arrows walk its grid, F2 there hands the colour back.
TEST_F(WindowSetTest, DefiningARegisterByKeyboardOnly)
{
    PatternWindow* form = set->patternWindow();
    PaletteWindow* palette = set->paletteWindow();
    for (ColorPanel* p : {Control<ColorPanel>(&*form, "Farbe0"), Control<ColorPanel>(&*form, "Farbe1"), Control<ColorPanel>(&*form, "Farbe2"), Control<ColorPanel>(&*form, "Farbe3"), Control<ColorPanel>(&*form, "Farbe4")})
        EXPECT_EQ(p->focusPolicy(), Qt::StrongFocus) << p->objectName().toStdString();
    QTest::keyClick(Control<ColorPanel>(&*form, "Farbe2"), Qt::Key_Space);
    EXPECT_EQ(Control<QLineEdit>(&*form, "farbe")->text(), QStringLiteral("2"));
    QTest::keyClick(Control<ColorPanel>(&*form, "Farbe1"), Qt::Key_Return);
    EXPECT_EQ(Control<QLineEdit>(&*form, "farbe")->text(), QStringLiteral("1"));

    QTest::keyClick(Control<ColorPanel>(&*form, "Farbe1"), Qt::Key_F2);
    ASSERT_TRUE(palette->isVisible());
    EXPECT_TRUE(Control<QPushButton>(palette, "Buttonwahl")->isVisible());
    EXPECT_EQ(Control<ImageView>(palette, "DrawGrid1")->focusPolicy(), Qt::StrongFocus);
    // From the top-left cell: 9 to the right, 10 down, with a step beyond the edge on the way.
    QTest::keyClick(Control<ImageView>(palette, "DrawGrid1"), Qt::Key_Up);
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(Control<ImageView>(palette, "DrawGrid1"), Qt::Key_Right);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(Control<ImageView>(palette, "DrawGrid1"), Qt::Key_Down);
    QTest::keyClick(Control<ImageView>(palette, "DrawGrid1"), Qt::Key_Space);
    EXPECT_EQ(Control<ColorPanel>(palette, "Panel1")->text(), QStringLiteral("A8"));
    EXPECT_TRUE(palette->isVisible()) << "Space only picks";
    QTest::keyClick(Control<ImageView>(palette, "DrawGrid1"), Qt::Key_F2);
    EXPECT_FALSE(palette->isVisible());
    EXPECT_EQ(Control<ColorPanel>(&*form, "Farbe1")->text(), QStringLiteral("F1: A8"));
}

// Tab moves through the window: it never stays in a log or the code window, and never types into them.
TEST_F(WindowSetTest, LogsAndTheCodeWindowLetTabMoveOn)
{
    PatternWindow* form = set->patternWindow();
    QTest::mouseClick(Control<QPushButton>(&*form, "Button1"), Qt::LeftButton);
    CodeWindow* code = set->codeWindow();
    const QString before = code->code();
    for (QPlainTextEdit* log : {Control<QPlainTextEdit>(&*form, "Memo"), Control<QPlainTextEdit>(code, "Memocode"),
                                Control<QPlainTextEdit>(set->soundWindow(), "Memo1"),
                                Control<QPlainTextEdit>(set->splitterWindow(), "Memo1")}) {
        EXPECT_TRUE(log->tabChangesFocus()) << log->objectName().toStdString();
    }
    QApplication::setActiveWindow(code);
    ASSERT_TRUE(QTest::qWaitForWindowActive(code));
    Control<QPlainTextEdit>(code, "Memocode")->setFocus();
    QTest::keyClick(Control<QPlainTextEdit>(code, "Memocode"), Qt::Key_Tab);
    EXPECT_FALSE(Control<QPlainTextEdit>(code, "Memocode")->hasFocus());
    EXPECT_EQ(code->code(), before);
}

// In the byte grid the arrows move from cell to cell; Tab leaves the grid, also from a cell being edited.
TEST_F(MainWindowTest, TabLeavesTheByteGridArrowsMoveInside)
{
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTableWidget* data = Control<QTableWidget>(&*form, "data");
    data->setFocus();
    data->setCurrentCell(0, 0);
    QTest::keyClick(data, Qt::Key_Right);
    QTest::keyClick(data, Qt::Key_Down);
    EXPECT_EQ(data->currentRow(), 1);
    EXPECT_EQ(data->currentColumn(), 1);
    QTest::keyClick(data, Qt::Key_Tab);
    EXPECT_FALSE(data->hasFocus());
    EXPECT_EQ(data->currentRow(), 1) << "Tab does not walk the cells";

    data->setFocus();
    data->editItem(data->item(2, 0));
    auto* editor = qobject_cast<QLineEdit*>(data->indexWidget(data->model()->index(2, 0)));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("12"));
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(data->item(2, 0)->text(), QStringLiteral("12"));
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(focus != data && focus != editor && !data->isAncestorOf(focus))
        << (focus ? focus->objectName().toStdString() : "none");
}

// Switching to the player mode shows its controls in room kept for them: nothing else moves.
TEST_F(MainWindowTest, ModeSwitchMovesNoOtherControl)
{
    const auto places = [this] {
        std::map<QString, QRect> at;
        for (QWidget* w : form->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && w->isVisible())
                at[w->objectName()] = QRect(w->mapTo(&*form, QPoint(0, 0)), w->size());
        return at;
    };
    const auto charPlaces = places();
    Control<QComboBox>(&*form, "Combomode")->setCurrentText(QStringLiteral("Player"));
    QApplication::processEvents();
    const auto playerPlaces = places();
    ASSERT_TRUE(playerPlaces.count(QStringLiteral("DrawGrid1")));
    ASSERT_TRUE(playerPlaces.count(QStringLiteral("ButtonFarbeInit")));
    int compared = 0;
    for (const auto& [name, rect] : charPlaces)
        if (playerPlaces.count(name)) {
            EXPECT_EQ(playerPlaces.at(name), rect) << name.toStdString();
            ++compared;
        }
    EXPECT_GT(compared, 40);
    // Farben Init stands where F4 stood.
    EXPECT_TRUE(charPlaces.at(QStringLiteral("Farbe4")).intersects(playerPlaces.at(QStringLiteral("ButtonFarbeInit"))));
}

// A player export appends to what the code window holds; the view turns to its first line, also
// after a font export left the view at the head of a long text.
TEST_F(WindowSetTest, PlayerExportScrollsToItsNewLines)
{
    PatternWindow* form = set->patternWindow();
    CodeWindow* code = set->codeWindow();
    QTest::mouseClick(Control<QPushButton>(&*form, "Button1"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(code));
    QPlainTextEdit* memo = Control<QPlainTextEdit>(code, "Memocode");
    EXPECT_EQ(memo->verticalScrollBar()->value(), 0) << "a font export is read from its head";
    const int fontLines = memo->blockCount();
    Control<QLineEdit>(&*form, "EditPlayer")->setText(QStringLiteral("Held"));
    QTest::mouseClick(Control<QPushButton>(&*form, "Button20"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_GT(memo->blockCount(), fontLines);
    // The first new line is in view (at the top, as far as the text reaches below it).
    const QTextBlock first = memo->document()->findBlockByNumber(fontLines);
    EXPECT_TRUE(first.text().contains(QStringLiteral("Held"))) << first.text().toStdString();
    const QRect line = memo->cursorRect(QTextCursor(first));
    EXPECT_TRUE(memo->viewport()->rect().contains(line)) << line.top() << " of " << memo->viewport()->height();
    EXPECT_TRUE(memo->verticalScrollBar()->value() == fontLines
                || memo->verticalScrollBar()->value() == memo->verticalScrollBar()->maximum());
    EXPECT_EQ(memo->textCursor().blockNumber(), fontLines);

    // On an empty window the first line of the export is line 0.
    code->clearCode();
    QTest::mouseClick(Control<QPushButton>(&*form, "Button20"), Qt::LeftButton);
    EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(memo->document()->firstBlock().text().contains(QStringLiteral("Held")));
}

namespace {

// A mouse event as the window system delivers it to the editing surface.
void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

QStringList DataTexts(const QTableWidget* data)
{
    QStringList texts;
    for (int y = 0; y < data->rowCount(); ++y)
        for (int h = 0; h < data->columnCount(); ++h)
            texts << data->item(y, h)->text();
    return texts;
}

} // namespace

TEST_F(MainWindowTest, StrokeAndStoreAreUndoneAndRedoneByTheKeys)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const QImage surface = editor().surface().copy();
    const QImage overview = editor().overview().copy();
    const QStringList data = DataTexts(Control<QTableWidget>(&*form, "data"));
    EXPECT_EQ(Control<ImageView>(&*form, "PaintBox")->toolTip(), QStringLiteral("Rückgängig: Strg+Z, Wiederherstellen: Strg+Umschalt+Z oder Strg+Y"));

    // A stroke along row 1 with the left button held, then "Speichern".
    SendMouse(Control<ImageView>(&*form, "PaintBox"), QEvent::MouseButtonPress, QPoint(32 + 5, 16 + 5), Qt::LeftButton);
    for (int x = 2; x <= 6; ++x)
        SendMouse(Control<ImageView>(&*form, "PaintBox"), QEvent::MouseMove, QPoint(32 * x + 5, 16 + 5), Qt::LeftButton);
    SendMouse(Control<ImageView>(&*form, "PaintBox"), QEvent::MouseButtonRelease, QPoint(6 * 32 + 5, 16 + 5), Qt::NoButton);
    const QStringList painted = DataTexts(Control<QTableWidget>(&*form, "data"));
    ASSERT_NE(painted, data);
    EXPECT_EQ(Control<QTableWidget>(&*form, "grid")->item(1, 6)->text(), QStringLiteral("1"));
    EXPECT_FALSE(button("ButtonLaden")->isEnabled());
    EXPECT_EQ(Control<ImageView>(&*form, "PaintBox")->toolTip(), QStringLiteral("Rückgängig (Strg+Z): Malen"));
    click("ButtonSpeichern");
    EXPECT_FALSE(editor().overview() == overview);
    EXPECT_EQ(Control<ImageView>(&*form, "PaintBox")->toolTip(), QStringLiteral("Rückgängig (Strg+Z): Speichern"));

    QTest::keyClick(&*form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(editor().overview() == overview);
    EXPECT_FALSE(button("ButtonLaden")->isEnabled()) << "the painted changes are unsaved again";
    EXPECT_EQ(Control<ImageView>(&*form, "PaintBox")->toolTip(),
              QStringLiteral("Rückgängig (Strg+Z): Malen\nWiederherstellen (Strg+Umschalt+Z, Strg+Y): Speichern"));
    QTest::keyClick(&*form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(editor().surface() == surface);
    EXPECT_TRUE(editor().overview() == overview);
    EXPECT_EQ(DataTexts(Control<QTableWidget>(&*form, "data")), data);
    EXPECT_EQ(Control<QTableWidget>(&*form, "grid")->item(1, 6)->text(), QStringLiteral("0"));
    EXPECT_TRUE(button("ButtonLaden")->isEnabled());
    // Past the start nothing happens.
    QTest::keyClick(&*form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(DataTexts(Control<QTableWidget>(&*form, "data")), data);

    // Both redo keys, from wherever the focus is in the window.
    Control<QPushButton>(&*form, "ButtonFill")->setFocus();
    QTest::keyClick(&*form, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(DataTexts(Control<QTableWidget>(&*form, "data")), painted);
    QTest::keyClick(Control<QPushButton>(&*form, "ButtonFill"), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(editor().overview() == overview);
    EXPECT_TRUE(button("ButtonLaden")->isEnabled());
    EXPECT_EQ(Control<ImageView>(&*form, "PaintBox")->toolTip(), QStringLiteral("Rückgängig (Strg+Z): Speichern"));
}
