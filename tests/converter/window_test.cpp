// The graphics converter window driven through its controls, with scripted dialogs and the real
// palette window of a window set.
#include "app/windowset.h"
#include "gui/common/colorpanel.h"
#include "gui/common/imageview.h"
#include "gui/converter/converterwindow.h"
#include "gui/converter/logview.h"
#include "converterfixture.h"
#include "gui/palette/palettewindow.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"
#include "support/windowsetfixture.h"

#include "converter/graphicsexport.h"
#include "common/packedcolor_picture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ConverterWindowTest : public WindowSetFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        form = build().converterWindow();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        // The window set's start-up file is missing in this folder; that error is not ours.
        dialogs.errors.clear();
    }

    // Saves the picture and loads it through the button, as the user would.
    void load(const QImage& picture, const QString& name = QStringLiteral("bild.png"))
    {
        const QString file = dir.filePath(name);
        ASSERT_TRUE(picture.save(file));
        dialogs.fileAnswers.push_back(file);
        QTest::mouseClick(Control<QPushButton>(form, "ButtonLoadPicture"), Qt::LeftButton);
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QAbstractItemModel* table() { return Control<QTableView>(form, "grid")->model(); }
    // Model index of table cell (column, row), both from 1.
    QModelIndex cellIndex(int column, int row) { return table()->index(row - 1, column - 1); }
    QPoint cellCenter(int column, int row) { return Control<QTableView>(form, "grid")->visualRect(cellIndex(column, row)).center(); }
    QStringList logLines()
    {
        QStringList lines;
        QAbstractItemModel* log = Control<LogView>(form, "Memo1")->model();
        for (int r = 0; r < log->rowCount(); ++r)
            lines << log->index(r, 0).data().toString();
        return lines;
    }
    GraphicsConverter& converter() { return form->converter(); }
    // A pointer move with buttons held, delivered to the widget itself.
    static void moveMouse(QWidget* widget, QPoint position, Qt::MouseButtons held = Qt::NoButton)
    {
        QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton, held, {});
        QApplication::sendEvent(widget, &move);
    }
    // A double click on a table cell as the user makes it: a click, then the second press.
    void doubleClickCell(int column, int row)
    {
        QTest::mouseClick(Control<QTableView>(form, "grid")->viewport(), Qt::LeftButton, {}, cellCenter(column, row));
        QTest::mouseDClick(Control<QTableView>(form, "grid")->viewport(), Qt::LeftButton, {}, cellCenter(column, row));
    }

    QTemporaryDir dir;
    ConverterWindow* form = nullptr;
};

TEST_F(ConverterWindowTest, OpensMaximisedWithEveryControlAndTheFirstLogLine)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Grafik Converter"));
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    for (const char* name : {"ButtonLoadPicture", "Buttonzoom", "Button5", "ButtonRAMsave", "Button3",
                             "ButtonAssembler", "Button1", "Button2"})
        Control<QPushButton>(form, name);
    EXPECT_EQ(Control<QPushButton>(form, "ButtonLoadPicture")->text(), QStringLiteral("Windows Bild laden"));
    EXPECT_EQ(Control<QPushButton>(form, "Button1")->text(), QStringLiteral("Ermittle Farben Kompakt"));
    EXPECT_EQ(Control<QPushButton>(form, "Button2")->text(), QStringLiteral("Ermittle Farben Isoliert"));
    EXPECT_EQ(Control<QPushButton>(form, "Button3")->text(), QStringLiteral("Tabelle leeren"));
    EXPECT_EQ(Control<QPushButton>(form, "ButtonAssembler")->text(), QStringLiteral("Code generieren"));
    EXPECT_EQ(Control<QPushButton>(form, "Button5")->text(), QStringLiteral("Windows Bild speichern"));
    EXPECT_EQ(Control<QPushButton>(form, "ButtonRAMsave")->text(), QStringLiteral("Atari RAM speichern"));
    EXPECT_EQ(Control<QCheckBox>(form, "CheckBox1")->text(), QStringLiteral("Bildpixel änderbar"));
    EXPECT_FALSE(Control<QCheckBox>(form, "CheckBox1")->isChecked());
    const QSpinBox* zoom = Control<QSpinBox>(form, "SpinEdit1");
    EXPECT_EQ(zoom->value(), 8);
    EXPECT_EQ(zoom->minimum(), 1);
    EXPECT_EQ(zoom->maximum(), 100);
    Control<ColorPanel>(form, "Panel7");
    Control<QWidget>(form, "Panel5");
    Control<QLabel>(form, "Panel6");
    Control<ImageView>(form, "Image1");
    Control<QScrollArea>(form, "ScrollBox1");
    Control<QTableView>(form, "grid");
    Control<LogView>(form, "Memo1");
    // Picture left, table right, divided by a splitter the user can move.
    const QSplitter* splitter = Control<QSplitter>(form, "Splitter1");
    EXPECT_EQ(splitter->count(), 2);
    EXPECT_TRUE(splitter->widget(0)->isAncestorOf(Control<ImageView>(form, "Image1")));
    EXPECT_EQ(splitter->widget(1), Control<QTableView>(form, "grid"));
    EXPECT_EQ(logLines(), QStringList{QStringLiteral("Memo1")});
}

TEST_F(ConverterWindowTest, LoadingQuantisesAndFillsTheTableWithColouredCells)
{
    Control<QCheckBox>(form, "CheckBox1")->setChecked(true);
    load(PaletteImage({{0x08, 0x00, 0x0C}, {0x46, 0x46, 0x00}}));
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].filter, QStringLiteral("Bilddateien (*.png)|*.png|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(dialogs.openRequests[0].filterIndex, 2);
    EXPECT_EQ(dialogs.openRequests[0].initialDir, QDir::currentPath());
    EXPECT_TRUE(dialogs.errors.isEmpty()) << qPrintable(dialogs.errors.join(QLatin1Char('\n')));
    EXPECT_FALSE(Control<QCheckBox>(form, "CheckBox1")->isChecked());
    EXPECT_EQ(Control<QLabel>(form, "Panel6")->text(), dir.filePath(QStringLiteral("bild.png")));
    EXPECT_EQ(table()->rowCount(), 2);
    EXPECT_EQ(table()->columnCount(), 19);
    EXPECT_EQ(table()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("$D012"));
    EXPECT_EQ(table()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("$D01A"));
    EXPECT_EQ(table()->headerData(1, Qt::Vertical).toString(), QStringLiteral("2"));

    click(Control<QPushButton>(form, "Button1"));
    EXPECT_EQ(cellIndex(2, 1).data().toString(), QStringLiteral("clSilver"));
    EXPECT_EQ(cellIndex(3, 1).data().toString(), QStringLiteral("clGray"));
    EXPECT_EQ(cellIndex(2, 2).data().toString(), EntryText(0x46));
    // Each cell is filled with the colour its text names; empty cells are white, others plain.
    EXPECT_EQ(cellIndex(3, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(128, 128, 128));
    EXPECT_EQ(cellIndex(2, 2).data(Qt::BackgroundRole).value<QBrush>().color(), ToQColor(PaletteColor(0x46)));
    EXPECT_EQ(cellIndex(9, 2).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    converter().setCellText(4, 1, QStringLiteral("kein Farbwert"));
    EXPECT_FALSE(cellIndex(4, 1).data(Qt::BackgroundRole).isValid());
    // One log line per pixel, right to left.
    EXPECT_EQ(logLines().mid(0, 3), (QStringList{QStringLiteral("Memo1"), QStringLiteral("3 / 1"), QStringLiteral("2 / 1")}));
    EXPECT_EQ(logLines().size(), 7);

    click(Control<QPushButton>(form, "Button3"));
    EXPECT_EQ(table()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Reg 704"));
    EXPECT_TRUE(cellIndex(2, 1).data().toString().isEmpty());
    click(Control<QPushButton>(form, "Button2"));
    EXPECT_EQ(table()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("$D012"));
    EXPECT_EQ(cellIndex(2, 1).data().toString(), QStringLiteral("clGray"));
}

TEST_F(ConverterWindowTest, CancelledOrFailedLoadsResetTheTableAndKeepThePicture)
{
    load(PaletteImage({{0x08, 0x0C}}));
    click(Control<QPushButton>(form, "Button1"));
    dialogs.fileAnswers.push_back(std::nullopt);
    click(Control<QPushButton>(form, "ButtonLoadPicture"));
    EXPECT_TRUE(cellIndex(2, 1).data().toString().isEmpty());
    EXPECT_EQ(converter().pictureWidth(), 2);

    const QString junk = WriteTestFile(dir, QStringLiteral("kaputt.bmp"), QByteArray("BM kaputt"));
    dialogs.fileAnswers.push_back(junk);
    click(Control<QPushButton>(form, "ButtonLoadPicture"));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("kein lesbares Bild")));
    EXPECT_TRUE(Control<QLabel>(form, "Panel6")->text().isEmpty());
    EXPECT_EQ(converter().pictureWidth(), 2);
}

TEST_F(ConverterWindowTest, CodeRamAndPictureGoOutThroughTheirDialogs)
{
    load(PaletteImage({{0x08, 0x0C, 0x00, 0x08}, {0x0C, 0x0C, 0x08, 0x00}}));
    click(Control<QPushButton>(form, "Button2"));
    click(Control<QPushButton>(form, "ButtonAssembler"));
    EXPECT_EQ(logLines(), AssemblerCode(converter().table()));

    // The RAM image empties the log first, even when the dialog is cancelled.
    dialogs.fileAnswers.push_back(std::nullopt);
    click(Control<QPushButton>(form, "ButtonRAMsave"));
    EXPECT_TRUE(logLines().isEmpty());
    const QString ram = dir.filePath(QStringLiteral("Atari.bin"));
    dialogs.fileAnswers.push_back(ram);
    click(Control<QPushButton>(form, "ButtonRAMsave"));
    const FileDialogRequest& ramRequest = dialogs.saveRequests.back();
    EXPECT_EQ(ramRequest.filter, QStringLiteral("Bilddateien (*.BIN)|*.BIN|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(ramRequest.filterIndex, 2);
    EXPECT_EQ(ramRequest.fileName, QStringLiteral("Atari.bin"));
    // Grey in column 2 (register 1), silver in column 3 (register 2).
    EXPECT_EQ(ReadTestFile(ram), QByteArray::fromHex("1201" "2210"));
    EXPECT_EQ(logLines(), (QStringList{QStringLiteral("1 / 1/18"), QStringLiteral("2 / 1/1"),
                                       QStringLiteral("1 / 2/34"), QStringLiteral("2 / 2/16")}));

    Control<QCheckBox>(form, "CheckBox1")->setChecked(true);
    const QString bmp = dir.filePath(QStringLiteral("datei.bmp"));
    dialogs.fileAnswers.push_back(bmp);
    click(Control<QPushButton>(form, "Button5"));
    const FileDialogRequest& bmpRequest = dialogs.saveRequests.back();
    EXPECT_EQ(bmpRequest.filter, QStringLiteral("Bilddateien (*.BMP)|*.BMP|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(bmpRequest.fileName, QStringLiteral("datei.bmp"));
    EXPECT_FALSE(Control<QCheckBox>(form, "CheckBox1")->isChecked());
    EXPECT_EQ(Control<QLabel>(form, "Panel6")->text(), bmp);
    EXPECT_EQ(ReadTestFile(bmp), WindowsBitmap32(converter().picture()));

    // A save that fails is reported; the log keeps what it had.
    dialogs.fileAnswers.push_back(dir.filePath(QStringLiteral("fehlt/Atari.bin")));
    click(Control<QPushButton>(form, "ButtonRAMsave"));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("kann nicht erstellt werden")));
    EXPECT_EQ(logLines().size(), 4);
}

TEST_F(ConverterWindowTest, SelectingTypingAndRightDragSwapping)
{
    load(PaletteImage({{0x08, 0x0C}, {0x00, 0x00}}));
    click(Control<QPushButton>(form, "Button1"));
    // Read from the right: silver in column 2, grey in column 3.
    Control<QTableView>(form, "grid")->setCurrentIndex(cellIndex(2, 1));
    EXPECT_EQ(Control<ColorPanel>(form, "Panel7")->color(), PackRgb(0xC0, 0xC0, 0xC0)) << "clSilver";

    // Typing replaces the cell's text.
    Control<QTableView>(form, "grid")->setCurrentIndex(cellIndex(5, 2));
    QTest::keyClick(Control<QTableView>(form, "grid"), Qt::Key_C);
    auto* editor = Control<QTableView>(form, "grid")->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr) << "typing opens the cell editor";
    QTest::keyClicks(editor, QStringLiteral("lRed"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits a moment after Return
    EXPECT_EQ(converter().cell(5, 2), QStringLiteral("clRed"));

    // A press logs the cell's text; a right press and release on another cell swaps the two.
    const qsizetype before = logLines().size();
    QTest::mousePress(Control<QTableView>(form, "grid")->viewport(), Qt::RightButton, {}, cellCenter(2, 1));
    QTest::mouseRelease(Control<QTableView>(form, "grid")->viewport(), Qt::RightButton, {}, cellCenter(5, 2));
    EXPECT_EQ(logLines().size(), before + 1);
    EXPECT_EQ(logLines().last(), QStringLiteral("clSilver"));
    EXPECT_EQ(converter().cell(5, 2), QStringLiteral("clSilver"));
    EXPECT_EQ(converter().cell(2, 1), QStringLiteral("clRed"));
    // Released on the same cell: no change.
    QTest::mousePress(Control<QTableView>(form, "grid")->viewport(), Qt::RightButton, {}, cellCenter(2, 1));
    QTest::mouseRelease(Control<QTableView>(form, "grid")->viewport(), Qt::RightButton, {}, cellCenter(2, 1));
    EXPECT_EQ(converter().cell(2, 1), QStringLiteral("clRed"));
}

TEST_F(ConverterWindowTest, SwappingInAScrolledTableTakesTheCellsUnderThePointer)
{
    std::vector<std::vector<AtariColor>> rows(300, std::vector<AtariColor>{0x00, 0x00});
    rows[249][0] = 0x08;
    load(PaletteImage(rows));
    click(Control<QPushButton>(form, "Button1"));
    QApplication::processEvents(); // the table lays out its rows
    Control<QTableView>(form, "grid")->scrollTo(cellIndex(2, 250), QAbstractItemView::PositionAtTop);
    ASSERT_GT(Control<QTableView>(form, "grid")->verticalScrollBar()->value(), 0);
    ASSERT_TRUE(Control<QTableView>(form, "grid")->viewport()->rect().contains(cellCenter(3, 251)));
    QTest::mousePress(Control<QTableView>(form, "grid")->viewport(), Qt::RightButton, {}, cellCenter(2, 250));
    QTest::mouseRelease(Control<QTableView>(form, "grid")->viewport(), Qt::RightButton, {}, cellCenter(3, 251));
    EXPECT_EQ(converter().cell(3, 251), QStringLiteral("clGray"));
    EXPECT_TRUE(converter().cell(2, 250).isEmpty());
    // The picture scrolls with the table, so line y stays beside row y.
    EXPECT_EQ(Control<QScrollArea>(form, "ScrollBox1")->verticalScrollBar()->value(), Control<QTableView>(form, "grid")->verticalScrollBar()->value());
    EXPECT_GT(Control<QScrollArea>(form, "ScrollBox1")->verticalScrollBar()->value(), 0);
}

TEST_F(ConverterWindowTest, DoubleClickAsksThePaletteAndTheAnswerLandsInTheCell)
{
    load(PaletteImage({{0x08, 0x00}}));
    click(Control<QPushButton>(form, "Button1"));
    doubleClickCell(2, 1);
    PaletteWindow* palette = set->paletteWindow();
    ASSERT_TRUE(palette->isVisible());
    EXPECT_TRUE(Control<QPushButton>(palette, "Buttonwahl2")->isVisible());
    EXPECT_FALSE(Control<QPushButton>(palette, "Buttonwahl")->isVisible());
    EXPECT_EQ(Control<QLabel>(palette, "Labelfarbe")->text(), QStringLiteral("Grid"));
    EXPECT_EQ(Control<ColorPanel>(palette, "Panel1")->text(), QStringLiteral("clGray"));
    EXPECT_EQ(Control<ColorPanel>(palette, "Panel1")->color(), PackRgb(128, 128, 128));
    // Column 9 of row 10 is "A8".
    QTest::mouseClick(Control<ImageView>(palette, "DrawGrid1"), Qt::LeftButton, {}, QPoint(9 * 32 + 5, 10 * 32 + 5));
    QTest::mouseClick(Control<QPushButton>(palette, "Buttonwahl2"), Qt::LeftButton);
    EXPECT_FALSE(palette->isVisible());
    EXPECT_EQ(converter().cell(2, 1), FormatColorText(PaletteColor(0xA8)));

    // A cell that is no colour asks with white.
    converter().setCellText(4, 1, QStringLiteral("xyz"));
    doubleClickCell(4, 1);
    EXPECT_EQ(Control<ColorPanel>(palette, "Panel1")->text(), QStringLiteral("xyz"));
    EXPECT_EQ(Control<ColorPanel>(palette, "Panel1")->color(), kWhite);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ConverterWindowTest, PointerCaptionPickingAndPainting)
{
    // Without a picture the pointer does nothing.
    moveMouse(Control<ImageView>(form, "Image1"), QPoint(0, 0));
    EXPECT_TRUE(Control<ColorPanel>(form, "Panel7")->text().isEmpty());

    std::vector<std::vector<AtariColor>> rows(3, std::vector<AtariColor>(160, 0x00));
    rows[1][10] = 0x46;
    load(PaletteImage(rows));
    const double pitchX = Control<ImageView>(form, "Image1")->width() / 160.0;
    const double pitchY = Control<ImageView>(form, "Image1")->height() / 3.0;
    auto at = [&](int x, int y) { return QPoint(static_cast<int>((x + 0.5) * pitchX), static_cast<int>((y + 0.5) * pitchY)); };
    moveMouse(Control<ImageView>(form, "Image1"), QPoint(Control<ImageView>(form, "Image1")->width() - 1, 0));
    EXPECT_EQ(Control<ColorPanel>(form, "Panel7")->text(), QStringLiteral("160 / 1"));

    // Right release picks the pixel's colour; painting needs "Bildpixel änderbar".
    QTest::mouseClick(Control<ImageView>(form, "Image1"), Qt::RightButton, {}, at(10, 1));
    EXPECT_EQ(Control<ColorPanel>(form, "Panel7")->color(), PaletteColor(0x46));
    QTest::mouseClick(Control<ImageView>(form, "Image1"), Qt::LeftButton, {}, at(3, 0));
    EXPECT_EQ(*converter().pixel(3, 0), kBlack);
    Control<QCheckBox>(form, "CheckBox1")->setChecked(true);
    QTest::mouseClick(Control<ImageView>(form, "Image1"), Qt::LeftButton, {}, at(3, 0));
    EXPECT_EQ(*converter().pixel(3, 0), PaletteColor(0x46));
    QTest::mousePress(Control<ImageView>(form, "Image1"), Qt::LeftButton, {}, at(5, 2));
    moveMouse(Control<ImageView>(form, "Image1"), at(6, 2), Qt::LeftButton);
    QTest::mouseRelease(Control<ImageView>(form, "Image1"), Qt::LeftButton, {}, at(7, 2));
    // The press alone paints nothing; the move and the release do.
    EXPECT_EQ(*converter().pixel(5, 2), kBlack);
    EXPECT_EQ(*converter().pixel(6, 2), PaletteColor(0x46));
    EXPECT_EQ(*converter().pixel(7, 2), PaletteColor(0x46));
    EXPECT_EQ(*converter().pixel(8, 2), kBlack);
}

TEST_F(ConverterWindowTest, LineZoomMatchesRowsAndPictureLines)
{
    load(PaletteImage(std::vector<std::vector<AtariColor>>(40, std::vector<AtariColor>(4, 0x00))));
    Control<QSpinBox>(form, "SpinEdit1")->setValue(12);
    click(Control<QPushButton>(form, "Buttonzoom"));
    EXPECT_EQ(Control<QTableView>(form, "grid")->verticalHeader()->defaultSectionSize(), 13);
    EXPECT_EQ(Control<QTableView>(form, "grid")->rowHeight(5), 13);
    EXPECT_EQ(Control<ImageView>(form, "Image1")->height(), 13 * 40);
    EXPECT_EQ(Control<ImageView>(form, "Image1")->width(), Control<QScrollArea>(form, "ScrollBox1")->viewport()->width());
    EXPECT_EQ(Control<QWidget>(form, "Panel5")->height(), Control<QTableView>(form, "grid")->horizontalHeader()->height());
}

TEST_F(ConverterWindowTest, DraggingAColumnHeaderMovesItsCells)
{
    load(PaletteImage({{0x08, 0x0C}}));
    click(Control<QPushButton>(form, "Button1"));
    QHeaderView* header = Control<QTableView>(form, "grid")->horizontalHeader();
    // Column 1's header pressed, dragged over column 3's right half and let go, as the system sends it.
    const auto at = [header](int section, int part) {
        return QPoint(header->sectionViewportPosition(section) + header->sectionSize(section) * part / 4,
                      header->height() / 2);
    };
    const auto send = [header](QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(pos), header->viewport()->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
        QApplication::sendEvent(header->viewport(), &event);
    };
    send(QEvent::MouseButtonPress, at(1, 2), Qt::LeftButton, Qt::LeftButton);
    for (int part = 1; part <= 8; ++part)
        send(QEvent::MouseMove, at(1, 2) + (at(3, 3) - at(1, 2)) * part / 8, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, at(3, 3), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(header->visualIndex(1), 1) << "the header shows the cells in their new places";
    EXPECT_EQ(converter().cell(4, 1), QStringLiteral("clSilver"));
    EXPECT_EQ(converter().cell(4, 0), QStringLiteral("$D013"));
    EXPECT_EQ(table()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("$D013"));
}

TEST_F(ConverterWindowTest, LogLinesCanBeSelectedAndCopied)
{
    load(PaletteImage({{0x08, 0x0C, 0x00}}));
    click(Control<QPushButton>(form, "Button2"));
    Control<LogView>(form, "Memo1")->selectAll();
    Control<LogView>(form, "Memo1")->setFocus();
    QTest::keyClick(Control<LogView>(form, "Memo1"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Memo1\n1 / 1\n2 / 1\n3 / 1"));
}

} // namespace
