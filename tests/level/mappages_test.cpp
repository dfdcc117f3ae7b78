// The level editor's monster, switch and colour controls, the level code export and the byte view, driven
// through the window set with scripted dialogs.
#include "gui/level/levelwindow.h"
#include "levelio/levelcode.h"
#include "gui/level/levelbyteview.h"
#include "palette/ataripalette.h"
#include "gui/common/imageview.h"
#include "gui/palette/palettewindow.h"
#include "support/mapwindowfixture.h"
#include "common/packedcolor_picture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

class MapPagesTest : public MapWindowFixture {
protected:
    void SetUp() override
    {
        MapWindowFixture::SetUp();
        open();
    }
    QString monsterCell(int row, int monster) { return Control<QTableView>(map, "MonsterGrid")->model()->index(row - 1, monster - 1).data().toString(); }
    QString switchCell(int row, int sw) { return Control<QTableView>(map, "Schaltergrid")->model()->index(row - 1, sw - 1).data().toString(); }
    // A click on the palette grid's cell in this column (luminance) and row (hue).
    static void pick(PaletteWindow* palette, int column, int row)
    {
        QTest::mouseClick(Control<ImageView>(palette, "DrawGrid1"), Qt::LeftButton, {}, QPoint(32 * column + 5, 32 * row + 5));
    }
    QRgb pixel(int x, int y) { return map->picture().level().pixel(x, y) & 0xFFFFFF; }
    void tick(const char* box) { QTest::mouseClick(Control<QCheckBox>(map, box), Qt::LeftButton, {}, QPoint(5, 5)); }
};

constexpr QRgb MonsterRgb(int n) { return qRgb(255 - 14 * n, 0, 0) & 0xFFFFFF; }
constexpr QRgb SwitchRgb(int n) { return qRgb(0, 255 - 14 * n, 0) & 0xFFFFFF; }

} // namespace

TEST_F(MapPagesTest, ButtonsAndCaptions)
{
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {{"BitBtn1", "Init Table"},      {"Button33", "Aktualisiere"},   {"buttoninitschaltergrid", "Init Table"},
                   {"Button34", "Aktualisiere"},   {"SpeedButton1", "01"},         {"SpeedButton5", "05"},
                   {"SpeedButton7", "06"},         {"SpeedButton11", "10"},        {"SpeedButton15", "Wo"},
                   {"SpeedButton16", "Was"},       {"SpeedButton35", "Wo"},        {"SpeedButton36", "Was"},
                   {"Button1", "Assembler Code generieren"}, {"Button30", "Level Data Bytes anzeigen"},
                   {"ButtonStandardfarbe", "Standardfarbe setzen"}};
    for (const auto& b : buttons)
        EXPECT_EQ(Control<QPushButton>(map, b.name)->text(), QString::fromUtf8(b.caption)) << b.name;
    EXPECT_EQ(map->findChild<QWidget*>(QStringLiteral("SpeedButton6")), nullptr);
    EXPECT_EQ(Control<QLabel>(map, "Label11")->text(), QStringLiteral("Setze Position im Level:"));
    EXPECT_EQ(Control<QLabel>(map, "Label15")->text(), QStringLiteral("Wo steht der Schalter:"));
    EXPECT_EQ(Control<QLabel>(map, "Label16")->text(), QStringLiteral("Was schaltet er um:"));
    for (const char* panel : {"PanelA1", "PanelE10", "PanelC7"})
        EXPECT_NE(map->findChild<QWidget*>(QLatin1String(panel)), nullptr) << panel;
}

TEST_F(MapPagesTest, MonsterFiveByMouseAndItsUndo)
{
    tick("CheckBoxMonster");
    const QImage before = map->picture().level().copy();
    click("SpeedButton5");
    clickCell(40, 3);
    EXPECT_EQ(QStringList({monsterCell(1, 5), monsterCell(2, 5), monsterCell(3, 5)}), QStringList({"5", "40", "3"}));
    EXPECT_EQ(pixel(32 * 40 + 4, 32 * 3 + 2), MonsterRgb(5)); // its label box, with the overlay ticked
    // The path runs left along row 3 to the wall at column 5.
    EXPECT_EQ(pixel(32 * 20 + 14, 32 * 3 + 16), MonsterRgb(5));

    click("ButtonUndo");
    EXPECT_EQ(QStringList({monsterCell(1, 5), monsterCell(2, 5), monsterCell(3, 5)}), QStringList({"0", "0", "0"}));
    EXPECT_EQ(map->picture().level(), before);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MapPagesTest, ClicksOnOtherPagesLeaveAPendingMonster)
{
    click("SpeedButton1");
    Control<QTabWidget>(map, "PageControl1")->setCurrentIndex(3);
    clickCell(30, 2);
    EXPECT_EQ(monsterCell(2, 1), QStringLiteral("0"));
    Control<QTabWidget>(map, "PageControl1")->setCurrentIndex(1);
    clickCell(30, 2); // paints as usual
    EXPECT_EQ(map->document().cellPattern(30, 2), 3);
    EXPECT_EQ(monsterCell(2, 1), QStringLiteral("0"));
    Control<QTabWidget>(map, "PageControl1")->setCurrentIndex(2);
    clickCell(30, 2);
    EXPECT_EQ(monsterCell(2, 1), QStringLiteral("30"));
}

TEST_F(MapPagesTest, SwitchAndItsTargetByMouse)
{
    tick("CheckBoxschalter");
    Control<QTabWidget>(map, "PageControl1")->setCurrentIndex(3);
    click("SpeedButton21"); // "Wo" of switch 3
    EXPECT_EQ(switchCell(1, 3), QStringLiteral("Maus X"));
    clickCell(12, 4);
    EXPECT_EQ(switchCell(1, 3), QStringLiteral("12"));
    EXPECT_EQ(map->document().cellPattern(12, 4), 28);

    click("SpeedButton22"); // "Was" of switch 3
    EXPECT_EQ(Control<QTabWidget>(map, "PageControl1")->currentIndex(), 1);
    choose(12);
    EXPECT_EQ(Control<QTabWidget>(map, "PageControl1")->currentIndex(), 3);
    EXPECT_EQ(QStringList({switchCell(3, 3), switchCell(4, 3), switchCell(5, 3)}), QStringList({"Maus X", "Maus Y", "12"}));
    clickCell(100, 7);
    EXPECT_EQ(QStringList({switchCell(3, 3), switchCell(4, 3), switchCell(5, 3)}), QStringList({"100", "7", "12"}));
    EXPECT_EQ(map->document().cellPattern(100, 7), 1);
    // The switch overlay: label at the switch, hatched target field.
    EXPECT_EQ(pixel(32 * 12 + 3, 32 * 4 + 15), SwitchRgb(3));
    EXPECT_EQ(pixel(32 * 100 + 1, 32 * 7 + 1), SwitchRgb(3));

    // Moved: the old cell becomes floor again.
    click("SpeedButton21");
    EXPECT_EQ(map->document().cellPattern(12, 4), 1);
    // A second "Wo" before the click meets the placeholders.
    click("SpeedButton21");
    EXPECT_EQ(dialogs.errors, QStringList({"'Maus Y' ist kein gültiger Integerwert"}));
    clickCell(20, 6);
    EXPECT_EQ(QStringList({switchCell(1, 3), switchCell(2, 3)}), QStringList({"20", "6"}));
}

TEST_F(MapPagesTest, ResetsAsk)
{
    map->document().setTableCell(LevelTable::Monsters, 7, 2, QStringLiteral("R"));
    map->document().setTableCell(LevelTable::Switches, 1, 2, QStringLiteral("9"));
    dialogs.confirmAnswers = {UserDialogs::Answer::No, UserDialogs::Answer::Cancel};
    click("BitBtn1");
    click("buttoninitschaltergrid");
    EXPECT_EQ(monsterCell(7, 2), QStringLiteral("R"));
    EXPECT_EQ(switchCell(1, 2), QStringLiteral("9"));
    dialogs.confirmAnswers = {UserDialogs::Answer::Yes, UserDialogs::Answer::Yes};
    click("BitBtn1");
    click("buttoninitschaltergrid");
    EXPECT_EQ(monsterCell(7, 2), QStringLiteral("L"));
    EXPECT_EQ(switchCell(1, 2), QStringLiteral("0"));
    EXPECT_EQ(dialogs.confirmations[2],
              QStringLiteral("Soll die gesammte Monstertabelle neu initialisiert werden?\rAlle bisherigen Einträge werden gelöscht!"));
    EXPECT_EQ(dialogs.confirmations[3],
              QStringLiteral("Soll die gesammte Schaltertabelle neu initialisiert werden?\rAlle bisherigen Einträge werden gelöscht!"));
    click("ButtonUndo");
    EXPECT_EQ(switchCell(1, 2), QStringLiteral("9"));
}

TEST_F(MapPagesTest, SwatchThroughThePalette)
{
    PaletteWindow* palette = set->paletteWindow();
    QTest::mouseDClick(Control<QWidget>(map, "PanelC7"), Qt::LeftButton);
    ASSERT_TRUE(palette->isVisible());
    EXPECT_EQ(Control<QLabel>(palette, "Labelfarbe")->text(), QStringLiteral("C7"));
    EXPECT_FALSE(Control<QPushButton>(palette, "Buttonwahl2")->isHidden());
    pick(palette, 14, 1); // hue 1, luminance E
    QTest::mouseClick(Control<QPushButton>(palette, "Buttonwahl2"), Qt::LeftButton);
    EXPECT_FALSE(palette->isVisible());
    const ColorLineEntry& c7 = map->document().colorEntry(2, 7);
    EXPECT_EQ(c7.hexText, QStringLiteral("1E"));
    EXPECT_EQ(c7.displayColor, PaletteColor(0x1E));
    EXPECT_EQ(c7.textColor, kBlack);
    EXPECT_EQ(Control<QLabel>(map, "PanelC7")->text(), QStringLiteral("1E"));

    QTest::mouseDClick(Control<QWidget>(map, "PanelE10"), Qt::LeftButton);
    EXPECT_EQ(Control<QLabel>(palette, "Labelfarbe")->text(), QStringLiteral("EA"));
    // A double click on "94": the click that picks the cell comes first (QTest's double click leaves it out).
    pick(palette, 4, 9);
    QTest::mouseDClick(Control<ImageView>(palette, "DrawGrid1"), Qt::LeftButton, {}, QPoint(32 * 4 + 5, 32 * 9 + 5));
    EXPECT_FALSE(palette->isVisible());
    EXPECT_EQ(map->document().colorEntry(4, 10).hexText, QStringLiteral("94"));
    EXPECT_EQ(map->document().colorEntry(4, 10).textColor, kWhite);

    click("ButtonUndo");
    EXPECT_EQ(map->document().colorEntry(4, 10).hexText, QStringLiteral("AE"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MapPagesTest, StandardColoursAsk)
{
    map->document().setColorEntry(3, 1, {QStringLiteral("12"), 0, kBlack});
    dialogs.confirmAnswers = {UserDialogs::Answer::No};
    click("ButtonStandardfarbe");
    EXPECT_EQ(map->document().colorEntry(3, 1).hexText, QStringLiteral("12"));
    EXPECT_EQ(dialogs.confirmations.last(),
              QStringLiteral("Sollen die 5 Standard-Farben aus dem Font-Editor für alle diese Zeilen gesetzt werden??"));
    dialogs.confirmAnswers = {UserDialogs::Answer::Yes};
    click("ButtonStandardfarbe");
    EXPECT_EQ(map->document().colorEntry(3, 1).hexText, QStringLiteral("36"));
    EXPECT_EQ(pixel(0, 0), ToQRgb(map->document().colorEntry(0, 1).displayColor) & 0xFFFFFF);
}

TEST_F(MapPagesTest, LevelCodeReplacesTheLog)
{
    Control<QTabWidget>(map, "PageControl1")->setCurrentIndex(0);
    click("Button1");
    click("Button1");
    EXPECT_EQ(Control<QPlainTextEdit>(map, "Memo")->blockCount(), kLevelCodeLines);
    EXPECT_EQ(Control<QPlainTextEdit>(map, "Memo")->toPlainText().split(QLatin1Char('\n')), LevelAssemblerCode(map->document()));
}

TEST_F(MapPagesTest, ByteViewOpensOnTheLiveLevel)
{
    click("Button30");
    LevelByteView* view = set->levelByteView();
    ASSERT_TRUE(view->isVisible());
    QAbstractItemModel* codes = Control<QTableView>(view, "GridLeveldata")->model();
    EXPECT_EQ(codes->index(0, 10).data().toString(), QStringLiteral("6"));
    Control<QTabWidget>(map, "PageControl1")->setCurrentIndex(1);
    clickCell(60, 5);
    EXPECT_EQ(codes->index(5, 120).data().toString(), QStringLiteral("6"));
    QAbstractItemModel* bits = Control<QTableView>(view, "GridBit")->model();
    EXPECT_EQ(bits->headerData(511, Qt::Horizontal).toString(), QStringLiteral("127d"));
    // Character 5, row 0 holds 146 in the fixture's start-up file: pixels 2, 1, 0, 2.
    EXPECT_EQ(bits->index(0, 20).data().toString(), QStringLiteral("2"));
    EXPECT_EQ(bits->index(0, 21).data().toString(), QStringLiteral("1"));
    EXPECT_EQ(bits->index(0, 23).data().toString(), QStringLiteral("2"));
}

TEST_F(MapPagesTest, AktualisiereShowsWhatWasTyped)
{
    tick("CheckBoxMonster");
    typeInto("MonsterGrid", 0, 3, QStringLiteral("4"));
    typeInto("MonsterGrid", 1, 3, QStringLiteral("30"));
    typeInto("MonsterGrid", 2, 3, QStringLiteral("6"));
    EXPECT_EQ(QStringList({monsterCell(1, 4), monsterCell(2, 4), monsterCell(3, 4)}), QStringList({"4", "30", "6"}));
    EXPECT_NE(pixel(32 * 30 + 4, 32 * 6 + 2), MonsterRgb(4)); // typing does not redraw
    click("Button33");
    EXPECT_EQ(pixel(32 * 30 + 4, 32 * 6 + 2), MonsterRgb(4));
    // The switch page's button does the same; with a placeholder in a switch it reports the error.
    Control<QTabWidget>(map, "PageControl1")->setCurrentIndex(3);
    tick("CheckBoxschalter");
    click("SpeedButton17");
    click("Button34");
    EXPECT_EQ(dialogs.errors, QStringList({"'Maus X' ist kein gültiger Integerwert"}));
}

TEST_F(MapPagesTest, TheLastSwatchDoubleClickedIsAnswered)
{
    PaletteWindow* palette = set->paletteWindow();
    const ColorLineEntry c7 = map->document().colorEntry(2, 7);
    QTest::mouseDClick(Control<QWidget>(map, "PanelC7"), Qt::LeftButton);
    QTest::mouseDClick(Control<QWidget>(map, "PanelA2"), Qt::LeftButton);
    EXPECT_EQ(Control<QLabel>(palette, "Labelfarbe")->text(), QStringLiteral("A2"));
    pick(palette, 10, 10); // "AA"
    QTest::mouseClick(Control<QPushButton>(palette, "Buttonwahl2"), Qt::LeftButton);
    EXPECT_EQ(map->document().colorEntry(0, 2).hexText, QStringLiteral("AA"));
    EXPECT_EQ(map->document().colorEntry(0, 2).textColor, kBlack);
    EXPECT_EQ(map->document().colorEntry(2, 7), c7);
    // Cancelling hands nothing back.
    const ColorLineEntry b3 = map->document().colorEntry(1, 3);
    QTest::mouseDClick(Control<QWidget>(map, "PanelB3"), Qt::LeftButton);
    pick(palette, 0, 0);
    QTest::mouseClick(Control<QPushButton>(palette, "ButtonAbbrechen"), Qt::LeftButton);
    EXPECT_FALSE(palette->isVisible());
    EXPECT_EQ(map->document().colorEntry(1, 3), b3);
    EXPECT_EQ(Control<QLabel>(map, "PanelB3")->text(), b3.hexText);
}

TEST_F(MapPagesTest, ATargetChosenWithTheRightButtonStoresTheLeftPattern)
{
    click("SpeedButton16"); // "Was" of switch 1
    choose(40, Qt::RightButton);
    EXPECT_EQ(carried("Labelnummerloeschen"), QStringLiteral("40"));
    EXPECT_EQ(Control<QTabWidget>(map, "PageControl1")->currentIndex(), 3);
    EXPECT_EQ(switchCell(5, 1), QStringLiteral("3"));
    clickCell(50, 2);
    EXPECT_EQ(QStringList({switchCell(3, 1), switchCell(4, 1), switchCell(5, 1)}), QStringList({"50", "2", "3"}));
}
