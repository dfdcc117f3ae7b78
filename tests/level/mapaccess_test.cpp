// The level editor and the graphics converter without a mouse: every control reached by Tab, names for
// screen readers, the chooser by keyboard, and number fields that bring typed values into range.
#include "gui/common/codewindow.h"
#include "gui/common/controls.h"
#include "gui/converter/converterwindow.h"
#include "gui/level/levelbyteview.h"
#include "gui/sound/soundwindow.h"
#include "gui/splitter/splitterwindow.h"
#include "support/mapwindowfixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QMap>
#include <QMenu>
#include <QSet>
#include <QTabBar>
#include <QSpinBox>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

class MapAccessTest : public MapWindowFixture {
protected:
    // The controls Tab visits from `start` until it comes back round.
    static QSet<QWidget*> tabRound(QWidget* window, QWidget* start)
    {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        start->setFocus();
        QSet<QWidget*> seen;
        for (int i = 0; i < 400 && !seen.contains(QApplication::focusWidget()); ++i) {
            seen.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return seen;
    }
    // Every shown control of the window that takes the focus by Tab.
    static QList<QWidget*> tabbable(QWidget* window)
    {
        QList<QWidget*> controls;
        for (QWidget* w : window->findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
                controls << w;
        return controls;
    }
    static QString spokenName(QWidget* w)
    {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QString();
    }
};

} // namespace

TEST_F(MapAccessTest, TabReachesEveryControlOfTheLevelEditorAndTheConverter)
{
    open();
    for (int page : {0, 1, 2, 3}) {
        Control<QTabWidget>(map, "PageControl1")->setCurrentIndex(page);
        const QSet<QWidget*> reached = tabRound(map, Control<QWidget>(map, "ButtonFont"));
        for (QWidget* w : tabbable(map))
            EXPECT_TRUE(reached.contains(w)) << page << " " << w->objectName().toStdString() << " "
                                             << w->metaObject()->className();
        // The swatches are one stop, the one last used (the arrows move inside).
        for (const char* name : {"PanelA1", "paintboxLevel"})
            EXPECT_TRUE(reached.contains(Control<QWidget>(map, name))) << name;
        EXPECT_FALSE(reached.contains(Control<QWidget>(map, "PanelE10")));
        // The row numbers have no action and are passed over.
        EXPECT_FALSE(reached.contains(Control<QWidget>(map, "ButtonRowLeft3")));
    }
    QWidget* converter = set->converterWindow();
    ShowWindow(converter);
    const QSet<QWidget*> reached = tabRound(converter, Control<QWidget>(converter, "SpinEdit1"));
    for (QWidget* w : tabbable(converter))
        EXPECT_TRUE(reached.contains(w)) << w->objectName().toStdString() << " " << w->metaObject()->className();
}

TEST_F(MapAccessTest, ScreenReadersHearGermanNames)
{
    open();
    struct Case {
        const char* name;
        const char* spoken;
    };
    const Case cases[] = {
        {"editautor", "Level-Autor"},
        {"edittitel", "Level-Name"},
        {"Edittipp1", "Tipp zum Level, erste Zeile"},
        {"Edittipp2", "Tipp zum Level, zweite Zeile"},
        {"paintboxLevel", "Der Level"},
        {"paintboxpattern", "Die Pattern"},
        {"Memo", "Meldungen"},
        {"MonsterGrid", "Gegner-Tabelle"},
        {"Schaltergrid", "Schalter-Tabelle"},
        {"SpinTime1", "Zeit im Level, Ziffer 1"},
        {"Spintime4", "Zeit im Level, Ziffer 4"},
        {"ButtonUndo", "Rückgängig"},
        {"ButtonRedo", "Wiederherstellen"},
        {"SpeedButton15", "Schalter 1: Wo steht der Schalter"},
        {"SpeedButton36", "Schalter 8: Was schaltet er um"},
        {"PanelC4", "Farbe C der Zeile 3"},
        {"SpeedButton1", "Gegner 1: Setze Position im Level"},
        {"SpeedButton11", "Gegner 10: Setze Position im Level"},
        {"SpinATRlevel", "Level-Nummer auf der ATR Disk"},
        {"SpeedButton38", "Hinweiszeile nach links"},
        {"SpeedButton37", "Hinweiszeile nach rechts"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spokenName(Control<QWidget>(map, c.name)), QString::fromUtf8(c.spoken)) << c.name;
    // Every other control Tab reaches on any page is named too.
    for (int page : {0, 1, 2, 3}) {
        Control<QTabWidget>(map, "PageControl1")->setCurrentIndex(page);
        for (QWidget* w : tabbable(map))
            EXPECT_FALSE(spokenName(w).trimmed().isEmpty()) << page << " " << w->objectName().toStdString();
    }
    QWidget* bytes = set->levelByteView();
    EXPECT_EQ(spokenName(Control<QWidget>(bytes, "GridLeveldata")), QStringLiteral("Die Daten des Levels"));
    EXPECT_EQ(spokenName(Control<QWidget>(bytes, "GridBit")), QStringLiteral("Die Daten der Farb-Pixel"));
    QWidget* converter = set->converterWindow();
    EXPECT_EQ(spokenName(Control<QWidget>(converter, "grid")), QStringLiteral("Farbregister pro Bildzeile"));
    EXPECT_EQ(spokenName(Control<QWidget>(converter, "Memo1")), QStringLiteral("Meldungen des Grafik Converters"));
    EXPECT_EQ(spokenName(Control<QWidget>(converter, "SpinEdit1")), QStringLiteral("Line Zoom"));
    EXPECT_EQ(spokenName(Control<QWidget>(converter, "ScrollBox1")), QStringLiteral("Das Bild"));
    ShowWindow(converter);
    for (QWidget* w : tabbable(converter))
        EXPECT_FALSE(spokenName(w).trimmed().isEmpty()) << w->objectName().toStdString();
}

TEST_F(MapAccessTest, ChooserByKeyboard)
{
    open();
    toPaintingPage();
    map->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(map));
    auto* chooser = Control<QWidget>(map, "paintboxpattern");
    chooser->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(chooser, Qt::Key_Right);
    QTest::keyClick(chooser, Qt::Key_Down);
    EXPECT_TRUE(Control<QLabel>(map, "LabelAuswahl")->text().contains(QStringLiteral("Pattern-Nr.  35 ")));
    QTest::keyClick(chooser, Qt::Key_Space);
    QTest::keyClick(chooser, Qt::Key_Right);
    QTest::keyClick(chooser, Qt::Key_2);
    QTest::keyClick(chooser, Qt::Key_Right);
    QTest::keyClick(chooser, Qt::Key_3);
    EXPECT_EQ(QStringList({carried("labelnummer"), carried("Labelnummermitte"), carried("Labelnummerloeschen")}),
              QStringList({"35", "36", "37"}));
}

TEST_F(MapAccessTest, TypedNumbersBeyondTheLimitsTakeTheNearerLimit)
{
    open();
    map->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(map));
    struct Case {
        QWidget* window;
        const char* name;
        const char* typed;
        int value;
    };
    const Case cases[] = {
        {map, "SpinATRlevel", "77", 40},
        {map, "SpinATRlevel", "0", 1},
        {map, "Spintime2", "12", 9},
        {set->converterWindow(), "SpinEdit1", "500", 100},
    };
    for (const Case& c : cases) {
        ShowWindow(c.window);
        auto* spin = Control<QSpinBox>(c.window, c.name);
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QString::fromUtf8(c.typed));
        QTest::keyClick(spin, Qt::Key_Return);
        EXPECT_EQ(spin->value(), c.value) << c.name << " " << c.typed;
    }
    EXPECT_EQ(map->document().timeDigit(1), QStringLiteral("9"));
}

TEST_F(MapAccessTest, EveryWindowTipsItsButtonsAndFieldsAndNamesWhatTabReaches)
{
    open();
    for (QWidget* window : set->windows()) {
        ShowWindow(window);
        auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        for (int page = 0; page < (pages ? pages->count() : 1); ++page) {
            if (pages)
                pages->setCurrentIndex(page);
            const std::string where = window->objectName().toStdString() + " " + std::to_string(page) + " ";
            // Every button of the window's own, shown or hidden (not Qt's own in tab and menu bars).
            for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
                if (!b->objectName().isEmpty() && !b->objectName().startsWith(QLatin1String("qt_"))
                    && !qobject_cast<QTabBar*>(b->parentWidget())) {
                    EXPECT_FALSE(b->toolTip().trimmed().isEmpty()) << where << b->objectName().toStdString();
                }
            }
            for (QWidget* w : tabbable(window)) {
                EXPECT_FALSE(spokenName(w).trimmed().isEmpty())
                    << where << w->objectName().toStdString() << " " << w->metaObject()->className();
                // Every field says what it takes, as the buttons say what they do.
                if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w)) {
                    const QWidget* field = qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ? w->parentWidget() : w;
                    EXPECT_FALSE(field->toolTip().trimmed().isEmpty()) << where << "field " << field->objectName().toStdString();
                }
            }
        }
    }
    struct Case {
        QWidget* window;
        const char* name;
        const char* spoken;
    };
    const Case cases[] = {
        {map, "PageControl1", "Seiten des Level Editors"},
        {set->codeWindow(), "Memocode", "Assembler Code"},
        {set->soundWindow(), "Memo1", "Meldungen des Sound Converters"},
        {set->splitterWindow(), "Memo1", "Meldungen des Datei Splitters"},
        {set->splitterWindow(), "Paneltop", "Geladene Datei"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spokenName(Control<QWidget>(c.window, c.name)), QString::fromUtf8(c.spoken)) << c.name;
    // A combo box is spoken by its value on Linux; its label names it.
    for (const auto& [window, name, label] : {std::tuple<QWidget*, const char*, const char*>{set->codeWindow(), "ComboDialect", "Assembler:"},
                                              {set->patternWindow(), "Combomode", "Definiere hier das Aussehen des Pattern: "}}) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Control<QWidget>(window, name));
        ASSERT_NE(a, nullptr);
        QStringList labels;
        for (const auto& relation : a->relations(QAccessible::Label))
            labels << relation.first->text(QAccessible::Name);
        EXPECT_EQ(labels, QStringList{QString::fromUtf8(label)}) << name;
    }
    // With its keys where it has some.
    EXPECT_EQ(Control<QWidget>(set->patternWindow(), "ButtonLoadFile")->toolTip(), QStringLiteral("Font Datei laden (Ctrl+O)"));
}

TEST_F(MapAccessTest, EveryMenuGivesEachEntryALetterOfItsOwn)
{
    // Two entries of one menu with the same underlined letter take turns on that letter instead of
    // opening: Alt+B, then the letter, must reach its entry at once.
    open();
    for (QWidget* window : set->windows()) {
        for (QMenu* menu : window->findChildren<QMenu*>()) {
            QMap<QChar, QString> taken;
            for (QAction* a : menu->actions()) {
                const QString text = a->text();
                const qsizetype amp = text.indexOf(QLatin1Char('&'));
                if (a->isSeparator() || amp < 0 || amp + 1 >= text.size())
                    continue;
                const QChar letter = text[amp + 1].toLower();
                EXPECT_FALSE(taken.contains(letter)) << window->objectName().toStdString() << " "
                    << menu->objectName().toStdString() << ": " << text.toStdString() << " and "
                    << taken.value(letter).toStdString();
                taken.insert(letter, text);
            }
        }
    }
}
