// The pattern editor window: construction, layout and the links to the other windows.
#include "gui/pattern/patternwindow.h"

#include "common/guard.h"
#include "gui/common/colorpanel.h"
#include "gui/common/controls.h"
#include "gui/common/windowmenu.h"
#include "gui/common/imageview.h"
#include "gui/common/rangespinbox.h"
#include "pattern/fontfile.h"
#include "common/packedcolor_picture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel* label(const QString& text, const char* name, QWidget* parent)
{
    return Named(new QLabel(text, parent), name);
}

QSpinBox* spin(int min, int max, int value, const char* name, QWidget* parent)
{
    return Named(new RangeSpinBox(min, max, value, parent), name);
}

QTableWidget* table(int columns, int rows, int cellWidth, int cellHeight, const char* name, QWidget* parent)
{
    // The rows and columns come after the headers have their sizes: made with them, the table would
    // measure every section of its hidden headers first.
    auto* t = Named(new QTableWidget(parent), name);
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->horizontalHeader()->setMinimumSectionSize(4);
    t->verticalHeader()->setMinimumSectionSize(4);
    t->horizontalHeader()->setDefaultSectionSize(cellWidth);
    t->verticalHeader()->setDefaultSectionSize(cellHeight);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setFixedSize(columns * cellWidth + 2 * t->frameWidth(), rows * cellHeight + 2 * t->frameWidth());
    t->setRowCount(rows);
    t->setColumnCount(columns);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem(QStringLiteral("0"));
            item->setTextAlignment(Qt::AlignCenter);
            t->setItem(r, c, item);
        }
    return t;
}

// An export panel: a row of fields above the one button that spans them.
void LayOutRowAndButton(QWidget* panel, std::initializer_list<QWidget*> row, QPushButton* button)
{
    auto* layout = new QGridLayout(panel);
    int column = 0;
    for (QWidget* w : row)
        layout->addWidget(w, 0, column++);
    layout->addWidget(button, 1, 0, 1, column);
}

} // namespace

PatternWindow::PatternWindow(UserDialogs& dialogs, const QString& programFolder, QWidget* parent)
    : QWidget(parent), ActingWindow(dialogs), mDialogs(dialogs), mProgramFolder(programFolder)
{
    setObjectName(QStringLiteral("Formmain"));
    setWindowTitle(QStringLiteral(
        "Oxils Quest Tavrel - Font and Level Editor & Graphic and Sound Converter - Version 02.04.2016b"));
    mEditor.setInfoHandler([this](const QString& line) { addInfo(line); });
    buildControls();
    connectHandlers();
    buildMenus();
    // The layout's own size (1029 x 734, or what its fonts need), the menu bar above it; smaller screens
    // get a smaller window (WindowSet), which scrolls its layout.
    const QSize content = findChild<QScrollArea*>(QStringLiteral("ScrollBoxWindow"))->widget()->minimumSizeHint();
    resize(content.expandedTo(QSize(1029, 734)) + QSize(0, layout()->menuBar()->sizeHint().height()));
    FormCreate();
}

void PatternWindow::buildControls()
{
    SetWindowBackground(this, kCream);
    QFont compact = font();
    compact.setPointSize(9);
    setFont(compact);

    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    top->addLayout(buildRowColorColumn());
    // The surface with the pixel under the mouse below it.
    auto* surfaceColumn = new QVBoxLayout;
    surfaceColumn->setSpacing(2);
    surfaceColumn->addWidget(buildSurface());
    LabelPixel = label(mEditor.pixelText(-1, -1), "LabelPixel", this);
    LabelPixel->setFixedWidth(256);
    surfaceColumn->addWidget(LabelPixel);
    surfaceColumn->addStretch(1);
    top->addLayout(surfaceColumn);
    top->addLayout(buildPreviewColumn());
    top->addLayout(buildSelectionColumn());
    top->addLayout(buildByteGrids());
    top->addStretch(1);

    // The layout stands on one page that scrolls where the window is smaller than it (a screen of
    // 1024 x 768 at a large font), so that the window itself may shrink; at its own size nothing scrolls.
    QScrollArea* scroller = AddScrollingPage(this);
    auto* content = new QWidget(scroller);
    SetWindowBackground(content, kCream);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    layout->addLayout(buildHeader());
    layout->addLayout(top);
    layout->addWidget(LabelPattern = label(QStringLiteral("Wähle ein Pattern durch Doppelklick zum Bearbeiten aus: "),
                                           "LabelPattern", this));
    layout->addLayout(buildOverview());
    layout->addLayout(buildBottomPanels(), 1);
    nameFieldsByLabels();
    scroller->setWidget(content);
    // The player mode's controls and F4 keep their room while hidden, so switching the mode moves
    // nothing under the pointer.
    for (QWidget* w : std::initializer_list<QWidget*>{DrawGrid1, Farbe4, ButtonFarbeInit}) {
        QSizePolicy keep = w->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        w->setSizePolicy(keep);
    }

    Timer1 = Named(new QTimer(this), "Timer1");
    Timer1->setInterval(300);
    Timer2 = Named(new QTimer(this), "Timer2");
    Timer2->setInterval(250);
    Timer2->start();
}

QLayout* PatternWindow::buildHeader()
{
    // The header line: mode, register panels and the paint selection.
    Label3 = label(QStringLiteral("Definiere hier das Aussehen des Pattern: "), "Label3", this);
    Combomode = Named(new QComboBox(this), "Combomode");
    Combomode->setEditable(true);
    Combomode->addItems({QStringLiteral("Char"), QStringLiteral("Player")});
    Combomode->setCurrentText(QStringLiteral("Char"));
    // Broken by hand rather than wrapped: a wrapping label would make the page inside the window's
    // scroll area as tall as its preferred heights.
    Label1 = label(QStringLiteral("Farben: Klick wählt Malfarbe,\nDoppelklick = Definition"), "Label1", this);
    Label1->setFixedWidth(190);
    Label4 = label(QStringLiteral("Malfarbe"), "Label4", this);
    farbe = Named(new QLineEdit(QStringLiteral("0"), this), "farbe");
    farbe->setFixedWidth(40);
    farbe->setAlignment(Qt::AlignCenter);
    farbe->setAutoFillBackground(true);
    ButtonFarbeInit = NamedButton(QStringLiteral("Farben Init"), "ButtonFarbeInit", this);
    ButtonFarbeInit->hide();

    auto* header = new QHBoxLayout;
    header->setSpacing(6);
    header->addWidget(Label3);
    header->addWidget(Combomode);
    header->addSpacing(12);
    header->addWidget(Label1);
    ColorPanel** panels[ColorRegisterSet::kCount] = {&Farbe0, &Farbe1, &Farbe2, &Farbe3, &Farbe4};
    for (int k = 0; k < ColorRegisterSet::kCount; ++k) {
        const QByteArray name = "Farbe" + QByteArray::number(k);
        *panels[k] = Named(new ColorPanel(this), name.constData());
        (*panels[k])->setFixedSize(52, 24);
        (*panels[k])->setClickable(true);
        if (k < 4)
            header->addWidget(*panels[k]);
    }
    // In the player mode "Farben Init" takes the place of F4. Both keep their room while hidden, so
    // switching the mode moves nothing under the pointer.
    auto* f4Place = new QGridLayout;
    f4Place->setContentsMargins(0, 0, 0, 0);
    f4Place->addWidget(Farbe4, 0, 0, Qt::AlignCenter);
    f4Place->addWidget(ButtonFarbeInit, 0, 0, Qt::AlignCenter);
    header->addLayout(f4Place);
    header->addSpacing(12);
    header->addWidget(Label4);
    header->addWidget(farbe);
    header->addStretch(1);
    return header;
}

QLayout* PatternWindow::buildRowColorColumn()
{
    // The row colours stand beside the surface, each table row level with its pattern row.
    DrawGrid1 = Named(new ImageView(&mEditor.picture().rowGrid(), this), "DrawGrid1");
    DrawGrid1->setAccessibleName(QStringLiteral("Zeilenfarben"));
    DrawGrid1->setKeyboardCells(QSize(21, 16), RowColorTable::kColumns, RowColorTable::kRows);
    DrawGrid1->hide();
    Labelcolorx = label(QStringLiteral("0"), "Labelcolorx", this);
    Labelcolorx->hide();
    Labelcolory = label(QStringLiteral("0"), "Labelcolory", this);
    Labelcolory->hide();
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    column->addWidget(DrawGrid1);
    column->addStretch(1);
    return column;
}

QWidget* PatternWindow::buildSurface()
{
    // The fuchsia frame shows in the gaps between the cells of the editing surface.
    Panel1 = Named(new QFrame(this), "Panel1");
    Panel1->setFixedSize(256, 256);
    SetWindowBackground(Panel1, PatternEditor::kFrameColor);
    PaintBox = Named(new ImageView(&mEditor.picture().surface(), Panel1), "PaintBox");
    PaintBox->move(1, 1);
    // A click into the surface takes the keyboard from a text field: Ctrl+Z after painting undoes the
    // painting, not the typing in the field that had the focus.
    PaintBox->setFocusPolicy(Qt::ClickFocus);
    return Panel1;
}

QLayout* PatternWindow::buildPreviewColumn()
{
    Image1 = Named(new ImageView(&mEditor.picture().preview(), this), "Image1");
    Label8 = label(QStringLiteral("Animationsphasen mit ; getrennt"), "Label8", this);
    Editphasen = Named(new QLineEdit(QStringLiteral("1;2;1;3"), this), "Editphasen");
    Editphasen->setFixedWidth(160);
    Label7 = label(QStringLiteral("Speed (x/50 Sekunden Dauer)"), "Label7", this);
    SpinEdit1 = spin(1, 100, 16, "SpinEdit1", this);
    Buttonanim = NamedButton(QStringLiteral("Start Anim"), "Buttonanim", this);
    auto* anim = new QGridLayout;
    anim->setVerticalSpacing(2);
    anim->addWidget(Label8, 0, 0, 1, 2);
    anim->addWidget(Editphasen, 1, 0, 1, 2);
    anim->addWidget(Label7, 2, 0, 1, 2);
    anim->addWidget(SpinEdit1, 3, 0);
    anim->addWidget(Buttonanim, 3, 1);

    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    column->addWidget(Image1);
    column->addSpacing(4);
    column->addLayout(anim);
    column->addStretch(1);
    return column;
}

QLayout* PatternWindow::buildSelectionColumn()
{
    Labelfontset = label(QStringLiteral("Pattern-Set    "), "Labelfontset", this);
    SpinFontsetnumber = spin(1, 8, 1, "SpinFontsetnumber", this);
    Label2 = label(QStringLiteral("Pattern-Nr    (Tauschen mit)"), "Label2", this);
    SpinTilenumber = spin(1, 64, 1, "SpinTilenumber", this);
    SpeedButton2 = NamedButton(QStringLiteral("<->"), "SpeedButton2", this);
    SpeedButton2->setAccessibleName(QStringLiteral("Tauschen"));
    SpeedButton2->setFixedWidth(36);
    copySpinTilenumber = spin(1, 64, 1, "copySpinTilenumber", this);
    SpeedButton1 = NamedButton(QStringLiteral("<->"), "SpeedButton1", this);
    SpeedButton1->hide();
    copySpinFontsetnumber = spin(1, 8, 1, "copySpinFontsetnumber", this);
    copySpinFontsetnumber->hide();
    ButtonFill = NamedButton(QStringLiteral("Füllen"), "ButtonFill", this);
    auto* selection = new QGridLayout;
    selection->setVerticalSpacing(3);
    selection->addWidget(Labelfontset, 0, 0, 1, 3);
    selection->addWidget(SpinFontsetnumber, 1, 0);
    selection->addWidget(ButtonFill, 1, 2);
    selection->addWidget(Label2, 2, 0, 1, 3);
    selection->addWidget(SpinTilenumber, 3, 0);
    selection->addWidget(SpeedButton2, 3, 1);
    selection->addWidget(copySpinTilenumber, 3, 2);

    // Laden, Speichern, Verwerfen in a row, the shifts and mirrors in a grid of two rows below.
    const struct {
        QPushButton** button;
        const char* caption;
        const char* name;
    } buttons[] = {
        {&ButtonLaden, "Laden", "ButtonLaden"},   {&ButtonSpeichern, "Speichern", "ButtonSpeichern"},
        {&ButtonVerwerfen, "Verwerfen", "ButtonVerwerfen"},
        {&Buttonlinks, "Links", "Buttonlinks"},   {&Buttonhoch, "Hoch", "Buttonhoch"},
        {&Buttonrechts, "Rechts", "Buttonrechts"},
        {&Button18, "Spgl LR", "Button18"},       {&ButtonRunter, "Runter", "ButtonRunter"},
        {&Button19, "Spgl HR", "Button19"},
        {&ButtonLeeren, "Leeren", "ButtonLeeren"}, {&ButtonInvertieren, "Invertieren", "ButtonInvertieren"},
    };
    auto* storeButtons = new QHBoxLayout;
    auto* shiftButtons = new QGridLayout;
    for (int i = 0; i < int(std::size(buttons)); ++i) {
        QPushButton* b = NamedButton(QString::fromUtf8(buttons[i].caption), buttons[i].name, this);
        *buttons[i].button = b;
        if (i < 3)
            storeButtons->addWidget(b);
        else
            shiftButtons->addWidget(b, i / 3 - 1, i % 3);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{ButtonLaden, ButtonSpeichern, ButtonVerwerfen, Buttonlinks,
                                                       Buttonhoch, Buttonrechts, Button18, ButtonRunter, Button19,
                                                       ButtonLeeren, ButtonInvertieren, SpinFontsetnumber, SpinTilenumber, copySpinTilenumber, ButtonFill})
        w->setFixedWidth(68);

    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    column->addLayout(selection);
    column->addLayout(storeButtons);
    column->addLayout(shiftButtons);
    column->addWidget(buildFntPanel());
    column->addStretch(1);
    return column;
}

QLayout* PatternWindow::buildByteGrids()
{
    Label5 = label(QStringLiteral("2-Bit-Codierung der Pixel\n(Werte von 0 bis 3)"), "Label5", this);
    Label5->setFixedWidth(8 * 19 + 2);
    grid = table(8, 16, 19, 15, "grid", this);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setFocusPolicy(Qt::NoFocus);
    Label6 = label(QStringLiteral("Daten Bytes"), "Label6", this);
    Label6->setMinimumHeight(Label5->sizeHint().height());
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    data = table(2, 16, 38, 15, "data", this);
    data->setEditTriggers(QAbstractItemView::AllEditTriggers);
    // Arrows move inside the grid, Tab leaves it.
    data->setTabKeyNavigation(false);

    auto* grids = new QHBoxLayout;
    grids->setSpacing(8);
    for (const auto& [caption, table] : {std::pair<QLabel*, QTableWidget*>{Label5, grid}, {Label6, data}}) {
        auto* column = new QVBoxLayout;
        column->setSpacing(2);
        column->addWidget(caption);
        column->addWidget(table);
        column->addStretch(1);
        grids->addLayout(column);
    }
    return grids;
}

QLayout* PatternWindow::buildOverview()
{
    ScrollBox1 = Named(new QScrollArea(this), "ScrollBox1");
    // As wide as the window lets it be, up to 947 pixels: on a 1024 x 768 screen it scrolls a little more.
    ScrollBox1->setFixedHeight(273);
    ScrollBox1->setMinimumWidth(480);
    ScrollBox1->setMaximumWidth(947);
    ScrollBox1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setFocusPolicy(Qt::NoFocus); // the overview in it takes the keyboard
    // The overview is kept at one pixel per pattern pixel and shown in blocks; its patterns are drawn
    // when first shown.
    paintboxall = Named(new ImageView(&mEditor.picture().overviewPart({}), ScrollBox1), "paintboxall");
    paintboxall->setBlock(QSize(PatternPicture::kOverviewBlockWidth, PatternPicture::kOverviewBlockHeight));
    paintboxall->setPrepare([this](const QRect& part) { mEditor.picture().overviewPart(part); });
    // By keyboard: the arrows choose as a click does, Return opens the pattern as a double click.
    paintboxall->setKeyboardCells(QSize(32, 32), PatternStore::kPatterns, PatternStore::kSets);
    paintboxall->setReturnDoubleClicks(true);
    // Shift and the arrows frame a run of patterns within the set, for the clipboard.
    paintboxall->setRowRuns(true);
    paintboxall->setAccessibleName(QStringLiteral("Pattern-Übersicht"));
    ScrollBox1->setWidget(paintboxall);
    // The set numbers 1-8 beside the overview, twice on each side.
    QVBoxLayout* sides[2] = {new QVBoxLayout, new QVBoxLayout};
    for (auto* side : sides) {
        side->setSpacing(0);
        side->setContentsMargins(0, 0, 0, 0);
    }
    for (int i = 0; i < 16; ++i) {
        const QByteArray name = "Button" + QByteArray::number(i + 2);
        rowButtons[i] = NamedButton(QString::number(i % 8 + 1), name.constData(), this);
        rowButtons[i]->setFixedSize(32, 32);
        rowButtons[i]->setFocusPolicy(Qt::NoFocus);
        sides[i / 8]->addWidget(rowButtons[i]);
    }
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addStretch(1);
    row->addLayout(sides[0]);
    // The overview takes the width first (up to its most), the sides what is left.
    row->addWidget(ScrollBox1, 100);
    row->addLayout(sides[1]);
    row->addStretch(1);
    for (auto* side : sides)
        side->addStretch(1);
    return row;
}

QLayout* PatternWindow::buildBottomPanels()
{
    Panel5 = Named(new QGroupBox(QStringLiteral("Info / Errors"), this), "Panel5");
    Memo = NamedLog("Memo", Panel5);
    Memo->setReadOnly(true);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setAccessibleName(QStringLiteral("Info / Errors"));
    (new QVBoxLayout(Panel5))->addWidget(Memo);

    Panel4 = Named(new QGroupBox(QStringLiteral("Tavrel Format Datei Funktionen"), this), "Panel4");
    Label12 = label(mEditor.fontLabel(), "Label12", Panel4);
    ButtonLoadFile = NamedButton(QStringLiteral("Font Datei laden"), "ButtonLoadFile", Panel4);
    ButtonTeilladen = NamedButton(QStringLiteral("Nur Zeilen 5-8"), "ButtonTeilladen", Panel4);
    ButtonTeilladen->setToolTip(QStringLiteral("Nur die ersten 4 Zeilen einer Datei als Zeile 5-8 importieren"));
    ButtonSaveFile = NamedButton(QStringLiteral("Font Datei speichern"), "ButtonSaveFile", Panel4);
    auto* fileLayout = new QGridLayout(Panel4);
    fileLayout->addWidget(Label12, 0, 0, 1, 2);
    fileLayout->addWidget(ButtonLoadFile, 1, 0);
    fileLayout->addWidget(ButtonTeilladen, 1, 1);
    fileLayout->addWidget(ButtonSaveFile, 2, 0, 1, 2);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Panel5, 2);
    bottom->addWidget(Panel4, 2);
    bottom->addWidget(buildFontExportPanel(), 2);
    bottom->addWidget(buildPlayerExportPanel(), 2);
    bottom->addLayout(buildToolButtons(), 1);
    return bottom;
}

QWidget* PatternWindow::buildFontExportPanel()
{
    Panel3 = Named(new QGroupBox(QStringLiteral("Font Data Export"), this), "Panel3");
    Label9 = label(QStringLiteral("Font-Zeilen "), "Label9", Panel3);
    Spinvon = spin(1, 8, 1, "Spinvon", Panel3);
    Label10 = label(QStringLiteral("bis"), "Label10", Panel3);
    Spinbis = spin(1, 8, 3, "Spinbis", Panel3);
    Button1 = NamedButton(QStringLiteral("Font Assembler Code generieren"), "Button1", Panel3);
    LayOutRowAndButton(Panel3, {Label9, Spinvon, Label10, Spinbis}, Button1);
    return Panel3;
}

QWidget* PatternWindow::buildPlayerExportPanel()
{
    Panel2 = Named(new QGroupBox(QStringLiteral("3farbiger Player Data Export"), this), "Panel2");
    Label11 = label(QStringLiteral("Nr."), "Label11", Panel2);
    SpinEdit2 = spin(1, 64, 1, "SpinEdit2", Panel2);
    EditPlayer = Named(new QLineEdit(QStringLiteral("Shape"), Panel2), "EditPlayer");
    EditPlayer->setAccessibleName(QStringLiteral("Player Name"));
    Button20 = NamedButton(QStringLiteral("Player Assembler Code generieren"), "Button20", Panel2);
    LayOutRowAndButton(Panel2, {Label11, SpinEdit2, EditPlayer}, Button20);
    return Panel2;
}

QLayout* PatternWindow::buildToolButtons()
{
    const struct {
        QPushButton** button;
        const char* caption;
        const char* name;
    } tools[] = {
        {&ButtonMap, "Level Editor", "ButtonMap"},
        {&ButtonGrafikconverter, "Grafik Converter", "ButtonGrafikconverter"},
        {&Buttonsoundconverter, "Sound Converter", "Buttonsoundconverter"},
        {&Button22, "Datei Splitter", "Button22"},
    };
    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    for (const auto& t : tools) {
        *t.button = NamedButton(QString::fromUtf8(t.caption), t.name, this);
        column->addWidget(*t.button);
    }
    column->addStretch(1);
    QFont bold = ButtonMap->font();
    bold.setBold(true);
    ButtonMap->setFont(bold);
    return column;
}

void PatternWindow::nameFieldsByLabels()
{
    // Fields are named by the labels beside them, for the keyboard (mnemonics) and for screen readers.
    const std::pair<QLabel*, QWidget*> buddies[] = {
        {Label3, Combomode}, {Label4, farbe},      {Labelfontset, SpinFontsetnumber}, {Label2, SpinTilenumber},
        {Label5, grid},      {Label6, data},       {Label8, Editphasen},              {Label7, SpinEdit1},
        {Label9, Spinvon},   {Label10, Spinbis},   {Label11, SpinEdit2},
    };
    for (const auto& [l, field] : buddies)
        l->setBuddy(field);
    // Tables are not named by buddies.
    grid->setAccessibleName(Label5->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
    data->setAccessibleName(Label6->text());
    copySpinTilenumber->setAccessibleName(QStringLiteral("Tauschen mit"));
}

void PatternWindow::connectHandlers()
{
    connectEditHandlers();
    connectColorHandlers();
    connectFileHandlers();
    connectAct(ButtonLaden, &QPushButton::clicked, &PatternWindow::ButtonLadenClick);
    connectAct(ButtonSpeichern, &QPushButton::clicked, &PatternWindow::ButtonSpeichernClick);
    connectAct(ButtonMap, &QPushButton::clicked, &PatternWindow::ButtonMapClick);
    connectAct(ButtonGrafikconverter, &QPushButton::clicked, &PatternWindow::ButtonGrafikconverterClick);
    connectAct(Buttonsoundconverter, &QPushButton::clicked, &PatternWindow::ButtonsoundconverterClick);
    connectAct(Button22, &QPushButton::clicked, &PatternWindow::Button22Click);

    // A spin box set by the refresh reports a value the model already has.
    const std::pair<QSpinBox*, void (PatternEditor::*)(int)> selection[] = {
        {SpinFontsetnumber, &PatternEditor::setCurrentSet},
        {SpinTilenumber, &PatternEditor::setCurrentPattern},
        {copySpinTilenumber, &PatternEditor::setSwapPattern},
        {copySpinFontsetnumber, &PatternEditor::setSwapSet},
    };
    for (const auto& [spin, set] : selection)
        connectAct(spin, &QSpinBox::valueChanged, [this, set = set](int v) {
            if (!mRefreshing)
                (mEditor.*set)(v);
        });
    // The bank choice names the banks of the set just chosen.
    connectAct(SpinFontsetnumber, &QSpinBox::valueChanged, [this](int) { refreshFntBanks(); });

    connectAct(paintboxall, &ImageView::moved, [this](Qt::MouseButtons, QPoint p) { paintboxallMouseMove(p); });
    connectAct(paintboxall, &ImageView::released, [this](Qt::MouseButton b, QPoint p) {
        if (b == Qt::LeftButton)
            paintboxallClick(p);
        else if (b == Qt::RightButton)
            paintboxallContextClick(p);
    });
    connectAct(paintboxall, &ImageView::doubleClicked, [this](Qt::MouseButton b, QPoint p) {
        if (b == Qt::LeftButton)
            paintboxallDblClick(p);
    });
    connectAct(paintboxall, &ImageView::keyboardMoved, [this](QPoint p) {
        paintboxallMouseMove(p);
        paintboxallClick(p);
    });
    connectAct(paintboxall, &ImageView::keyboardExtended, [this](QPoint p) {
        paintboxallMouseMove(p);
        mEditor.extendRunTo(overviewPattern(p).x());
    });

    connectAct(Timer2, &QTimer::timeout, &PatternWindow::Timer2Timer);
}

void PatternWindow::FormCreate()
{
    mEditor.create();
    refreshAll();
    const QString startupFont = mProgramFolder + QStringLiteral("/Vorarado.fa8");
    act([&] { LoadFontFile(mEditor, startupFont); });
}

void PatternWindow::FormShow()
{
    // The session starts here: the first load is no step to undo.
    const auto fresh = qScopeGuard([this] { mEditor.clearHistory(); });
    mEditor.setCurrentPattern(1);
    mEditor.setCurrentSet(1);
    mEditor.Laden();
}

void PatternWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!mShown) {
        mShown = true;
        act([this] { FormShow(); });
        // The keyboard starts on the pattern overview, not in a text field that would take Ctrl+Z.
        paintboxall->setFocus(Qt::OtherFocusReason);
    }
}

void PatternWindow::closeEvent(QCloseEvent* event)
{
    // The main window ends the program, whatever else is open, and asks nothing.
    event->accept();
    QApplication::quit();
}

void PatternWindow::addInfo(const QString& line)
{
    Memo->appendPlainText(line);
}

void PatternWindow::ButtonLadenClick()
{
    mEditor.Laden();
}

void PatternWindow::ButtonSpeichernClick()
{
    mEditor.Speichern();
}

namespace {

void CallLink(const std::function<void()>& link)
{
    if (link)
        link();
}

} // namespace

void PatternWindow::ButtonMapClick() { CallLink(mLinks.openLevelEditor); }
void PatternWindow::ButtonGrafikconverterClick() { CallLink(mLinks.showGrafikconverter); }
void PatternWindow::ButtonsoundconverterClick() { CallLink(mLinks.showSoundconverter); }
void PatternWindow::Button22Click() { CallLink(mLinks.showSplitter); }

QPoint PatternWindow::overviewPattern(QPoint position) const
{
    // Pattern number and set under the pointer; negative results become 0.
    return QPoint(std::max(0, position.x() / 32 + 1), std::max(0, position.y() / 32 + 1));
}

void PatternWindow::paintboxallMouseMove(QPoint position)
{
    const QPoint p = overviewPattern(position);
    LabelPattern->setText(QStringLiteral("Wähle ein Pattern durch Doppelklick zum Bearbeiten aus:  Pattern-Set %1  /  Pattern-Nr %2")
                              .arg(p.y())
                              .arg(p.x()));
}

void PatternWindow::paintboxallClick(QPoint position)
{
    const QPoint p = overviewPattern(position);
    mEditor.setCurrentPattern(p.x());
    mEditor.setCurrentSet(p.y());
}

void PatternWindow::paintboxallDblClick(QPoint position)
{
    paintboxallClick(position);
    mEditor.Laden();
}

void PatternWindow::paintboxallContextClick(QPoint position)
{
    const QPoint p = overviewPattern(position);
    mEditor.setSwapPattern(p.x());
    mEditor.setSwapSet(p.y());
}

void PatternWindow::Timer2Timer()
{
    mEditor.DrawDefine();
    PaintBox->update();
    Image1->update();
    mEditor.drawRowColorGrid();
    DrawGrid1->update();
}

void PatternWindow::refreshAll()
{
    mEditor.takeChanges();
    refresh(~EditorParts());
}

void PatternWindow::refresh()
{
    // A control that the refresh sets may report its new value; what its handler changes waits for
    // the next refresh.
    if (!mRefreshing)
        refresh(mEditor.takeChanges());
}

void PatternWindow::refresh(EditorParts parts)
{
    mRefreshing = true;
    if (parts & EditorPart::Registers)
        refreshRegisters();
    if (parts & EditorPart::Paint)
        refreshPaint();
    if (parts & EditorPart::RowColors)
        refreshRowColors();
    if (parts & EditorPart::Selection) {
        SpinFontsetnumber->setValue(mEditor.currentSet());
        SpinTilenumber->setValue(mEditor.currentPattern());
        copySpinTilenumber->setValue(mEditor.swapPattern());
        copySpinFontsetnumber->setValue(mEditor.swapSet());
        paintboxall->setKeyboardRun(QPoint(mEditor.currentPattern() - 1, mEditor.currentSet() - 1), mEditor.runAnchor() - 1);
        refreshFntBanks();
    }
    if (parts & (EditorPart::Guard | EditorPart::Animation))
        ButtonLaden->setEnabled(mEditor.ladenEnabled() && !mEditor.animation().running());
    if (parts & EditorPart::FontLabel)
        Label12->setText(mEditor.fontLabel());
    if (parts & EditorPart::Phases && Editphasen->text() != mEditor.document().phases())
        Editphasen->setText(mEditor.document().phases());
    if (parts & EditorPart::Buffer)
        refreshGrids();
    if (parts & EditorPart::Surface) {
        PaintBox->update();
        Image1->update();
    }
    if (parts & EditorPart::Overview)
        paintboxall->update();
    if (parts & EditorPart::History)
        refreshHistory();
    mRefreshing = false;
    constexpr EditorParts kWork = EditorPart::Buffer | EditorPart::Registers | EditorPart::RowColors | EditorPart::Phases
        | EditorPart::Overview | EditorPart::FontLabel | EditorPart::History;
    if (mWorkChanged && (parts & kWork))
        mWorkChanged();
}

void PatternWindow::refreshRegisters()
{
    ColorPanel* panels[5] = {Farbe0, Farbe1, Farbe2, Farbe3, Farbe4};
    for (int k = 0; k < 5; ++k) {
        const ColorRegister& f = mEditor.registers()[k];
        panels[k]->setText(f.caption);
        panels[k]->setColor(f.displayColor);
        panels[k]->setTextColor(f.textColor);
    }
}

void PatternWindow::refreshPaint()
{
    // Unchanged texts stay untouched: a user may be typing in the field while the animation refreshes.
    if (farbe->text() != mEditor.paint().text)
        farbe->setText(mEditor.paint().text);
    QPalette p = farbe->palette();
    p.setColor(QPalette::Base, ToQColor(mEditor.paint().color));
    p.setColor(QPalette::Text, ToQColor(mEditor.paint().textColor));
    farbe->setPalette(p);
}

void PatternWindow::refreshRowColors()
{
    mEditor.drawRowColorGrid();
    DrawGrid1->update();
    Labelcolorx->setText(QString::number(mEditor.rowSelectionColumn()));
    Labelcolory->setText(QString::number(mEditor.rowSelectionRow()));
}

void PatternWindow::refreshGrids()
{
    for (int y = 0; y < EditBuffer::kHeight; ++y) {
        for (int x = 0; x < EditBuffer::kWidth; ++x) {
            QTableWidgetItem* item = grid->item(y, x);
            if (item->text() != mEditor.buffer().grid(x, y))
                item->setText(mEditor.buffer().grid(x, y));
        }
        for (int h = 0; h < 2; ++h) {
            QTableWidgetItem* item = data->item(y, h);
            if (item->text() != mEditor.buffer().data(h, y))
                item->setText(mEditor.buffer().data(h, y));
        }
    }
}

