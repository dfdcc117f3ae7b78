// The level editor's menus: every button's action with the standard keys, the recent level files and
// the help.
#include "gui/level/levelwindow.h"

#include "gui/common/keyawarebutton.h"
#include "gui/common/windowmenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <tuple>

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

    QMenu* file = AddMenu(bar, QStringLiteral("&Datei"), "MenuDatei");
    pageAction(file, QStringLiteral("Level Datei &laden…"), "actionLevelLaden", LevelPage::Daten, "ButtonLoadFile",
               key(QKeySequence::Open));
    AddRecentFilesMenu(file, mRecent, "MenuZuletzt", [this](const QString& fileName) { openLevelFile(fileName); });
    pageAction(file, QStringLiteral("Level Datei &speichern…"), "actionLevelSpeichern", LevelPage::Daten,
               "ButtonSaveFile", key(QKeySequence::Save) + key(QKeySequence::SaveAs));
    file->addSeparator();
    pageAction(file, QStringLiteral("Level von &ATR laden"), "actionAtrLaden", LevelPage::Daten, "ButtonAtrLoad");
    pageAction(file, QStringLiteral("Level auf A&TR speichern"), "actionAtrSpeichern", LevelPage::Daten, "ButtonAtrSave");
    pageAction(file, QStringLiteral("Level Bi&när 15 Sektoren speichern"), "actionBinaer15", LevelPage::Daten,
               "ButtonBinarySave15");
    pageAction(file, QStringLiteral("Level als B&ild speichern"), "actionBild", LevelPage::Daten, "Button31");
    pageAction(file, QStringLiteral("Assembler Code &generieren"), "actionLevelCode", LevelPage::Daten, "Button1");
    file->addSeparator();
    QAction* close = AddMenuAction(file, QStringLiteral("Fenster s&chließen"), "actionFensterSchliessen",
                                   key(QKeySequence::Close));
    connect(close, &QAction::triggered, this, &QWidget::close);
    QAction* quit = AddMenuAction(file, QStringLiteral("&Beenden"), "actionBeenden", key(QKeySequence::Quit));
    connect(quit, &QAction::triggered, this, [this] {
        if (mQuit)
            mQuit();
    });

    QMenu* edit = AddMenu(bar, QStringLiteral("&Bearbeiten"), "MenuBearbeiten");
    // The history keys exist already; the menu shows them.
    AddHistoryEntries(edit, this);
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
    buildToolEntries(edit);
    edit->addSeparator();
    AddButtonAction(edit, ButtonStandardfarbe, QStringLiteral("&Standardfarbe setzen"), "actionStandardfarbe");
    pageAction(edit, QStringLiteral("Level &initialisieren"), "actionLevelInit", LevelPage::Spielelemente, "Button32");

    QMenu* view = AddMenu(bar, QStringLiteral("&Ansicht"), "MenuAnsicht");
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
    buildViewEntries(view);
    view->addSeparator();
    const char* pageNames[] = {"actionSeiteDaten", "actionSeiteElemente", "actionSeiteGegner", "actionSeiteSchalter"};
    for (int page = 0; page < PageControl1->count(); ++page) {
        QAction* a = AddMenuAction(view, QStringLiteral("Seite &%1: %2").arg(page + 1).arg(PageControl1->tabText(page)),
                                   pageNames[page]);
        connect(a, &QAction::triggered, this, [this, page] { PageControl1->setCurrentIndex(page); });
    }
    // The tab widget turns its pages with Ctrl+Tab only while the focus is on a page; these keys do it
    // from the level and the colour lines too.
    for (const auto& [text, name, keys, step] :
         {std::tuple{"Nä&chste Seite", "actionNaechsteSeite", QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
          std::tuple{"Vorige S&eite", "actionVorigeSeite", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1}}) {
        QAction* a = AddMenuAction(view, QString::fromUtf8(text), name, {keys});
        const int turn = step; // a lambda cannot take a structured binding (clang 14)
        connect(a, &QAction::triggered, this, [this, turn] {
            const int n = PageControl1->count();
            PageControl1->setCurrentIndex((PageControl1->currentIndex() + turn + n) % n);
        });
    }
    view->addSeparator();
    QAction* nextArea = AddMenuAction(view, QStringLiteral("&Nächster Bereich"), "actionNaechsterBereich",
                                      {QKeySequence(Qt::Key_F6)});
    connect(nextArea, &QAction::triggered, this, [this] { cycleFocus(1); });
    QAction* previousArea = AddMenuAction(view, QStringLiteral("&Voriger Bereich"), "actionVorigerBereich",
                                          {QKeySequence(Qt::SHIFT | Qt::Key_F6)});
    connect(previousArea, &QAction::triggered, this, [this] { cycleFocus(-1); });
    view->addSeparator();
    AddButtonAction(view, SpeedButton38, QStringLiteral("Hinweis nach &links"), "actionHinweisLinks");
    AddButtonAction(view, SpeedButton37, QStringLiteral("Hinweis nach &rechts"), "actionHinweisRechts");

    QMenu* game = AddMenu(bar, QStringLiteral("&Spiel"), "MenuSpiel");
    AddButtonAction(game, ButtonPlayMatrix, QStringLiteral("Level &spielen"), "actionPlayLevel");
    pageAction(game, QStringLiteral("&ATR starten"), "actionAtrStarten", LevelPage::Daten, "SpeedButton13");
    pageAction(game, QStringLiteral("&Test ATR starten"), "actionTestAtr", LevelPage::Daten, "SpeedButton14");
    pageAction(game, QStringLiteral("&Emulator…"), "actionEmulator", LevelPage::Daten, "ButtonEmulator");

    QMenu* windows = AddMenu(bar, QStringLiteral("&Fenster"), "MenuFenster");
    AddButtonAction(windows, ButtonFont, QStringLiteral("&Zurück zum Font Editor"), "actionFontEditor");
    pageAction(windows, QStringLiteral("Level &Byte Data anzeigen"), "actionLevelBytes", LevelPage::Daten, "Button30");

    AddHelpMenu(bar, this);
    tipControls();
}

void LevelWindow::tipControls()
{
    // Runs again as each page is built. The buttons of the menus got theirs with the menus.
    SetTips(this, {
        {"ButtonLoadFile", "Eine Level Datei (.la8) laden", "actionLevelLaden"},
        {"ButtonSaveFile", "Den Level in eine Level Datei (.la8) speichern", "actionLevelSpeichern"},
        {"Button1", "Den Assembler Code des Levels im Code-Fenster zeigen"},
        {"Button30", "Die Bytes des Levels in einem eigenen Fenster zeigen"},
        {"SpeedButton13", "Die Level-Diskette (ATR) im Emulator starten"},
        {"SpeedButton14", "Den Level allein im Emulator testen"},
        {"ButtonEmulator", "Den Emulator wählen, mit dem \"ATR\", \"Test ATR\" und \"Play Level\" starten"},
        {"ButtonAtrLoad", "Den Level der gewählten Nummer von der Level-Diskette laden"},
        {"ButtonAtrSave", "Den Level unter der gewählten Nummer auf die Level-Diskette speichern"},
        {"ButtonBinarySave15", "Den Level als 15 Sektoren in eine Datei speichern"},
        {"Button31", "Den Level als Bild speichern"},
        {"Button32", "Den Level leeren: alle Zellen, Gegner und Schalter neu"},
        {"BitBtn1", "Die Gegner-Tabelle neu anlegen: alle Einträge werden gelöscht"},
        {"Button33", "Die Karte mit den Gegnern und Schaltern neu zeichnen"},
        {"buttoninitschaltergrid", "Die Schalter-Tabelle neu anlegen: alle Einträge werden gelöscht"},
        {"Button34", "Die Karte mit den Gegnern und Schaltern neu zeichnen"},
        {"SpinATRlevel", "Die Nummer des Levels auf der Level-Diskette (1 bis 40)"},
        {"editautor", "Der Autor des Levels"},
        {"edittitel", "Der Name des Levels"},
        {"Edittipp1", "Der Tipp zum Level, erste Zeile"},
        {"Edittipp2", "Der Tipp zum Level, zweite Zeile"},
        {"paintboxLevel", "Der Level: malen mit der Maus; Pfeile bewegen den Cursor, Leertaste malt, P nimmt auf, "
                          "F füllt, Entf löscht, Strg+C/X/V, Umschalt+Pfeile wählen aus; B, R, S wählen das "
                          "Werkzeug, G das Gitter, Strg+Mausrad zoomt"},
        {"paintboxpattern", "Die Pattern zum Malen: links, Mitte und rechts wählen; mit der Tastatur Leertaste, 2 und 3"},
        {"MonsterGrid", "Die Gegner des Levels"},
        {"Schaltergrid", "Die Schalter des Levels"},
        {"Memo", "Meldungen"},
        {"PageControl1", "Die Seiten des Level Editors (Strg+Tab blättert)"},
    });
    for (int n = 1; n <= int(monsterButtons.size()); ++n)
        if (monsterButtons[n - 1] && monsterButtons[n - 1]->toolTip().isEmpty())
            monsterButtons[n - 1]->setToolTip(
                QStringLiteral("Gegner %1: der nächste Klick in den Level setzt seine Position (Leertaste: am Cursor)").arg(n));
    for (int n = 1; n <= int(woButtons.size()); ++n) {
        if (woButtons[n - 1] && woButtons[n - 1]->toolTip().isEmpty())
            woButtons[n - 1]->setToolTip(QStringLiteral("Schalter %1: der nächste Klick in den Level setzt ihn").arg(n));
        if (wasButtons[n - 1] && wasButtons[n - 1]->toolTip().isEmpty())
            wasButtons[n - 1]->setToolTip(QStringLiteral("Schalter %1: der nächste Klick in den Level setzt, was er umschaltet").arg(n));
    }
    // The row numbers and the colour swatches, each by the row or line it stands for.
    for (QAbstractButton* b : findChildren<QAbstractButton*>()) {
        if (!b->toolTip().isEmpty())
            continue;
        if (b->objectName().startsWith(QLatin1String("ButtonRow")))
            b->setToolTip(QStringLiteral("Zeile %1 des Levels").arg(b->text()));
        else if (QStringList{"Button22", "Button23", "Button24", "Button25", "Button26", "Button27", "Button28", "Button29"}.contains(b->objectName()))
            b->setToolTip(QStringLiteral("Die Zeile der Pattern ab Nummer %1").arg(b->text()));
    }
    PageControl1->setAccessibleName(QStringLiteral("Seiten des Level Editors"));
}
