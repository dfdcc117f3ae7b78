// The graphics converter window: its controls, the layout and the button actions.
#include "gui/converter/converterwindow.h"

#include "gui/common/colorpanel.h"
#include "gui/common/controls.h"
#include "gui/common/windowmenu.h"
#include "gui/common/tabletab.h"
#include "gui/common/rangespinbox.h"
#include "gui/common/imageview.h"
#include "common/userdialogs.h"
#include "converter/linezoom.h"
#include "gui/converter/analysisrun.h"
#include "gui/converter/logview.h"
#include "gui/converter/registertablemodel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Pictures of this many pixels and more (3840 x 2160) are analysed on a thread of their own.
constexpr qint64 kBackgroundPixels = qint64(3840) * 2160;

// The table's columns are 64 pixels wide, each followed by its grid line.
constexpr int kColumnPitch = 65;

// A busy cursor while an action runs on a big picture.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The converter's file dialogs start in the current folder with "Alle Dateien" preselected.
FileDialogRequest PictureFileRequest(const QString& filter, const QString& fileName = QString())
{
    FileDialogRequest request;
    request.filter = filter;
    request.filterIndex = 2;
    request.fileName = fileName;
    request.initialDir = QDir::currentPath();
    return request;
}

} // namespace

ConverterWindow::ConverterWindow(UserDialogs& dialogs, QWidget* parent)
    : DeferredWindow(parent), ActingWindow(dialogs), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("Formgrafikconverter"));
    setWindowTitle(QStringLiteral("Grafik Converter"));
    SetWindowBackground(this, kCream);
    resize(1100, 760);
}

ConverterWindow::~ConverterWindow()
{
    // A running analysis ends before anything it reports to goes.
    mAnalysisRun.reset();
    // The views read the converter, which as a member goes before QWidget deletes its children.
    if (mGridViewport)
        mGridViewport->removeEventFilter(this);
    mGridViewport = nullptr;
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void ConverterWindow::buildControls()
{
    Splitter1 = Named(new QSplitter(Qt::Horizontal, this), "Splitter1");
    Splitter1->addWidget(buildPicturePanel());
    Splitter1->addWidget(buildTablePanel());
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setChildrenCollapsible(false);
    // Half and half to begin with; the user moves the divider.
    Splitter1->setSizes({1000, 1000});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Splitter1, 1);
    layout->addWidget(buildButtonBar());
    connectControls();
    linkScrolling();
    // Set here rather than at creation: a window state makes the system window at once.
    setWindowState(Qt::WindowMaximized);
    Panel6->setAccessibleName(QStringLiteral("Geladenes Bild"));
    SetTips(this, {
        {"ButtonLoadPicture", "Ein Bild (BMP, PNG) zum Umrechnen laden"},
        {"Buttonzoom", "Das Bild mit dem Line Zoom daneben neu zeigen"},
        {"SpinEdit1", "Wie hoch eine Bildzeile gezeigt wird"},
        {"Button5", "Das umgerechnete Bild speichern"},
        {"ButtonRAMsave", "Das umgerechnete Bild als Atari-RAM-Datei speichern"},
        {"CheckBox1", "Klicks ins Bild ändern dessen Pixel"},
        {"Button3", "Alle Farbregister der Tabelle leeren"},
        {"ButtonAssembler", "Den Assembler Code der Farbtabelle im Code-Fenster zeigen"},
        {"Button1", "Die Farben jeder Zeile ermitteln, kompakt: so wenige Wechsel wie möglich"},
        {"Button2", "Die Farben jeder Zeile ermitteln, isoliert: jede Zeile für sich"},
        {"grid", "Die Farbregister pro Bildzeile: tippen ändert, Doppelklick wählt aus der Palette"},
        {"Memo1", "Meldungen"},
        {"Panel6", "Das geladene Bild"},
    });
}

QWidget* ConverterWindow::buildPicturePanel()
{
    auto* panel = new QWidget(this);
    Panel5 = Named(new QWidget(panel), "Panel5");
    Image1 = Named(new ImageView(&mConverter.picture(), panel), "Image1");
    Image1->setStretched(true);
    Image1->setFixedSize(1, 1);
    ScrollBox1 = Named(new QScrollArea(panel), "ScrollBox1");
    ScrollBox1->setWidget(Image1);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setAccessibleName(QStringLiteral("Das Bild"));
    Panel6 = Named(new QLabel(panel), "Panel6");
    Panel6->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel6->setMinimumHeight(22);
    Panel6->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel5);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(Panel6);
    return panel;
}

QWidget* ConverterWindow::buildTablePanel()
{
    grid = Named(new QTableView(this), "grid");
    grid->setAccessibleName(QStringLiteral("Farbregister pro Bildzeile"));
    grid->setTabKeyNavigation(false); // the arrows move between cells; Tab moves on to the next control
    mTableModel = new RegisterTableModel(mConverter, grid);
    grid->setModel(mTableModel);
    LeaveByTab(grid);
    // Rows as thin as a picture line needs; small type so that the texts still show.
    QFont small = grid->font();
    small.setPixelSize(9);
    grid->setFont(small);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setMinimumSectionSize(8);
    grid->horizontalHeader()->setDefaultSectionSize(kColumnPitch);
    grid->horizontalHeader()->setSectionsMovable(true);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    // Typing edits at once; a double click asks the palette instead.
    grid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
                          | QAbstractItemView::SelectedClicked);
    grid->setWordWrap(false);
    mGridViewport = grid->viewport();
    mGridViewport->installEventFilter(this);
    return grid;
}

QWidget* ConverterWindow::buildButtonBar()
{
    auto* bar = new QWidget(this);
    ButtonLoadPicture = NamedButton(QStringLiteral("Windows Bild laden"), "ButtonLoadPicture", bar);
    SpinEdit1 = Named(new RangeSpinBox(kMinLineZoom, kMaxLineZoom, kDefaultLineZoom, bar), "SpinEdit1");
    SpinEdit1->setAccessibleName(QStringLiteral("Line Zoom"));
    Buttonzoom = NamedButton(QStringLiteral("Line Zoom"), "Buttonzoom", bar);
    Button5 = NamedButton(QStringLiteral("Windows Bild speichern"), "Button5", bar);
    ButtonRAMsave = NamedButton(QStringLiteral("Atari RAM speichern"), "ButtonRAMsave", bar);
    Panel7 = Named(new ColorPanel(bar), "Panel7");
    Panel7->setMinimumSize(110, 26);
    CheckBox1 = Named(new QCheckBox(QStringLiteral("Bildpixel änderbar"), bar), "CheckBox1");
    Button3 = NamedButton(QStringLiteral("Tabelle leeren"), "Button3", bar);
    ButtonAssembler = NamedButton(QStringLiteral("Code generieren"), "ButtonAssembler", bar);
    Button1 = NamedButton(QStringLiteral("Ermittle Farben Kompakt"), "Button1", bar);
    Button2 = NamedButton(QStringLiteral("Ermittle Farben Isoliert"), "Button2", bar);
    ProgressAnalysis = Named(new QProgressBar(bar), "ProgressAnalysis");
    ProgressAnalysis->setAccessibleName(QStringLiteral("Fortschritt der Farbanalyse"));
    ProgressAnalysis->setToolTip(QStringLiteral("Wie viele Bildzeilen die Farbanalyse schon durchgesehen hat"));
    ProgressAnalysis->hide();
    ButtonAbbrechen = NamedButton(QStringLiteral("Abbrechen"), "ButtonAbbrechen", bar);
    ButtonAbbrechen->setAccessibleName(QStringLiteral("Farbanalyse abbrechen"));
    ButtonAbbrechen->setToolTip(QStringLiteral("Bricht die laufende Farbanalyse ab; Tabelle und Bild bleiben, wie sie waren"));
    ButtonAbbrechen->hide();
    Memo1 = Named(new LogView(mConverter.log(), bar), "Memo1");
    Memo1->setAccessibleName(QStringLiteral("Meldungen des Grafik Converters"));
    Memo1->setMinimumWidth(260);

    // Picture work in the first row, table work in the second; the log beside both.
    auto* buttons = new QGridLayout;
    buttons->addWidget(ButtonLoadPicture, 0, 0);
    buttons->addWidget(SpinEdit1, 0, 1);
    buttons->addWidget(Buttonzoom, 0, 2);
    buttons->addWidget(Button5, 0, 3);
    buttons->addWidget(ButtonRAMsave, 0, 4);
    buttons->addWidget(Panel7, 1, 0);
    buttons->addWidget(CheckBox1, 1, 1, 1, 2);
    // Shown only while an analysis runs; hidden they take no room.
    buttons->addWidget(ProgressAnalysis, 1, 3);
    buttons->addWidget(ButtonAbbrechen, 1, 4);
    buttons->addWidget(Button3, 2, 0);
    buttons->addWidget(ButtonAssembler, 2, 1, 1, 2);
    buttons->addWidget(Button1, 2, 3);
    buttons->addWidget(Button2, 2, 4);
    buttons->setRowStretch(3, 1);

    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(Memo1, 1);
    bar->setFixedHeight(150);
    return bar;
}

void ConverterWindow::connectControls()
{
    const std::pair<QPushButton*, void (ConverterWindow::*)()> buttons[] = {
        {ButtonLoadPicture, &ConverterWindow::ButtonLoadPictureClick},
        {Buttonzoom, &ConverterWindow::ButtonzoomClick},
        {Button5, &ConverterWindow::Button5Click},
        {ButtonRAMsave, &ConverterWindow::ButtonRAMsaveClick},
        {Button3, &ConverterWindow::Button3Click},
        {ButtonAssembler, &ConverterWindow::ButtonAssemblerClick},
        {Button1, &ConverterWindow::Button1Click},
        {Button2, &ConverterWindow::Button2Click},
        {ButtonAbbrechen, &ConverterWindow::ButtonAbbrechenClick},
    };
    for (const auto& [button, handler] : buttons)
        connectAct(button, &QPushButton::clicked, handler);
    connectAct(grid->selectionModel(), &QItemSelectionModel::currentChanged,
               [this](const QModelIndex& current) { gridSelectCell(current); });
    connectAct(grid, &QTableView::doubleClicked, &ConverterWindow::gridDblClick);
    connectAct(grid->horizontalHeader(), &QHeaderView::sectionMoved, [this](int, int from, int to) { gridColumnMoved(from, to); });
    connectAct(Image1, &ImageView::moved, &ConverterWindow::Image1MouseMove);
    connectAct(Image1, &ImageView::released, &ConverterWindow::Image1MouseUp);
    // The model announces every change; the views redraw what it names.
    connect(&mConverter, &GraphicsConverter::pictureReplaced, Image1, qOverload<>(&QWidget::update));
    connect(&mConverter, &GraphicsConverter::pixelsChanged, Image1, qOverload<>(&QWidget::update));
    // A running analysis works on the picture and table it started with: any change stops it.
    connect(&mConverter, &GraphicsConverter::tableChanged, this, &ConverterWindow::stopAnalysis);
    connect(&mConverter, &GraphicsConverter::pictureReplaced, this, &ConverterWindow::stopAnalysis);
    connect(&mConverter, &GraphicsConverter::cellChanged, this, &ConverterWindow::stopAnalysis);
    connect(&mConverter, &GraphicsConverter::pixelsChanged, this, &ConverterWindow::stopAnalysis);
}

void ConverterWindow::linkScrolling()
{
    // Picture line y stands beside table row y: both scroll together.
    QScrollBar* picture = ScrollBox1->verticalScrollBar();
    QScrollBar* table = grid->verticalScrollBar();
    connect(table, &QScrollBar::valueChanged, picture, &QScrollBar::setValue);
    connect(picture, &QScrollBar::valueChanged, table, &QScrollBar::setValue);
    // The picture's range follows the table's after a zoom or a load, a moment later.
    connect(picture, &QScrollBar::rangeChanged, table, [picture, table] { picture->setValue(table->value()); });
}

int ConverterWindow::scrollBoxHeight() const
{
    return ScrollBox1->height();
}

bool ConverterWindow::hasPicture() const
{
    return !mConverter.picture().isNull() && mConverter.pictureWidth() > 0 && mConverter.pictureHeight() > 0;
}

void ConverterWindow::fitPictureWidth()
{
    const int height = PictureDisplayHeight(SpinEdit1->value(), mConverter.table().rowCount());
    Image1->setFixedSize(std::max(1, ScrollBox1->viewport()->width()), std::max(1, height));
}

void ConverterWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!controlsBuilt())
        return;
    act([&] {
        if (!Panel6->text().trimmed().isEmpty()) {
            SpinEdit1->setValue(kDefaultLineZoom);
            SpinEdit1->setValue(LineZoomAfterResize(scrollBoxHeight(), mConverter.table().rowCount()));
            ButtonzoomClick();
        } else {
            fitPictureWidth();
        }
    });
}

void ConverterWindow::ButtonLoadPictureClick()
{
    CheckBox1->setChecked(false);
    mConverter.ResetRegisterTable(GraphicsConverter::Headers::RegisterAddresses);
    const auto fileName =
        mDialogs.openFile(PictureFileRequest(QStringLiteral("Bilddateien (*.png)|*.png|Alle Dateien (*.*)|*.*")));
    if (!fileName)
        return;
    Panel6->clear();
    {
        BusyCursor busy;
        mConverter.LoadPicture(*fileName);
    }
    Panel6->setText(*fileName);
    SpinEdit1->setValue(LineZoomAfterLoad(scrollBoxHeight(), mConverter.pictureHeight(), SpinEdit1->value()));
    ButtonzoomClick();
    grid->scrollToTop();
}

void ConverterWindow::ButtonzoomClick()
{
    const int v = SpinEdit1->value();
    // The header row and the spacer above the picture are one height, so line y stays beside
    // row y; never lower than the header's text needs.
    const int header = std::max(v + 1, grid->horizontalHeader()->sizeHint().height());
    grid->horizontalHeader()->setFixedHeight(header);
    Panel5->setFixedHeight(header);
    grid->verticalHeader()->setDefaultSectionSize(v + 1);
    fitPictureWidth();
}

void ConverterWindow::Button5Click()
{
    CheckBox1->setChecked(false);
    const auto fileName = mDialogs.saveFile(
        PictureFileRequest(QStringLiteral("Bilddateien (*.BMP)|*.BMP|Alle Dateien (*.*)|*.*"), QStringLiteral("datei.bmp")));
    if (!fileName)
        return;
    Panel6->clear();
    mConverter.SavePicture(*fileName);
    Panel6->setText(*fileName);
}

void ConverterWindow::ButtonRAMsaveClick()
{
    mConverter.log().clear();
    const auto fileName = mDialogs.saveFile(
        PictureFileRequest(QStringLiteral("Bilddateien (*.BIN)|*.BIN|Alle Dateien (*.*)|*.*"), QStringLiteral("Atari.bin")));
    if (!fileName)
        return;
    BusyCursor busy;
    mConverter.SaveAtariRam(*fileName);
}

void ConverterWindow::Button3Click()
{
    mConverter.TabelleLeeren();
}

void ConverterWindow::ButtonAssemblerClick()
{
    mConverter.CodeGenerieren();
    Memo1->scrollToTop();
}

void ConverterWindow::Button1Click()
{
    analyse(GraphicsConverter::Analysis::Kompakt);
}

void ConverterWindow::Button2Click()
{
    analyse(GraphicsConverter::Analysis::Isoliert);
}

void ConverterWindow::analyse(GraphicsConverter::Analysis analysis)
{
    stopAnalysis();
    if (static_cast<qint64>(mConverter.pictureWidth()) * mConverter.pictureHeight() < kBackgroundPixels) {
        BusyCursor busy;
        if (analysis == GraphicsConverter::Analysis::Kompakt)
            mConverter.ErmittleFarbenKompakt();
        else
            mConverter.ErmittleFarbenIsoliert();
        return;
    }
    mAnalysisRun = std::make_unique<AnalysisRun>(mConverter.analysisInput(analysis));
    connect(mAnalysisRun.get(), &AnalysisRun::finished, this, [this] { act([&] { analysisFinished(); }); });
    ProgressAnalysis->setRange(0, mConverter.pictureHeight());
    ProgressAnalysis->setValue(0);
    ProgressAnalysis->show();
    ButtonAbbrechen->show();
    Button1->setEnabled(false);
    Button2->setEnabled(false);
    if (!mProgressTimer) {
        mProgressTimer = new QTimer(this);
        mProgressTimer->setInterval(50);
        connect(mProgressTimer, &QTimer::timeout, this, &ConverterWindow::showAnalysisProgress);
    }
    mProgressTimer->start();
}

void ConverterWindow::showAnalysisProgress()
{
    if (mAnalysisRun)
        ProgressAnalysis->setValue(mAnalysisRun->linesDone());
}

void ConverterWindow::analysisFinished()
{
    if (!mAnalysisRun)
        return;
    std::unique_ptr<AnalysisRun> run = std::move(mAnalysisRun);
    std::optional<RegisterTable> table = run->takeResult();
    stopAnalysis(); // hides the progress
    if (table)
        mConverter.takeAnalysis(run->analysis(), std::move(*table));
}

void ConverterWindow::stopAnalysis()
{
    mAnalysisRun.reset();
    if (!ProgressAnalysis || ProgressAnalysis->isHidden())
        return;
    if (mProgressTimer)
        mProgressTimer->stop();
    ProgressAnalysis->hide();
    ButtonAbbrechen->hide();
    Button1->setEnabled(true);
    Button2->setEnabled(true);
}

void ConverterWindow::ButtonAbbrechenClick()
{
    stopAnalysis();
}

void ConverterWindow::closeEvent(QCloseEvent* event)
{
    // A closed window shows no progress: its analysis stops, and the converter keeps what it held.
    stopAnalysis();
    QWidget::closeEvent(event);
}
