// The pattern editor window's menus: every button's action with the standard keys, the recent files and
// the help.
#include "gui/pattern/patternwindow.h"

#include "gui/common/windowmenu.h"

#include <QAction>
#include "gui/common/imageview.h"
#include <QComboBox>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

void PatternWindow::buildMenus()
{
    QMenuBar* bar = AddMenuBar(this, layout());

    QMenu* file = AddMenu(bar, QStringLiteral("&Datei"), "MenuDatei");
    AddButtonAction(file, ButtonLoadFile, QStringLiteral("Font Datei &laden…"), "actionFontLaden",
                    QKeySequence::keyBindings(QKeySequence::Open));
    AddRecentFilesMenu(file, mRecent, "MenuZuletzt", [this](const QString& fileName) { openFontFile(fileName); });
    AddButtonAction(file, ButtonTeilladen, QStringLiteral("&Nur Zeilen 5-8 laden…"), "actionTeilladen");
    AddButtonAction(file, ButtonSaveFile, QStringLiteral("Font Datei &speichern…"), "actionFontSpeichern",
                    QKeySequence::keyBindings(QKeySequence::Save) + QKeySequence::keyBindings(QKeySequence::SaveAs));
    file->addSeparator();
    AddButtonAction(file, ButtonFntImport, QStringLiteral("FNT &importieren…"), "actionFntImport");
    AddButtonAction(file, ButtonFntExport, QStringLiteral("FNT &exportieren…"), "actionFntExport");
    file->addSeparator();
    AddButtonAction(file, Button1, QStringLiteral("&Font Assembler Code generieren"), "actionFontCode");
    AddButtonAction(file, Button20, QStringLiteral("&Player Assembler Code generieren"), "actionPlayerCode");
    file->addSeparator();
    QAction* quit = AddMenuAction(file, QStringLiteral("&Beenden"), "actionBeenden",
                                  QKeySequence::keyBindings(QKeySequence::Quit));
    // As the window's close button: the program ends, after the question about unsaved work.
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = AddMenu(bar, QStringLiteral("&Bearbeiten"), "MenuBearbeiten");
    // The history keys exist already; the menu shows them.
    AddHistoryEntries(edit, this);
    edit->addSeparator();
    AddButtonAction(edit, ButtonLaden, QStringLiteral("Pattern &laden"), "actionPatternLaden");
    AddButtonAction(edit, ButtonSpeichern, QStringLiteral("Pattern &speichern"), "actionPatternSpeichern");
    AddButtonAction(edit, ButtonVerwerfen, QStringLiteral("&Verwerfen"), "actionVerwerfen");
    edit->addSeparator();
    const struct {
        QPushButton* button;
        const char* text;
        const char* name;
    } editing[] = {
        {ButtonFill, "&Füllen", "actionFuellen"},
        {Buttonlinks, "Nach l&inks schieben", "actionLinks"},
        {Buttonrechts, "Nach rec&hts schieben", "actionRechts"},
        {Buttonhoch, "Nach &oben schieben", "actionHoch"},
        {ButtonRunter, "Nach &unten schieben", "actionRunter"},
        {Button18, "Links-rechts spie&geln", "actionSpiegelnLR"},
        {Button19, "Oben-unten spi&egeln", "actionSpiegelnHR"},
        {ButtonLeeren, "Leeren (alle Pi&xel 0)", "actionLeeren"},
        {ButtonInvertieren, "Invertiere&n", "actionInvertieren"},
        {SpeedButton2, "Mit Pattern &tauschen", "actionTauschen"},
    };
    for (const auto& e : editing)
        AddButtonAction(edit, e.button, QString::fromUtf8(e.text), e.name);
    edit->addSeparator();
    // The clipboard keys belong to the overview (a text field keeps its own); the entries work from anywhere.
    const struct {
        const char* text;
        const char* name;
        QKeySequence key;
        void (PatternWindow::*handler)();
    } clipboard[] = {
        {"Patterns &kopieren", "actionPatternsKopieren", QKeySequence(Qt::CTRL | Qt::Key_C), &PatternWindow::copyPatternsClick},
        {"Patterns &ausschneiden", "actionPatternsAusschneiden", QKeySequence(Qt::CTRL | Qt::Key_X),
         &PatternWindow::cutPatternsClick},
        {"&Patterns einfügen", "actionPatternsEinfuegen", QKeySequence(Qt::CTRL | Qt::Key_V), &PatternWindow::pastePatternsClick},
    };
    for (const auto& c : clipboard) {
        QAction* action = AddMenuAction(edit, QString::fromUtf8(c.text), c.name, {c.key});
        action->setShortcutContext(Qt::WidgetShortcut);
        paintboxall->addAction(action);
        connectAct(action, &QAction::triggered, c.handler);
    }
    edit->addSeparator();
    QAction* duplicates = AddMenuAction(edit, QStringLiteral("&Doppelte Patterns finden"), "actionDoppeltePatterns");
    connectAct(duplicates, &QAction::triggered, [this] { mEditor.logDuplicatePatterns(); });

    QMenu* view = AddMenu(bar, QStringLiteral("&Ansicht"), "MenuAnsicht");
    AddButtonAction(view, Buttonanim, QStringLiteral("&Animation starten oder anhalten"), "actionAnimation");

    QMenu* windows = AddMenu(bar, QStringLiteral("&Fenster"), "MenuFenster");
    AddButtonAction(windows, ButtonMap, QStringLiteral("&Level Editor"), "actionLevelEditor");
    AddButtonAction(windows, ButtonGrafikconverter, QStringLiteral("&Grafik Converter"), "actionGrafikconverter");
    AddButtonAction(windows, Buttonsoundconverter, QStringLiteral("&Sound Converter"), "actionSoundconverter");
    AddButtonAction(windows, Button22, QStringLiteral("Datei S&plitter"), "actionSplitter");

    AddHelpMenu(bar, this);
    tipControls();
}

void PatternWindow::tipControls()
{
    // The buttons of the menus got theirs with the menus.
    SetTips(this, {
        {"Combomode", "Char: ein Zeichen in 4 Farben; Player: eine Player-Grafik mit Farben pro Zeile"},
        {"farbe", "Die Malfarbe (0 bis 3): Klick auf ein Farbfeld wählt sie"},
        {"Farbe0", "Farbregister F0 (Hintergrund): Klick wählt es als Malfarbe, Doppelklick definiert die Farbe"},
        {"Farbe1", "Farbregister F1: Klick wählt es als Malfarbe, Doppelklick definiert die Farbe"},
        {"Farbe2", "Farbregister F2: Klick wählt es als Malfarbe, Doppelklick definiert die Farbe"},
        {"Farbe3", "Farbregister F3: Klick wählt es als Malfarbe, Doppelklick definiert die Farbe"},
        {"Farbe4", "Farbregister F4: Klick wählt es als Malfarbe, Doppelklick definiert die Farbe"},
        {"ButtonFarbeInit", "Die Zeilenfarben des Players auf ihre Anfangswerte setzen"},
        {"DrawGrid1", "Die Farben pro Zeile des Players: Klick wählt, Doppelklick definiert"},
        {"SpinFontsetnumber", "Das Pattern-Set (1 bis 8) des Pattern, das bearbeitet wird"},
        {"SpinTilenumber", "Die Nummer (1 bis 64) des Pattern, das bearbeitet wird"},
        {"copySpinTilenumber", "Das Pattern, mit dem \"<->\" tauscht"},
        {"SpeedButton1", "Die Pattern-Sets tauschen"},
        {"copySpinFontsetnumber", "Das Pattern-Set, mit dem getauscht wird"},
        {"Editphasen", "Die Pattern-Nummern der Animation, mit ; getrennt"},
        {"SpinEdit1", "Die Dauer einer Phase in 1/50 Sekunden"},
        {"data", "Die Bytes des Pattern: eine Zahl tippen ändert die Zeile"},
        {"grid", "Die 2-Bit-Werte der Pixel"},
        {"paintboxall", "Alle Pattern: Klick wählt, Doppelklick lädt zum Bearbeiten, rechte Taste wählt das "
                        "Tauschziel; mit der Tastatur Pfeile und Eingabe, Umschalt+Pfeile rahmen mehrere Pattern "
                        "des Sets ein, Strg+C kopiert, Strg+X schneidet aus, Strg+V fügt ein"},
        {"LabelPixel", "Spalte, Zeile und Code des Pixels unter der Maus; Strg+Klick in die Malfläche füllt die "
                       "Fläche gleichen Codes mit der Malfarbe"},
        {"Spinvon", "Die erste Font-Zeile des Exports"},
        {"Spinbis", "Die letzte Font-Zeile des Exports"},
        {"SpinEdit2", "Die Nummer des Pattern für den Player-Export"},
        {"EditPlayer", "Der Name des Players im Code"},
        {"Memo", "Meldungen und Fehler"},
        {"Image1", "Die Vorschau des Pattern, mit Animation"},
    });
    for (int i = 0; i < 16; ++i)
        rowButtons[i]->setToolTip(QStringLiteral("Pattern-Set %1 (die Zeile der Übersicht daneben)").arg(i % 8 + 1));
}
