// The level editor's four pages: data, game elements, monsters and switches.
#include "gui/level/levelwindow.h"

#include "gui/common/controls.h"
#include "gui/common/tabletab.h"
#include "gui/common/elidinglabel.h"
#include "gui/common/wrappinglabel.h"
#include "gui/common/rangespinbox.h"
#include "gui/common/imageview.h"
#include "gui/level/levelpictureview.h"
#include "gui/level/leveltablemodel.h"
#include "level/levelfile.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QGroupBox* Panel(const QString& caption, const char* name, QWidget* parent)
{
    auto* box = Named(new QGroupBox(caption, parent), name);
    return box;
}

QSpinBox* TimeSpin(const char* name, int digit, QWidget* parent)
{
    auto* spin = Named(new RangeSpinBox(0, 9, 0, parent), name);
    spin->setAccessibleName(QStringLiteral("Zeit im Level, Ziffer %1").arg(digit));
    spin->setToolTip(QStringLiteral("Ziffer %1 der Zeit im Level in Sekunden (0 bis 9, von links)").arg(digit));
    spin->setFixedWidth(44);
    return spin;
}

// The font of the tables' headers: small enough for "Mon #10" in the game's 50-pixel columns.
QFont SmallTableFont(QFont font)
{
    font.setPointSize(8);
    return font;
}

QLabel* WrappedLabel(const QString& text, const char* name, QWidget* parent)
{
    return Named(new WrappingLabel(text, parent), name);
}

} // namespace

// --- page 0: "Daten laden und speichern" -----------------------------------------------------------------

QWidget* LevelWindow::buildDataPage()
{
    auto* page = new QWidget(this);
    auto* row = new QHBoxLayout(page);
    row->addWidget(buildTextsAndTime(), 1);
    row->addWidget(buildFilePanels());
    row->addWidget(buildGamePanels());
    return page;
}

QWidget* LevelWindow::buildTextsAndTime()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    editautor = Named(new QLineEdit(box), "editautor");
    edittitel = Named(new QLineEdit(box), "edittitel");
    Edittipp1 = Named(new QLineEdit(box), "Edittipp1");
    Edittipp2 = Named(new QLineEdit(box), "Edittipp2");
    editautor->setAccessibleName(QStringLiteral("Level-Autor"));
    edittitel->setAccessibleName(QStringLiteral("Level-Name"));
    Edittipp1->setAccessibleName(QStringLiteral("Tipp zum Level, erste Zeile"));
    Edittipp2->setAccessibleName(QStringLiteral("Tipp zum Level, zweite Zeile"));
    grid->addWidget(new QLabel(QStringLiteral("Level-Autor: (16 Zeichen)"), box), 0, 0);
    grid->addWidget(editautor, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Level-Name: (31 Zeichen)"), box), 2, 0);
    grid->addWidget(edittitel, 3, 0);
    grid->addWidget(new QLabel(QStringLiteral("Tipps zum Level : (2 x 31 Zeichen)"), box), 4, 0);
    grid->addWidget(Edittipp1, 5, 0);
    grid->addWidget(Edittipp2, 6, 0);
    grid->addWidget(new QLabel(QStringLiteral("Zeit im Level in Sekunden"), box), 7, 0);
    auto* digits = new QHBoxLayout;
    const std::array<const char*, 4> names = {"SpinTime1", "Spintime2", "Spintime3", "Spintime4"};
    for (int i = 0; i < LevelDocument::kTimeDigits; ++i) {
        timeSpins[i] = TimeSpin(names[i], i + 1, box);
        digits->addWidget(timeSpins[i]);
    }
    digits->addStretch(1);
    grid->addLayout(digits, 8, 0);
    grid->setRowStretch(9, 1);
    return box;
}

QWidget* LevelWindow::buildFilePanels()
{
    auto* column = new QWidget(this);
    auto* box = new QVBoxLayout(column);
    box->setContentsMargins(0, 0, 0, 0);

    auto* panel4 = Panel(QStringLiteral("Tavrel Format Datei Funktionen"), "Panel4", column);
    auto* p4 = new QVBoxLayout(panel4);
    Label13 = Named(new QLabel(InitialLevelLabel(), panel4), "Label13");
    ButtonSaveFile = NamedButton(QStringLiteral("Level Datei speichern"), "ButtonSaveFile", panel4);
    ButtonLoadFile = NamedButton(QStringLiteral("Level Datei laden"), "ButtonLoadFile", panel4);
    p4->addWidget(Label13);
    p4->addWidget(ButtonSaveFile);
    p4->addWidget(ButtonLoadFile);
    box->addWidget(panel4);

    auto* panel3 = Panel(QStringLiteral("Level Data Generator Export"), "Panel3", column);
    auto* p3 = new QVBoxLayout(panel3);
    Button1 = NamedButton(QStringLiteral("Assembler Code generieren"), "Button1", panel3);
    Button30 = NamedButton(QStringLiteral("Level Data Bytes anzeigen"), "Button30", panel3);
    p3->addWidget(Button1);
    p3->addWidget(Button30);
    box->addWidget(panel3);
    box->addStretch(1);
    return column;
}

QWidget* LevelWindow::buildGamePanels()
{
    auto* column = new QWidget(this);
    auto* box = new QVBoxLayout(column);
    box->setContentsMargins(0, 0, 0, 0);

    auto* panel1 = Panel(QStringLiteral("     ATR Disk V1.x  Funktionen"), "Panel1", column);
    auto* p1 = new QGridLayout(panel1);
    LabelATRname = Named(new QLabel(QStringLiteral("oxildisk.atr"), panel1), "LabelATRname");
    SpinATRlevel = Named(new RangeSpinBox(1, 40, 1, panel1), "SpinATRlevel");
    SpinATRlevel->setAccessibleName(QStringLiteral("Level-Nummer auf der ATR Disk"));
    p1->addWidget(LabelATRname, 0, 0, 1, 3);
    p1->addWidget(NamedButton(QStringLiteral("ATR"), "SpeedButton13", panel1), 1, 0);
    p1->addWidget(NamedButton(QStringLiteral("Test ATR"), "SpeedButton14", panel1), 1, 1);
    auto* emulator = NamedButton(QStringLiteral("Emulator…"), "ButtonEmulator", panel1);
    emulator->setToolTip(QStringLiteral("Welcher Emulator Play Level und Test ATR startet"));
    p1->addWidget(emulator, 1, 2);
    p1->addWidget(SpinATRlevel, 2, 0);
    p1->addWidget(NamedButton(QStringLiteral("Level von ATR laden"), "ButtonAtrLoad", panel1), 3, 0, 1, 3);
    p1->addWidget(NamedButton(QStringLiteral("Level auf ATR speichern"), "ButtonAtrSave", panel1), 4, 0, 1, 3);
    box->addWidget(panel1);

    auto* panel6 = Panel(QStringLiteral("Binär Format V2.x Datei Export"), "Panel6", column);
    auto* p6 = new QVBoxLayout(panel6);
    p6->addWidget(NamedButton(QStringLiteral("Level Binär 15 Sektoren speichern"), "ButtonBinarySave15", panel6));
    p6->addWidget(NamedButton(QStringLiteral("Level als Bild speichern"), "Button31", panel6));
    box->addWidget(panel6);
    box->addStretch(1);
    return column;
}

void LevelWindow::connectDataPage()
{
    connectAct(ButtonSaveFile, &QPushButton::clicked, &LevelWindow::ButtonSaveFileClick);
    connectAct(ButtonLoadFile, &QPushButton::clicked, &LevelWindow::ButtonLoadFileClick);
    connectAct(editautor, &QLineEdit::textEdited, [this](const QString& t) { mDocument.setAuthor(t); });
    connectAct(edittitel, &QLineEdit::textEdited, [this](const QString& t) { mDocument.setTitle(t); });
    connectAct(Edittipp1, &QLineEdit::textEdited, [this](const QString& t) { mDocument.setTip1(t); });
    connectAct(Edittipp2, &QLineEdit::textEdited, [this](const QString& t) { mDocument.setTip2(t); });
    for (int i = 0; i < LevelDocument::kTimeDigits; ++i)
        connectAct(timeSpins[i], &QSpinBox::valueChanged, [this, i](int v) { mDocument.setTimeDigit(i, v); });
}

void LevelWindow::refreshTextsAndTime()
{
    const std::array<std::pair<QLineEdit*, const QString*>, 4> texts = {
        std::pair{editautor, &mDocument.author()}, std::pair{edittitel, &mDocument.title()},
        std::pair{Edittipp1, &mDocument.tip1()}, std::pair{Edittipp2, &mDocument.tip2()}};
    for (const auto& [edit, text] : texts)
        if (edit->text() != *text)
            edit->setText(*text);
    for (int i = 0; i < LevelDocument::kTimeDigits; ++i) {
        const QSignalBlocker block(timeSpins[i]);
        timeSpins[i]->setValue(mDocument.timeDigit(i).toInt());
    }
}

// --- page 1: "Spielelemente setzen" --------------------------------------------------------------------

QWidget* LevelWindow::buildElementsPage()
{
    auto* page = new QWidget(this);
    auto* box = new QVBoxLayout(page);
    box->setContentsMargins(4, 2, 4, 2);
    // The hint grows with the pattern under the pointer; it must never widen the window.
    LabelAuswahl = Named(new ElidingLabel(QStringLiteral("Die Pattern - Klicke um ein Pattern zum Setzen auszuwählen"), page),
                         "LabelAuswahl");
    // The painting tools at the right of the hint's line, which gives way to them.
    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(LabelAuswahl, 1);
    top->addWidget(buildToolButtons(page));
    box->addLayout(top);
    box->addWidget(buildChooser());
    auto* lower = new QHBoxLayout;
    lower->addWidget(buildCarriedPanels());
    Memo = NamedLog("Memo", page);
    Memo->setAccessibleName(QStringLiteral("Meldungen"));
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lower->addWidget(Memo, 1);
    box->addLayout(lower, 1);
    return page;
}

QWidget* LevelWindow::buildChooser()
{
    auto* strip = new QWidget(this);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto rowButtons = [strip](const std::array<std::pair<const char*, int>, 4>& buttons) {
        auto* column = new QVBoxLayout;
        column->setSpacing(0);
        for (const auto& [name, number] : buttons) {
            auto* button = NamedButton(QString::number(number), name, strip);
            button->setFixedSize(30, LevelPicture::kCell);
            button->setFocusPolicy(Qt::NoFocus); // they only number the rows
            column->addWidget(button);
        }
        column->addStretch(1);
        return column;
    };
    row->addLayout(rowButtons({{{"Button23", 0}, {"Button22", 32}, {"Button24", 64}, {"Button25", 96}}}));
    ScrollBox2 = Named(new QScrollArea(strip), "ScrollBox2");
    ScrollBox2->setFrameShape(QFrame::NoFrame);
    ScrollBox2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox2->setFixedHeight(LevelPicture::kChooserHeight + 17);
    ScrollBox2->setFocusPolicy(Qt::NoFocus); // the chooser in it takes the keyboard
    paintboxpattern = Named(new LevelPictureView(&mPicture.chooser()), "paintboxpattern");
    paintboxpattern->setAccessibleName(QStringLiteral("Die Pattern"));
    paintboxpattern->setKeyboardCells(QSize(LevelPicture::kCell, LevelPicture::kCell), LevelPicture::kChooserColumns,
                                      LevelPicture::kChooserHeight / LevelPicture::kCell);
    ScrollBox2->setWidget(paintboxpattern);
    row->addWidget(ScrollBox2, 1);
    row->addLayout(rowButtons({{{"Button27", 31}, {"Button26", 63}, {"Button28", 95}, {"Button29", 127}}}));
    return strip;
}

QWidget* LevelWindow::buildCarriedPanels()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Named(new QLabel(QStringLiteral("gewählte  Pattern auf die Maus-Tasten legen"), box), "Label17"), 0, 0, 1, 3);
    const std::array<std::array<const char*, 3>, 3> names = {{{"PanelPattern", "Imageauswahl", "labelnummer"},
                                                               {"Panel2", "Imagemitte", "Labelnummermitte"},
                                                               {"Panelpatternloeschen", "ImageLoeschen", "Labelnummerloeschen"}}};
    for (int b = 0; b < 3; ++b) {
        auto* panel = Named(new QFrame(box), names[b][0]);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        SetWindowBackground(panel, PackRgb(192, 192, 192));
        auto* inside = new QHBoxLayout(panel);
        inside->setContentsMargins(4, 2, 4, 2); // room for the menu bar on a 1024 x 768 screen
        carriedImages[b] = Named(new ImageView(&mSession.preview(LevelEditSession::Button(b)), panel), names[b][1]);
        carriedLabels[b] = Named(new QLabel(panel), names[b][2]);
        carriedLabels[b]->setMinimumWidth(28);
        inside->addWidget(carriedImages[b]);
        inside->addWidget(carriedLabels[b]);
        grid->addWidget(panel, 1, b);
    }
    grid->addWidget(Named(new QLabel(QStringLiteral("Linke  MT            Mittlere MT         Rechte MT"), box), "Label3"),
                    2, 0, 1, 3);
    Button32 = NamedButton(QStringLiteral("Level Initialisieren"), "Button32", box);
    grid->addWidget(Button32, 3, 0, 1, 3);
    grid->setRowStretch(4, 1);
    connectAct(Button32, &QPushButton::clicked, &LevelWindow::Button32Click);
    return box;
}

void LevelWindow::refreshCarried()
{
    for (int b = 0; b < 3; ++b) {
        const QString& text = mSession.carriedText(LevelEditSession::Button(b));
        if (carriedLabels[b]->text() != text)
            carriedLabels[b]->setText(text);
        carriedImages[b]->update();
    }
}

// --- pages 2 and 3: monsters and switches ----------------------------------------------------------------

QWidget* LevelWindow::buildTablePage(LevelTable table)
{
    const bool monsters = table == LevelTable::Monsters;
    auto* page = new QWidget(this);
    auto* box = new QVBoxLayout(page);
    box->setContentsMargins(4, 2, 4, 2);
    box->addWidget(WrappedLabel(
        monsters ? QStringLiteral("Hier werden die Gegner definiert. Maximal 10 Gegner insgesamt.  Maximal 4 Gegner pro "
                                  "Schirm (Rest unsichtbar). Maximal 1 Gegner pro Zeile (2 = flackern, mehr sind "
                                  "eventuell umsichtbar)")
                 : QStringLiteral("Hier werden die Schalter definiert. 8 Schalter pro Level. Schalter dürfen keine "
                                  "anderen Schalter erschaffen."),
        monsters ? "Label4" : "Label5", page));
    auto* model = new LevelTableModel(mDocument, table, this);
    (monsters ? mMonsterModel : mSwitchModel) = model;
    auto* view = Named(new QTableView(page), monsters ? "MonsterGrid" : "Schaltergrid");
    view->setModel(model);
    LeaveByTab(view);
    view->horizontalHeader()->setDefaultSectionSize(50);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(24);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // At least the game's 460 pixels, and wide enough for the longest hint in the small font below.
    const QFontMetrics hintMetrics(SmallTableFont(view->font()));
    int hintWidth = 460;
    for (int row = 1; row <= LevelDocument::tableRows(table); ++row)
        hintWidth = std::max(hintWidth, hintMetrics.horizontalAdvance(LevelDocument::tableHint(table, row)) + 12);
    view->verticalHeader()->setFixedWidth(hintWidth);
    view->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const QFont small = SmallTableFont(view->font());
    view->horizontalHeader()->setFont(small);
    view->verticalHeader()->setFont(small);
    view->setTabKeyNavigation(false); // the arrows move between cells; Tab moves on to the next control
    view->setAccessibleName(monsters ? QStringLiteral("Gegner-Tabelle") : QStringLiteral("Schalter-Tabelle"));
    (monsters ? MonsterGrid : Schaltergrid) = view;
    box->addWidget(view, 1);
    box->addWidget(monsters ? buildMonsterButtons() : buildSwitchButtons());
    return page;
}
