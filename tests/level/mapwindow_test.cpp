// The level editor window in the window set, driven by its controls with scripted dialogs.
#include "app/windowset.h"
#include "gui/level/levelpictureview.h"
#include "gui/level/levelwindow.h"
#include "common/textfile.h"
#include "level/levelfile.h"
#include "pattern/fontfile.h"
#include "gui/pattern/patternwindow.h"
#include "support/mapwindowfixture.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"
#include "common/packedcolor_picture.h"

#include <QScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <QUndoStack>

namespace {

class MapWindowTest : public MapWindowFixture {};

} // namespace

TEST_F(MapWindowTest, CreatedHiddenWithTheDiskPathAndTheRegisterColours)
{
    EXPECT_FALSE(map->isVisible());
    EXPECT_EQ(log(), QStringList({folder.filePath(QStringLiteral("oxildisk.atr"))}));
    EXPECT_EQ(map->document().colorEntry(2, 7).hexText, set->patternWindow()->editor().registers()[2].code());
    EXPECT_TRUE(map->document().code(0, 0).isEmpty()); // no codes before the first opening
    EXPECT_EQ(Control<QTabWidget>(map, "PageControl1")->count(), 4);
    const QStringList pages = {"Daten laden und speichern", "Spielelemente setzen", "Gegner verwalten", "Schalter verwalten"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Control<QTabWidget>(map, "PageControl1")->tabText(i), pages[i]);
    EXPECT_EQ(Control<QTableView>(map, "MonsterGrid")->model()->headerData(9, Qt::Horizontal).toString(), QStringLiteral("Mon #10"));
    EXPECT_EQ(Control<QTableView>(map, "Schaltergrid")->model()->index(4, 7).data().toString(), QStringLiteral("0"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MapWindowTest, OpeningTwice)
{
    open();
    ASSERT_TRUE(map->isVisible());
    EXPECT_EQ(Control<QTabWidget>(map, "PageControl1")->currentIndex(), 2); // "Gegner verwalten" in front
    EXPECT_EQ(map->size(), QSize(1096, 734).boundedTo(map->screen()->availableGeometry().size() - QSize(8, 34)));
    EXPECT_EQ(map->document().cellPattern(60, 5), 1);
    EXPECT_EQ(map->document().colorEntry(4, 1).hexText, QStringLiteral("9E"));
    EXPECT_EQ(QStringList({carried("labelnummer"), carried("Labelnummermitte"), carried("Labelnummerloeschen")}),
              QStringList({"3", "10", "1"}));
    // Edits in between: a painted cell, chosen patterns, and new graphics in the pattern editor.
    toPaintingPage();
    clickCell(60, 5);
    choose(17, Qt::RightButton);
    EXPECT_EQ(carried("Labelnummerloeschen"), QStringLiteral("17"));
    const QImage before = map->picture().level().copy();
    set->patternWindow()->editor().document().setEntry(1, 2, 0, QStringLiteral("255")); // pattern 1, row 0
    click("ButtonFont");
    EXPECT_FALSE(map->isVisible());
    open();
    EXPECT_EQ(map->document().cellPattern(60, 5), 3);
    EXPECT_EQ(QStringList({carried("labelnummer"), carried("Labelnummermitte"), carried("Labelnummerloeschen")}),
              QStringList({"3", "10", "1"}));
    const QColor d = QColor::fromRgb(map->picture().level().pixel(50 * 32, 2 * 32)); // a floor cell, row 0 of pattern 1
    EXPECT_NE(map->picture().level().pixel(50 * 32, 2 * 32), before.pixel(50 * 32, 2 * 32)) << d.name().toStdString();
    EXPECT_EQ(map->picture().level().pixel(50 * 32, 2 * 32) & 0xFFFFFF,
              ToQRgb(map->document().colorEntry(3, 3).displayColor) & 0xFFFFFF);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MapWindowTest, ADamagedPatternSetStopsTheOpening)
{
    set->patternWindow()->editor().document().setEntry(2, 5, 3, QStringLiteral("zehn"));
    open();
    EXPECT_EQ(dialogs.errors, QStringList({"'zehn' ist kein gültiger Integerwert"}));
    EXPECT_FALSE(map->isVisible());
    EXPECT_TRUE(map->document().code(0, 0).isEmpty());
}

TEST_F(MapWindowTest, PaintByDragAndUndo)
{
    open();
    toPaintingPage();
    const std::vector<QString> codes = map->document().gridCodes();
    const QImage before = map->picture().level().copy();
    drag(cell(10, 4), cell(29, 4), 40);
    for (int x = 10; x < 30; ++x)
        EXPECT_EQ(map->document().cellPattern(x, 4), 3) << x;
    EXPECT_EQ(Control<QLabel>(map, "LabelPattern")->text(),
              QStringLiteral("Klicke unten, um das gewählte Pattern zu setzen in:    Spalte (X) = 29  /  Zeile (Y) = 4"));
    const QImage painted = map->picture().level().copy();
    auto* undoButton = Control<QPushButton>(map, "ButtonUndo");
    EXPECT_EQ(undoButton->toolTip(), QStringLiteral("Rückgängig (Strg+Z): Malen"));
    map->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(map));
    QTest::keyClick(map, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(map->document().gridCodes(), codes);
    EXPECT_EQ(map->picture().level(), before);
    QTest::keyClick(map, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(map->picture().level(), painted);
    QTest::keyClick(map, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(map, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(map->picture().level(), painted);
    EXPECT_FALSE(undoButton->toolTip().isEmpty());
}

TEST_F(MapWindowTest, TheRightButtonPaintsItsPatternIntoTheSavedFile)
{
    open();
    toPaintingPage();
    choose(17, Qt::RightButton);
    std::vector<QString> expected = map->document().gridCodes();
    drag(cell(40, 6), cell(49, 8), 30, Qt::RightButton);
    const QString path = folder.filePath(QStringLiteral("rechts.la8"));
    dialogs.fileAnswers = {path};
    click("ButtonSaveFile");
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'|').toStdString();
    LevelDocument saved;
    LoadLevelFile(saved, path);
    // The drag runs down two rows along the way: every cell it crossed, and no other, holds pattern 17.
    for (int i = 0; i <= 30; ++i) {
        const QPoint pointer = cell(40, 6) + (cell(49, 8) - cell(40, 6)) * i / 30; // as drag moves it
        const QPoint at(pointer.x() / 32, pointer.y() / 32);
        for (int part : {2 * at.x(), 2 * at.x() + 1})
            expected[at.y() * LevelDocument::kCodes + part] = QString::number(2 * 17 + part % 2);
    }
    EXPECT_EQ(saved.gridCodes(), expected);
    EXPECT_EQ(saved.cellPattern(40, 6), 17);
    EXPECT_EQ(saved.cellPattern(49, 8), 17);
}

TEST_F(MapWindowTest, RefusesAStartPointInColumnEight)
{
    open();
    toPaintingPage();
    choose(44);
    EXPECT_EQ(carried("labelnummer"), QStringLiteral("44"));
    clickCell(8, 2);
    EXPECT_EQ(map->document().cellPattern(8, 2), 1);
    EXPECT_EQ(log().last(), QStringLiteral("Oxil darf nicht so weit links starten."));
    clickCell(9, 2);
    EXPECT_EQ(map->document().cellPattern(9, 2), 44);
    // Shift + left picks the goal flag without changing the cell; middle + right paints the middle pattern.
    map->document().writeCell(30, 1, 17);
    clickCell(30, 1, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(carried("labelnummer"), QStringLiteral("17"));
    EXPECT_EQ(map->document().cellPattern(30, 1), 17);
    send(Control<LevelPictureView>(map, "paintboxLevel"), QEvent::MouseButtonPress, cell(31, 1), Qt::MiddleButton, Qt::MiddleButton | Qt::RightButton);
    send(Control<LevelPictureView>(map, "paintboxLevel"), QEvent::MouseButtonRelease, cell(31, 1), Qt::MiddleButton, Qt::RightButton);
    EXPECT_EQ(map->document().cellPattern(31, 1), 10);
    // Chooser text.
    send(Control<LevelPictureView>(map, "paintboxpattern"), QEvent::MouseMove, QPoint(6 * 32 + 3, 2 * 32 + 3), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(Control<QLabel>(map, "LabelAuswahl")->text().endsWith(QStringLiteral("Pattern-Nr.  70    (Mauer: versperrt den Weg)")));
}

TEST_F(MapWindowTest, OtherPagesOnlyTellThePosition)
{
    open();
    const std::vector<QString> codes = map->document().gridCodes();
    clickCell(40, 3);
    send(Control<LevelPictureView>(map, "paintboxLevel"), QEvent::MouseMove, cell(41, 3), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(map->document().gridCodes(), codes);
    EXPECT_EQ(Control<QLabel>(map, "LabelPattern")->text(), QStringLiteral("Spalte (X) = 41  /  Zeile (Y) = 3"));
}

TEST_F(MapWindowTest, InitialiseAsksFirst)
{
    open();
    toPaintingPage();
    choose(2);
    dialogs.confirmAnswers = {UserDialogs::Answer::No, UserDialogs::Answer::Cancel, UserDialogs::Answer::Yes};
    click("Button32");
    click("Button32");
    EXPECT_EQ(map->document().cellPattern(60, 5), 1);
    click("Button32");
    EXPECT_EQ(dialogs.confirmations.last(),
              QStringLiteral("Soll der gesamte Level mit dem gewählten Pattern 2 initialisiert werden?\rAlle bisherigen "
                             "Pattern werden gelöscht!"));
    EXPECT_EQ(map->document().cellPattern(60, 5), 2);
    EXPECT_EQ(Control<QPushButton>(map, "ButtonUndo")->toolTip(), QStringLiteral("Rückgängig (Strg+Z): Level Initialisieren"));
    click("ButtonUndo");
    EXPECT_EQ(map->document().cellPattern(60, 5), 1);
}

TEST_F(MapWindowTest, SaveAndLoadThroughTheDialogs)
{
    open();
    toPaintingPage();
    clickCell(20, 7);
    QTest::keyClicks(Control<QLineEdit>(map, "editautor"), QStringLiteral("Ein Autor Mit Langem Namen"));
    EXPECT_EQ(map->document().author(), QStringLiteral("Ein Autor Mit Langem Namen"));
    const QString path = folder.filePath(QStringLiteral("Welt.la8"));
    dialogs.fileAnswers = {std::nullopt, path};
    click("ButtonSaveFile"); // cancelled: nothing
    EXPECT_EQ(Control<QLabel>(map, "Label13")->text(), QStringLiteral(" Kein Level geladen"));
    click("ButtonSaveFile");
    ASSERT_EQ(dialogs.saveRequests.size(), 2u);
    const FileDialogRequest& r = dialogs.saveRequests.back();
    EXPECT_EQ(r.title, QStringLiteral("Speichern: Dateiname für die Leveldaten?"));
    EXPECT_EQ(r.filter, QStringLiteral("Tavrel Level Dateien für Atari 8Bit (*.la8)|*.la8|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(r.fileName, QStringLiteral("Kein Level geladen"));
    EXPECT_EQ(r.defaultExt, QStringLiteral("la8"));
    EXPECT_EQ(dialogs.messages, QStringList({"OK"}));
    EXPECT_EQ(Control<QLabel>(map, "Label13")->text(), QStringLiteral("Level: Welt.la8"));
    EXPECT_EQ(Control<QLineEdit>(map, "editautor")->text(), QStringLiteral("Ein Autor Mit Langem Namen"));

    clickCell(21, 7, Qt::RightButton);
    dialogs.fileAnswers = {path};
    click("ButtonLoadFile");
    EXPECT_EQ(dialogs.openRequests.back().fileName, QStringLiteral("Welt.la8"));
    EXPECT_TRUE(dialogs.openRequests.back().title.isEmpty());
    EXPECT_EQ(map->document().cellPattern(20, 7), 3);
    EXPECT_EQ(Control<QLineEdit>(map, "editautor")->text(), QStringLiteral("ein autor mit la"));
    EXPECT_EQ(carried("labelnummer"), QStringLiteral("0"));
    EXPECT_EQ(map->document().undoStack().count(), 0);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MapWindowTest, ALevelFileCutShortChangesNothingAndLeavesTheEditorUsable)
{
    open();
    const QString label = Control<QLabel>(map, "Label13")->text();
    const int time = Control<QSpinBox>(map, "SpinTime1")->value();
    const QString path = WriteTestFile(folder, QStringLiteral("kurz.la8"), JoinWindows1252Lines(LevelFileLines(map->document()).mid(0, 100)));
    dialogs.fileAnswers = {path};
    click("ButtonLoadFile");
    EXPECT_EQ(dialogs.errors,
              QStringList({QStringLiteral("Datei %1, Zeile 101: Die Datei endet hier, eine Level-Datei hat mindestens 2784 Zeilen").arg(path)}));
    EXPECT_EQ(Control<QLabel>(map, "Label13")->text(), label);
    EXPECT_EQ(Control<QSpinBox>(map, "SpinTime1")->value(), time);
    toPaintingPage();
    clickCell(30, 3);
    EXPECT_EQ(map->document().cellPattern(30, 3), 3);
}

TEST_F(MapWindowTest, TablesEditAsUndoSteps)
{
    open();
    QAbstractItemModel* model = Control<QTableView>(map, "MonsterGrid")->model();
    typeInto("MonsterGrid", 6, 1, QStringLiteral("R"));
    EXPECT_EQ(map->document().monsterCell(7, 2), QStringLiteral("R"));
    typeInto("Schaltergrid", 2, 4, QStringLiteral("77"));
    EXPECT_EQ(map->document().switchCell(3, 5), QStringLiteral("77"));
    click("ButtonUndo");
    EXPECT_EQ(map->document().switchCell(3, 5), QStringLiteral("0"));
    click("ButtonUndo");
    EXPECT_EQ(model->index(6, 1).data().toString(), QStringLiteral("L"));
}

TEST_F(MapWindowTest, CommandLinePictureMatchesTheWindow)
{
    open();
    toPaintingPage();
    for (int x = 9; x < 40; ++x)
        clickCell(x, x % 10);
    map->document().setTableCell(LevelTable::Monsters, 2, 1, QStringLiteral("20"));
    map->document().setTableCell(LevelTable::Monsters, 3, 1, QStringLiteral("4"));
    map->document().setTableCell(LevelTable::Switches, 1, 3, QStringLiteral("12"));
    map->document().setTableCell(LevelTable::Switches, 3, 3, QStringLiteral("50"));
    const QString level = folder.filePath(QStringLiteral("cli.la8"));
    dialogs.fileAnswers = {level, level};
    click("ButtonSaveFile");
    Control<QCheckBox>(map, "CheckBoxMonster")->click();
    Control<QCheckBox>(map, "CheckBoxschalter")->click();
    click("ButtonLoadFile");
    ASSERT_TRUE(dialogs.errors.isEmpty());
    const QString picture = folder.filePath(QStringLiteral("cli.png"));
    QProcess cli;
    cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tavrel-cli"),
              {QStringLiteral("render-level"), level, QStringLiteral("--font"), fontFile(), QStringLiteral("--overlays"),
               QStringLiteral("-o"), picture});
    ASSERT_TRUE(cli.waitForFinished(30000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_EQ(QImage(picture).convertToFormat(QImage::Format_RGB32), map->picture().level().convertToFormat(QImage::Format_RGB32));
}

TEST_F(MapWindowTest, BannerArrows)
{
    open();
    QWidget* banner = Control<QWidget>(map, "Panel5");
    const int start = banner->x();
    EXPECT_EQ(start, Control<QScrollArea>(map, "ScrollBox1")->mapTo(map, QPoint(0, 0)).x()); // flush with the level view
    click("SpeedButton38");
    EXPECT_EQ(banner->x(), start); // never left of its start
    click("SpeedButton37");
    click("SpeedButton37");
    EXPECT_EQ(banner->x(), start + 64);
    click("SpeedButton38");
    EXPECT_EQ(banner->x(), start + 32);
    for (int i = 0; i < 40; ++i)
        click("SpeedButton37");
    EXPECT_LE(banner->x() + banner->width(), Control<QScrollArea>(map, "ScrollBox1")->mapTo(map, QPoint(Control<QScrollArea>(map, "ScrollBox1")->width(), 0)).x());
    EXPECT_GT(banner->x() + banner->width() + 32, Control<QScrollArea>(map, "ScrollBox1")->mapTo(map, QPoint(Control<QScrollArea>(map, "ScrollBox1")->width(), 0)).x());
}
