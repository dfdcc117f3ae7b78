// The level editor's menus: every button's action with the standard keys, the recent level files and
// the help.
#include "gui/level/levelwindow.h"

#include "gui/common/windowmenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

void LevelWindow::pressButton(LevelPage page, const char* name)
{
    // The pages are built when first shown: a button of a page not seen yet is built first.
    ensurePage(page);
    if (auto* button = findChild<QAbstractButton*>(QLatin1String(name)))
        button->click();
}

void LevelWindow::buildMenus(QLayout* layout)
{
    QMenuBar* bar = AddMenuBar(this, layout);
    // An entry for a button on one of the pages.
    auto pageAction = [this](QMenu* menu, const QString& text, const char* action, LevelPage page, const char* button,
                             const QList<QKeySequence>& keys = {}) {
        QAction* a = AddMenuAction(menu, text, action, keys);
        connect(a, &QAction::triggered, this, [this, page, button] { pressButton(page, button); });
        return a;
    };
    const auto key = [](QKeySequence::StandardKey k) { return QKeySequence::keyBindings(k); };

    QMenu* file = bar->addMenu(QStringLiteral("&Datei"));
    file->setObjectName(QStringLiteral("MenuDatei"));
    pageAction(file, QStringLiteral("Level Datei &laden…"), "actionLevelLaden", LevelPage::Daten, "ButtonLoadFile",
               key(QKeySequence::Open));
    AddRecentFilesMenu(file, mRecent, "MenuZuletzt", [this](const QString& fileName) { openLevelFile(fileName); });
    pageAction(file, QStringLiteral("Level Datei &speichern…"), "actionLevelSpeichern", LevelPage::Daten,
               "ButtonSaveFile", key(QKeySequence::Save) + key(QKeySequence::SaveAs));
    file->addSeparator();
    pageAction(file, QStringLiteral("Level von &ATR laden"), "actionAtrLaden", LevelPage::Daten, "ButtonAtrLoad");
    pageAction(file, QStringLiteral("Level auf A&TR speichern"), "actionAtrSpeichern", LevelPage::Daten, "ButtonAtrSave");
    pageAction(file, QStringLiteral("Level &Binär 15 Sektoren speichern"), "actionBinaer15", LevelPage::Daten,
               "ButtonBinarySave15");
    pageAction(file, QStringLiteral("Level als B&ild speichern"), "actionBild", LevelPage::Daten, "Button31");
    pageAction(file, QStringLiteral("Assembler &Code generieren"), "actionLevelCode", LevelPage::Daten, "Button1");
    file->addSeparator();
    QAction* close = AddMenuAction(file, QStringLiteral("Fenster s&chließen"), "actionFensterSchliessen",
                                   key(QKeySequence::Close));
    connect(close, &QAction::triggered, this, &QWidget::close);
    QAction* quit = AddMenuAction(file, QStringLiteral("&Beenden"), "actionBeenden", key(QKeySequence::Quit));
    connect(quit, &QAction::triggered, this, [this] {
        if (mQuit)
            mQuit();
    });

    QMenu* edit = bar->addMenu(QStringLiteral("&Bearbeiten"));
    edit->setObjectName(QStringLiteral("MenuBearbeiten"));
    for (const auto& [name, text] : {std::pair{"actionUndo", "&Rückgängig"}, std::pair{"actionRedo", "&Wiederherstellen"}}) {
        auto* action = findChild<QAction*>(QLatin1String(name));
        action->setText(QString::fromUtf8(text));
        edit->addAction(action);
    }
    edit->addSeparator();
    // The clipboard works at the level's cursor; its keys belong to the level picture, so that a table
    // or a text field with the focus keeps its own Ctrl+C.
    const struct {
        const char* text;
        const char* name;
        QKeySequence::StandardKey keys;
        LevelKey levelKey;
    } clipboard[] = {
        {"&Ausschneiden", "actionAusschneiden", QKeySequence::Cut, LevelKey::Cut},
        {"&Kopieren", "actionKopieren", QKeySequence::Copy, LevelKey::Copy},
        {"&Einfügen", "actionEinfuegen", QKeySequence::Paste, LevelKey::Paste},
    };
    for (const auto& c : clipboard) {
        QAction* a = AddMenuAction(edit, QString::fromUtf8(c.text), c.name, key(c.keys));
        a->setShortcutContext(Qt::WidgetShortcut);
        paintboxLevel->addAction(a);
        connectAct(a, &QAction::triggered, [this, k = c.levelKey] { levelKey(k, false); });
    }
    edit->addSeparator();
    AddButtonAction(edit, ButtonStandardfarbe, QStringLiteral("&Standardfarbe setzen"), "actionStandardfarbe");
    pageAction(edit, QStringLiteral("Level &initialisieren"), "actionLevelInit", LevelPage::Spielelemente, "Button32");

    QMenu* view = bar->addMenu(QStringLiteral("&Ansicht"));
    view->setObjectName(QStringLiteral("MenuAnsicht"));
    for (QCheckBox* box : {CheckBoxMonster, CheckBoxschalter}) {
        const bool monsters = box == CheckBoxMonster;
        QAction* a = AddButtonAction(view, box,
                                     monsters ? QStringLiteral("&Monster in der Karte zeigen")
                                              : QStringLiteral("&Schalter in der Karte zeigen"),
                                     monsters ? "actionMonsterZeigen" : "actionSchalterZeigen");
        a->setCheckable(true);
        // The entry shows the box's state; choosing it clicks the box, which turns the state.
        connect(view, &QMenu::aboutToShow, a, [a, box] { a->setChecked(box->isChecked()); });
    }
    view->addSeparator();
    const char* pageNames[] = {"actionSeiteDaten", "actionSeiteElemente", "actionSeiteGegner", "actionSeiteSchalter"};
    for (int page = 0; page < PageControl1->count(); ++page) {
        QAction* a = AddMenuAction(view, QStringLiteral("Seite &%1: %2").arg(page + 1).arg(PageControl1->tabText(page)),
                                   pageNames[page]);
        connect(a, &QAction::triggered, this, [this, page] { PageControl1->setCurrentIndex(page); });
    }
    view->addSeparator();
    AddButtonAction(view, SpeedButton38, QStringLiteral("Hinweis nach &links"), "actionHinweisLinks");
    AddButtonAction(view, SpeedButton37, QStringLiteral("Hinweis nach &rechts"), "actionHinweisRechts");

    QMenu* game = bar->addMenu(QStringLiteral("&Spiel"));
    game->setObjectName(QStringLiteral("MenuSpiel"));
    AddButtonAction(game, ButtonPlayMatrix, QStringLiteral("Level &spielen"), "actionPlayLevel");
    pageAction(game, QStringLiteral("&ATR starten"), "actionAtrStarten", LevelPage::Daten, "SpeedButton13");
    pageAction(game, QStringLiteral("&Test ATR starten"), "actionTestAtr", LevelPage::Daten, "SpeedButton14");
    pageAction(game, QStringLiteral("&Emulator…"), "actionEmulator", LevelPage::Daten, "ButtonEmulator");

    QMenu* windows = bar->addMenu(QStringLiteral("&Fenster"));
    windows->setObjectName(QStringLiteral("MenuFenster"));
    AddButtonAction(windows, ButtonFont, QStringLiteral("&Zurück zum Font Editor"), "actionFontEditor");
    pageAction(windows, QStringLiteral("Level &Byte Data anzeigen"), "actionLevelBytes", LevelPage::Daten, "Button30");

    AddHelpMenu(bar, this);
}
