// The pattern editor's whole-pattern tools driven by mouse and keys in the window: "Leeren",
// "Invertieren", Ctrl+click, the framed run on the clipboard, the duplicate search and the pixel label.
// Each result is saved through "Font Datei speichern" and compared byte by byte with the expected file.
#include "gui/common/colorpanel.h"
#include "gui/common/imageview.h"
#include "gui/pattern/patternwindow.h"
#include "pattern/fontfile.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>

namespace {

// The two bytes of a row of pixel codes written "0111|1100".
std::pair<int, int> RowBytes(const QString& codes)
{
    const QString c = QString(codes).remove(QLatin1Char('|'));
    auto byte = [&c](int from) {
        return EncodePixels(c[from].digitValue(), c[from + 1].digitValue(), c[from + 2].digitValue(), c[from + 3].digitValue());
    };
    return {byte(0), byte(4)};
}

// Pattern 1 of set 1: a ring of 1s with a 2 inside; the rows below it 0.
const QStringList kRing = {"0000|0000", "0111|1100", "0100|0100", "0102|0100", "0100|0100", "0111|1100", "0000|0010"};

void SetCodes(PatternDocument& d, int set, int pattern, const QStringList& rows)
{
    for (int y = 0; y < 16; ++y) {
        const auto [left, right] = RowBytes(y < rows.size() ? rows[y] : QStringLiteral("0000|0000"));
        d.setPatternByte(set, pattern, y, 0, QString::number(left));
        d.setPatternByte(set, pattern, y, 1, QString::number(right));
    }
}

class PatternToolsWindowTest : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        PatternDocument& d = seed.document();
        SetCodes(d, 1, 1, kRing);
        // Patterns 2-4 of set 1 with distinct bytes, pattern 6 equal to pattern 2.
        for (const int p : {2, 3, 4, 6})
            for (int y = 0; y < 16; ++y)
                for (int h = 0; h < 2; ++h)
                    d.setPatternByte(1, p, y, h, QString::number((p == 6 ? 2 : p) * 40 + 2 * y + h));
        SaveFontFile(seed, dir.filePath(QStringLiteral("Vorarado.fa8")));
        seedBytes = ReadTestFile(dir.filePath(QStringLiteral("Vorarado.fa8")));
        form = std::make_unique<PatternWindow>(dialogs, dir.path());
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        ASSERT_EQ(saved(), seedBytes) << "a file saved unchanged keeps its bytes";
    }

    // "Font Datei speichern" through its button; the bytes of the saved file.
    QByteArray saved()
    {
        const QString path = dir.filePath(QStringLiteral("saved.fa8"));
        QFile::remove(path);
        dialogs.fileAnswers.push_back(path);
        click("ButtonSaveFile");
        return ReadTestFile(path);
    }
    // The file the seed would be with `change` made to it.
    QByteArray expected(const std::function<void(PatternDocument&)>& change)
    {
        PatternEditor e;
        e.document() = seed.document();
        change(e.document());
        const QString path = dir.filePath(QStringLiteral("expected.fa8"));
        SaveFontFile(e, path);
        return ReadTestFile(path);
    }
    void click(const char* name) { QTest::mouseClick(Control<QPushButton>(form.get(), name), Qt::LeftButton); }
    ImageView* view(const char* name) { return Control<ImageView>(form.get(), name); }
    // A key typed in the overview (clicking "Font Datei speichern" took the focus away).
    void overviewKey(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        view("paintboxall")->setFocus();
        QTest::keyClick(view("paintboxall"), k, m);
    }
    void undoKey() { QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier); }
    QStringList dataCells()
    {
        QStringList cells;
        auto* data = Control<QTableWidget>(form.get(), "data");
        for (int y = 0; y < 16; ++y)
            cells << data->item(y, 0)->text() << data->item(y, 1)->text();
        return cells;
    }
    QString lastLog() { return Control<QPlainTextEdit>(form.get(), "Memo")->toPlainText().split(QLatin1Char('\n')).last(); }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    PatternEditor seed;
    QByteArray seedBytes;
    std::unique_ptr<PatternWindow> form;
};

} // namespace

TEST_F(PatternToolsWindowTest, EditingOperationsSaveWhatTheyShowAndUndoInOneStep)
{
    struct Case {
        const char* step;
        std::function<void(PatternToolsWindowTest&)> act;
        QStringList codes; // pattern 1 of set 1 afterwards
    };
    const Case cases[] = {
        {"Leeren", [](PatternToolsWindowTest& t) { t.click("ButtonLeeren"); }, {}},
        {"Invertieren", [](PatternToolsWindowTest& t) { t.click("ButtonInvertieren"); },
         {"3333|3333", "3222|2233", "3233|3233", "3231|3233", "3233|3233", "3222|2233", "3333|3323", "3333|3333",
          "3333|3333", "3333|3333", "3333|3333", "3333|3333", "3333|3333", "3333|3333", "3333|3333", "3333|3333"}},
        // Ctrl+click inside the ring with F3 chosen; the 2 in the middle and the ring stay.
        {"Fläche füllen",
         [](PatternToolsWindowTest& t) {
             QTest::mouseClick(Control<ColorPanel>(t.form.get(), "Farbe3"), Qt::LeftButton);
             QTest::mouseClick(t.view("PaintBox"), Qt::LeftButton, Qt::ControlModifier, QPoint(2 * 32 + 10, 2 * 16 + 8));
         },
         {"0000|0000", "0111|1100", "0133|3100", "0132|3100", "0133|3100", "0111|1100", "0000|0010"}},
        // Ctrl+click outside the ring with F2: everything round it, to the bottom, but not inside.
        {"Fläche füllen",
         [](PatternToolsWindowTest& t) {
             QTest::mouseClick(Control<ColorPanel>(t.form.get(), "Farbe2"), Qt::LeftButton);
             QTest::mouseClick(t.view("PaintBox"), Qt::LeftButton, Qt::ControlModifier, QPoint(7 * 32 + 3, 15 * 16 + 3));
         },
         {"2222|2222", "2111|1122", "2100|0122", "2102|0122", "2100|0122", "2111|1122", "2222|2212", "2222|2222",
          "2222|2222", "2222|2222", "2222|2222", "2222|2222", "2222|2222", "2222|2222", "2222|2222", "2222|2222"}},
    };
    for (const Case& c : cases) {
        const QStringList before = dataCells();
        c.act(*this);
        EXPECT_EQ(form->editor().undoText(), QString::fromUtf8(c.step)) << c.step;
        EXPECT_EQ(form->editor().historySize(), 1) << c.step;
        click("ButtonSpeichern");
        EXPECT_EQ(saved(), expected([&c](PatternDocument& d) { SetCodes(d, 1, 1, c.codes); })) << c.step;
        // Undoing "Speichern" and the operation gives back the file and the buffer exactly.
        undoKey();
        EXPECT_EQ(form->editor().undoText(), QString::fromUtf8(c.step)) << c.step;
        undoKey();
        EXPECT_FALSE(form->editor().canUndo()) << c.step;
        EXPECT_EQ(dataCells(), before) << c.step;
        EXPECT_EQ(saved(), seedBytes) << c.step;
        form->editor().clearHistory();
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(PatternToolsWindowTest, ARunCopiedAndPastedIntoAnotherSetAndCut)
{
    auto* overview = view("paintboxall");
    overview->setFocus();
    // Pattern 2, then Shift+Right twice: patterns 2-4 of set 1 framed; Shift+Down does not leave the set.
    overviewKey(Qt::Key_Right);
    overviewKey(Qt::Key_Right, Qt::ShiftModifier);
    overviewKey(Qt::Key_Right, Qt::ShiftModifier);
    overviewKey(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(form->editor().runFirst(), 2);
    EXPECT_EQ(form->editor().runLast(), 4);
    EXPECT_EQ(form->editor().currentSet(), 1);
    EXPECT_EQ(overview->anchorColumn(), 1);
    EXPECT_EQ(overview->keyboardCell(), QPoint(3, 0));
    // The frame spans the run: it shows over patterns 2-4, not beside them.
    for (int p = 1; p <= 5; ++p) {
        const QRect cell(32 * (p - 1), 0, 32, 32);
        const bool framed = overview->grab(cell).toImage().convertToFormat(QImage::Format_RGB32)
            != form->editor().overview().copy(cell).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(framed, p >= 2 && p <= 4) << p;
    }
    overviewKey(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(clip, nullptr);
    const QStringList lines = clip->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("50 51 52 53"))) << lines[0].toStdString(); // 80, 81, ... in hex
    EXPECT_TRUE(clip->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(clip->imageData()).size(), QSize(96, 32));
    EXPECT_EQ(lastLog(), QStringLiteral("3 Patterns kopiert (Set 1: 2-4)"));
    EXPECT_EQ(saved(), seedBytes) << "copying changes nothing";

    // Down to set 2, Home to its pattern 1, paste: patterns 1-3 of set 2 are patterns 2-4 of set 1.
    overviewKey(Qt::Key_Down);
    overviewKey(Qt::Key_Home);
    EXPECT_EQ(form->editor().runFirst(), 1);
    overviewKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->editor().undoText(), QStringLiteral("Einfügen"));
    EXPECT_EQ(form->editor().historySize(), 1);
    const QByteArray pasted = expected([](PatternDocument& d) {
        for (int p = 1; p <= 3; ++p)
            for (int y = 0; y < 16; ++y)
                for (int h = 0; h < 2; ++h)
                    d.setPatternByte(2, p, y, h, QString::number((p + 1) * 40 + 2 * y + h));
    });
    EXPECT_EQ(saved(), pasted);
    undoKey();
    EXPECT_EQ(saved(), seedBytes);
    QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(saved(), pasted);
    form->editor().clearHistory();

    // Cut patterns 3-4 of set 1 (End, then Shift+Left from pattern 4 after going there).
    overviewKey(Qt::Key_Up);
    for (int i = 0; i < 3; ++i)
        overviewKey(Qt::Key_Right);
    overviewKey(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(form->editor().runFirst(), 3);
    EXPECT_EQ(form->editor().runLast(), 4);
    overviewKey(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(form->editor().undoText(), QStringLiteral("Ausschneiden"));
    EXPECT_EQ(QGuiApplication::clipboard()->text().count(QLatin1Char('\n')), 2);
    EXPECT_EQ(saved(), expected([](PatternDocument& d) {
        for (int p = 1; p <= 3; ++p)
            for (int y = 0; y < 16; ++y)
                for (int h = 0; h < 2; ++h)
                    d.setPatternByte(2, p, y, h, QString::number((p + 1) * 40 + 2 * y + h));
        for (int p = 3; p <= 4; ++p)
            for (int y = 0; y < 16; ++y)
                for (int h = 0; h < 2; ++h)
                    d.setPatternByte(1, p, y, h, QStringLiteral("0"));
    }));
    undoKey();
    EXPECT_EQ(saved(), pasted);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(PatternToolsWindowTest, TextThatIsNoPatternsChangesNothingAndSaysWhy)
{
    view("paintboxall")->setFocus();
    for (const QString& text : {QStringLiteral("Hallo Welt"), QStringLiteral("00 11 22"), QString()}) {
        QGuiApplication::clipboard()->setText(text);
        overviewKey(Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(lastLog().startsWith(QStringLiteral("Einfügen nicht möglich: "))) << lastLog().toStdString();
        EXPECT_TRUE(lastLog().endsWith(QStringLiteral("Nichts wurde geändert."))) << lastLog().toStdString();
        EXPECT_FALSE(form->editor().canUndo());
    }
    EXPECT_EQ(saved(), seedBytes);
    // Ctrl+V in a text field pastes into the field, not the patterns.
    auto* phases = Control<QWidget>(form.get(), "Editphasen");
    phases->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("00 ").repeated(32));
    QTest::keyClick(phases, Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(form->editor().canUndo());
}

TEST_F(PatternToolsWindowTest, DuplicatesByTheMenuAndThePixelUnderTheMouse)
{
    QTest::keyClick(form.get(), Qt::Key_B, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("MenuBearbeiten"));
    QTest::keyClick(menu, Qt::Key_D);
    const QString log = Control<QPlainTextEdit>(form.get(), "Memo")->toPlainText();
    EXPECT_TRUE(log.contains(QStringLiteral("\nSet 1: 2 = 6\n"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("Set 1: 5 = 7 = 8"))) << "the empty ones";

    auto* label = Control<QLabel>(form.get(), "LabelPixel");
    EXPECT_EQ(label->text(), QStringLiteral("Pixel: –"));
    QTest::mouseMove(view("PaintBox"), QPoint(3 * 32 + 4, 3 * 16 + 4));
    EXPECT_EQ(label->text(), QStringLiteral("Pixel: Spalte 4, Zeile 4, Code 2"));
    QTest::mouseMove(view("PaintBox"), QPoint(1 * 32 + 4, 5 * 16 + 4));
    EXPECT_EQ(label->text(), QStringLiteral("Pixel: Spalte 2, Zeile 6, Code 1"));
    // Leaving the surface names no pixel.
    QTest::mouseMove(Control<QWidget>(form.get(), "Label3"), QPoint(5, 5));
    EXPECT_EQ(label->text(), QStringLiteral("Pixel: –"));
}
