// The level editor window: construction, the header, the level area and the row below it, opening and showing.
#include "gui/level/levelwindow.h"

#include "gui/common/colorpanel.h"
#include "gui/common/screenplacement.h"
#include "gui/common/controls.h"
#include "gui/common/windowmenu.h"
#include "gui/common/elidinglabel.h"
#include "gui/common/wrappinglabel.h"
#include "disk/levelgamefiles.h"
#include "gui/level/levelpictureview.h"
#include "pattern/colorregisterset.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace {

const QSize kWindowSize(1096, 734);
constexpr int kSwatchWidth = 24;
constexpr int kRowButtonWidth = 20;
constexpr int kLevelViewMinimumWidth = 10 * LevelPicture::kCell;
constexpr int kLevelViewHeight = 337;

} // namespace

LevelWindow::LevelWindow(UserDialogs& dialogs, const PatternStore& patterns, const ColorRegisterSet& registers,
                   Collaborators collaborators, QWidget* parent)
    : DeferredWindow(parent),
      ActingWindow(dialogs),
      mDialogs(dialogs),
      mPatterns(patterns),
      mRegisters(registers),
      mPicture(mDocument, registers),
      mSession(mDocument, mPicture),
      mGameFiles(collaborators.gameFiles),
      mDesktop(collaborators.desktop),
      mRequestColor(std::move(collaborators.requestColor)),
      mShowByteView(std::move(collaborators.showByteView))
{
    setObjectName(QStringLiteral("Formmap"));
    setWindowTitle(QStringLiteral("Tavrel Level Editor für Oxil's Quest"));
    resize(kWindowSize);
    // The colour lines start as the registers of the start-up pattern file.
    mDocument.takeRegisterColors(mRegisters);
    mSession.log = [this](const QString& line) { addLog(line); };
    connect(&mDocument, &LevelDocument::changed, this, [this](const LevelChange& change) { onDocumentChanged(change); });
    addLog(mGameFiles.atrPath());
}

LevelWindow::~LevelWindow() { disconnect(mFocusWatch); }

const QString& LevelWindow::atrPath() const
{
    return mGameFiles.atrPath();
}

// --- building --------------------------------------------------------------------------------------------

void LevelWindow::buildControls()
{
    // Everything stands on one page that scrolls where the window is smaller than the layout needs
    // (a 1024 x 768 screen), so that the window itself may shrink.
    QScrollArea* scroller = AddScrollingPage(this);
    mContent = new QWidget(scroller);
    auto* layout = new QVBoxLayout(mContent);
    // Tight above and below: on a 1024 x 768 screen the menu bar and the title bar share the height.
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    layout->addWidget(buildHeader());
    layout->addWidget(buildLevelArea());
    layout->addWidget(buildBelowLevel());
    // Each page is an empty tab until it is first shown: building all four took most of the first opening.
    PageControl1 = Named(new QTabWidget(mContent), "PageControl1");
    for (const QString& title : {QStringLiteral("Daten laden und speichern"), QStringLiteral("Spielelemente setzen"),
                                 QStringLiteral("Gegner verwalten"), QStringLiteral("Schalter verwalten")}) {
        auto* holder = new QWidget(PageControl1);
        auto* box = new QVBoxLayout(holder);
        box->setContentsMargins(0, 0, 0, 0);
        PageControl1->addTab(holder, title);
    }
    PageControl1->setCurrentIndex(static_cast<int>(LevelPage::Gegner));
    // The pages take the height the rest leaves. Their preferred height does not count: the window's
    // scroll area sizes its content by preferred heights (the hint beside the banner wraps), and it
    // scrolls only what cannot shrink, the pages' minimum, kept in step as they are built.
    PageControl1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int page) { ensurePage(static_cast<LevelPage>(page)); });
    layout->addWidget(PageControl1, 1);
    scroller->setWidget(mContent);

    Panel5->raise();
    buildUndoKeys();
    buildMenus(QWidget::layout());
    connectPictures();
    connectKeyboard();
    connectColorLines();
    ensurePage(LevelPage::Gegner);
    refreshColorPanels();
    refresh();
}

void LevelWindow::ensurePage(LevelPage page)
{
    if (pageBuilt(page))
        return;
    mPageBuilt[static_cast<size_t>(page)] = true;
    QLayout* holder = PageControl1->widget(static_cast<int>(page))->layout();
    switch (page) {
    case LevelPage::Daten:
        holder->addWidget(buildDataPage());
        connectDataPage();
        connectGamePanels();
        refreshTextsAndTime();
        break;
    case LevelPage::Spielelemente:
        holder->addWidget(buildElementsPage());
        connectChooser();
        AppendLines(Memo, mPendingLog);
        mPendingLog.clear();
        break;
    case LevelPage::Gegner:
    case LevelPage::Schalter: {
        const LevelTable table = page == LevelPage::Gegner ? LevelTable::Monsters : LevelTable::Switches;
        holder->addWidget(buildTablePage(table));
        connectTablePage(table);
        break;
    }
    }
    PageControl1->setMinimumHeight(PageControl1->minimumSizeHint().height());
    refresh();
    if (mStripLayout) // the menus are built
        tipControls();
}

void LevelWindow::buildRemainingControls()
{
    for (LevelPage page : {LevelPage::Daten, LevelPage::Spielelemente, LevelPage::Gegner, LevelPage::Schalter})
        ensurePage(page);
}

QWidget* LevelWindow::buildHeader()
{
    buildBanner();
    auto* header = new QWidget(this);
    header->setFixedHeight(24);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* registersLabel = new QLabel(QStringLiteral("F0:  F1:   F2:  F3:  F4:"), header);
    registersLabel->setFixedWidth(5 * kSwatchWidth);
    QFont small = registersLabel->font();
    small.setPointSize(7);
    registersLabel->setFont(small);
    row->addWidget(registersLabel);
    SpeedButton38 = NamedButton(QStringLiteral("<"), "SpeedButton38", header);
    SpeedButton38->setFixedSize(kRowButtonWidth, 22);
    SpeedButton38->setAccessibleName(QStringLiteral("Hinweiszeile nach links"));
    row->addWidget(SpeedButton38);
    // The banner's place at its start; the hint takes the rest, in the header's small font, and goes
    // on a second line where one is too short for it.
    row->addSpacing(mBannerWidth);
    Label18 = Named(new WrappingLabel(QStringLiteral("Drücke Shift und eine der Maustasten zum Element aufpicken"), header),
                    "Label18");
    Label18->setFont(small);
    Label18->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(Label18, 1);
    SpeedButton37 = NamedButton(QStringLiteral(">"), "SpeedButton37", header);
    SpeedButton37->setFixedSize(kRowButtonWidth, 22);
    SpeedButton37->setAccessibleName(QStringLiteral("Hinweiszeile nach rechts"));
    row->addWidget(SpeedButton37);
    connectAct(SpeedButton38, &QPushButton::clicked, &LevelWindow::SpeedButton38Click);
    connectAct(SpeedButton37, &QPushButton::clicked, &LevelWindow::SpeedButton37Click);
    return header;
}

void LevelWindow::buildBanner()
{
    // The banner is moved by the arrows in steps of 32 pixels, so it stands outside the layout.
    Panel5 = Named(new QWidget(mContent), "Panel5");
    SetWindowBackground(Panel5, PackRgb(0, 128, 0));
    QPalette whiteText = Panel5->palette();
    whiteText.setColor(QPalette::WindowText, Qt::white);
    Panel5->setPalette(whiteText);
    auto* bannerLayout = new QHBoxLayout(Panel5);
    bannerLayout->setContentsMargins(6, 0, 6, 0);
    LabelPattern = Named(new ElidingLabel(QStringLiteral("Der Level - Klicke um gewähltes Pattern hier zu setzen"), Panel5),
                         "LabelPattern");
    QFont bold = LabelPattern->font();
    bold.setBold(true);
    LabelPattern->setFont(bold);
    bannerLayout->addWidget(LabelPattern);
    // As wide as its longest text, so that painting in any cell never cuts the banner.
    const QString longest = QStringLiteral("Klicke unten, um das gewählte Pattern zu setzen in:    Spalte (X) = 127  /  Zeile (Y) = 9");
    mBannerWidth = QFontMetrics(bold).horizontalAdvance(longest) + 2 * 6 + 8;
    Panel5->setFixedSize(mBannerWidth, 22);
}

QWidget* LevelWindow::buildColorPanels()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    QFont small = box->font();
    small.setPointSize(7);
    for (int c = 0; c < LevelDocument::kColorColumns; ++c) {
        for (int line = 1; line <= LevelDocument::kColorLines; ++line) {
            const QByteArray name = "Panel" + QByteArray(1, char('A' + c)) + QByteArray::number(line);
            auto* panel = Named(new ColorPanel(box), name.constData());
            panel->setFixedSize(kSwatchWidth, LevelPicture::kCell);
            panel->setFont(small);
            panel->setToolTip(QStringLiteral("Doppelklick definiert die Farbe (Taste F2); die Pfeile wechseln das Feld"));
            panel->setClickable(true);
            panel->setAccessibleName(QStringLiteral("Farbe %1 der Zeile %2").arg(QLatin1Char('A' + c)).arg(line - 1));
            colorPanels[c][line - 1] = panel;
            grid->addWidget(panel, line - 1, c);
        }
    }
    return box;
}

QWidget* LevelWindow::buildRowButtons(const char* prefix)
{
    auto* column = new QWidget(this);
    auto* box = new QVBoxLayout(column);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    // Hidden at zooms other than 100 %, the column keeps its place: the banner over the level stays put.
    QSizePolicy keep = column->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    column->setSizePolicy(keep);
    for (int y = 0; y < LevelDocument::kRows; ++y) {
        const QByteArray name = QByteArray(prefix) + QByteArray::number(y);
        auto* button = NamedButton(QString::number(y), name.constData(), column);
        button->setFixedSize(kRowButtonWidth, LevelPicture::kCell);
        button->setFocusPolicy(Qt::NoFocus); // they only number the rows
        box->addWidget(button);
    }
    box->addStretch(1);
    return column;
}

QWidget* LevelWindow::buildLevelArea()
{
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* colors = buildColorPanels();
    row->addWidget(colors, 0, Qt::AlignTop);
    mRowNumbers[0] = buildRowButtons("ButtonRowLeft");
    row->addWidget(mRowNumbers[0], 0, Qt::AlignTop);

    ScrollBox1 = Named(new QScrollArea(area), "ScrollBox1");
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    // 910 wide at the window's own size; on a smaller screen it gives way first, as it scrolls anyway.
    ScrollBox1->setMinimumSize(kLevelViewMinimumWidth, kLevelViewHeight);
    ScrollBox1->setFixedHeight(kLevelViewHeight);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette magenta = ScrollBox1->palette();
    magenta.setColor(QPalette::Window, QColor(255, 0, 255));
    ScrollBox1->setPalette(magenta);
    ScrollBox1->setBackgroundRole(QPalette::Window);
    ScrollBox1->horizontalScrollBar()->setTracking(true);
    // The level in it takes the keyboard and the view follows its cursor: no Tab stop of its own.
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    paintboxLevel = Named(new LevelPictureView(&mPicture.level()), "paintboxLevel");
    paintboxLevel->setAccessibleName(QStringLiteral("Der Level"));
    ScrollBox1->setWidget(paintboxLevel);
    row->addWidget(ScrollBox1, 1);

    mRowNumbers[1] = buildRowButtons("ButtonRowRight");
    row->addWidget(mRowNumbers[1], 0, Qt::AlignTop);
    return area;
}

QWidget* LevelWindow::buildBelowLevel()
{
    // Two halves side by side; where the window is too narrow for both, the second goes beside the page
    // tabs (fitStrip).
    auto* strip = new QWidget(this);
    mStripLayout = new QBoxLayout(QBoxLayout::LeftToRight, strip);
    mStripLayout->setContentsMargins(0, 0, 0, 0);
    mStripLeft = new QWidget(strip);
    mStripRight = new QWidget(strip);
    mStripLayout->addWidget(mStripLeft);
    mStripLayout->addWidget(mStripRight);
    auto* row = new QHBoxLayout(mStripLeft);
    row->setContentsMargins(0, 0, 0, 0);
    ButtonStandardfarbe = NamedButton(QStringLiteral("Standardfarbe setzen"), "ButtonStandardfarbe", strip);
    row->addWidget(ButtonStandardfarbe);
    row->addWidget(new QLabel(QStringLiteral("Doppelklick definiert Farbe"), strip));
    CheckBoxMonster = Named(new QCheckBox(QStringLiteral("Zeige die Monster in der Karte an"), strip), "CheckBoxMonster");
    CheckBoxschalter = Named(new QCheckBox(QStringLiteral("Zeige die Schalter in der Karte an"), strip), "CheckBoxschalter");
    row->addWidget(CheckBoxMonster);
    row->addWidget(CheckBoxschalter);
    row->addStretch(1);
    row = new QHBoxLayout(mStripRight);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    ButtonUndo = NamedButton(QStringLiteral("↶"), "ButtonUndo", strip);
    ButtonRedo = NamedButton(QStringLiteral("↷"), "ButtonRedo", strip);
    ButtonUndo->setAccessibleName(QStringLiteral("Rückgängig"));
    ButtonRedo->setAccessibleName(QStringLiteral("Wiederherstellen"));
    for (QPushButton* b : {ButtonUndo, ButtonRedo}) {
        b->setFixedWidth(30);
        row->addWidget(b);
    }
    ButtonPlayMatrix = NamedButton(QStringLiteral("Play Level"), "ButtonPlayMatrix", strip);
    ButtonFont = NamedButton(QStringLiteral("Zurück zum Font Editor"), "ButtonFont", strip);
    row->addWidget(ButtonPlayMatrix);
    row->addWidget(ButtonFont);
    connectAct(CheckBoxMonster, &QCheckBox::clicked, &LevelWindow::CheckBoxMonsterClick);
    connectAct(CheckBoxschalter, &QCheckBox::clicked, &LevelWindow::CheckBoxschalterClick);
    connectAct(ButtonFont, &QPushButton::clicked, &LevelWindow::ButtonFontClick);
    connectAct(ButtonPlayMatrix, &QPushButton::clicked, &LevelWindow::ButtonPlayMatrixClick);
    return strip;
}

// --- opening and showing --------------------------------------------------------------------------------

void LevelWindow::LevelEditorOpen()
{
    ensureShownControls();
    act([this] {
        // The first opening draws the new level; the first show need not draw it again.
        const bool drawsLevel = !mSession.levelInitialised() && !isVisible();
        mSession.open(mPatterns, mRegisters);
        mPictureDrawn = drawsLevel;
        refreshColorPanels();
        if (!mShownOnce)
            fitOnScreen();
        ShowWindow(this);
    });
}

void LevelWindow::fitOnScreen()
{
    // The frame is known once a window is shown; the main window's, which opens this one, tells it.
    FitWindowOnScreen(this, kWindowSize);
}

void LevelWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous() && !std::exchange(mPictureDrawn, false))
        FormShow();
    // Laid out by then: a zoom kept from the last run may want the window wider.
    if (!mShownOnce)
        QTimer::singleShot(0, this, &LevelWindow::widenForWholeLevel);
    mShownOnce = true;
    placeBanner();
}

void LevelWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (controlsBuilt()) {
        fitStrip();
        placeBanner();
    }
}

void LevelWindow::fitStrip()
{
    const QMargins margins = mContent->layout()->contentsMargins();
    const int oneRow = mStripLeft->minimumSizeHint().width() + mStripLayout->spacing()
        + mStripRight->minimumSizeHint().width() + margins.left() + margins.right();
    // Measured on the window, not the scrolled page: the page narrows by a scroll bar only because the
    // strip's second half made it taller. Where one row is too narrow, the second half (undo, redo,
    // "Play Level", "Zurück zum Font Editor") stands beside the page tabs, so no row is added.
    const bool inOneRow = width() >= oneRow;
    if (inOneRow && PageControl1->cornerWidget() == mStripRight) {
        PageControl1->setCornerWidget(nullptr);
        mStripLayout->addWidget(mStripRight);
        mStripRight->show();
    } else if (!inOneRow && PageControl1->cornerWidget() != mStripRight) {
        PageControl1->setCornerWidget(mStripRight, Qt::TopRightCorner);
        mStripRight->show();
    }
}

void LevelWindow::FormShow()
{
    mPicture.drawAllCells();
    paintboxLevel->update();
}

void LevelWindow::placeBanner()
{
    // The banner sits over the header, its left edge flush with the level view plus the arrows' offset;
    // on a narrow window it is no wider than the level view, and its text ends in "…".
    const QPoint levelTopLeft = ScrollBox1->mapTo(mContent, QPoint(0, 0));
    const int width = std::min(mBannerWidth, ScrollBox1->width());
    if (Panel5->width() != width)
        Panel5->setFixedWidth(width);
    mBannerOffset = std::clamp(mBannerOffset, 0, std::max(0, (ScrollBox1->width() - width) / 32 * 32));
    Panel5->move(levelTopLeft.x() + mBannerOffset, SpeedButton38->mapTo(mContent, QPoint(0, 0)).y());
}

void LevelWindow::SpeedButton38Click()
{
    if (Panel5->x() >= ScrollBox1->mapTo(mContent, QPoint(0, 0)).x() + 32) {
        mBannerOffset -= 32;
        placeBanner();
    }
}

void LevelWindow::SpeedButton37Click()
{
    const int scrollRight = ScrollBox1->mapTo(mContent, QPoint(ScrollBox1->width(), 0)).x();
    if (Panel5->x() + Panel5->width() + 32 <= scrollRight) {
        mBannerOffset += 32;
        placeBanner();
    }
}

void LevelWindow::ButtonFontClick() { hide(); }

void LevelWindow::CheckBoxMonsterClick()
{
    mSession.showMonsters = CheckBoxMonster->isChecked();
    mSession.drawlevel();
}

void LevelWindow::CheckBoxschalterClick()
{
    mSession.showSwitches = CheckBoxschalter->isChecked();
    mSession.drawlevel();
}

// --- refreshing -------------------------------------------------------------------------------------------

void LevelWindow::addLog(const QString& line)
{
    if (Memo)
        AppendLines(Memo, {line});
    else
        mPendingLog.append(line);
}

void LevelWindow::onDocumentChanged(const LevelChange& change)
{
    // Before the controls exist there is nothing to bring in line; building them shows the model.
    if (!controlsBuilt())
        return;
    if (change.has(LevelChange::ColorLines))
        refreshColorPanels();
    if ((change.has(LevelChange::Texts) || change.has(LevelChange::Time)) && pageBuilt(LevelPage::Daten))
        refreshTextsAndTime();
    paintboxLevel->update();
    refreshUndoTip();
}

void LevelWindow::refreshColorPanels()
{
    for (int c = 0; c < LevelDocument::kColorColumns; ++c) {
        for (int line = 1; line <= LevelDocument::kColorLines; ++line) {
            const ColorLineEntry& entry = mDocument.colorEntry(c, line);
            ColorPanel* panel = colorPanels[c][line - 1];
            if (panel->color() != entry.displayColor)
                panel->setColor(entry.displayColor);
            if (panel->textColor() != entry.textColor)
                panel->setTextColor(entry.textColor);
            if (panel->text() != entry.hexText)
                panel->setText(entry.hexText);
        }
    }
}

void LevelWindow::refresh()
{
    if (!controlsBuilt())
        return;
    if (mWorkChanged)
        mWorkChanged();
    if (LabelPattern->text() != mSession.bannerText() && !mSession.bannerText().isEmpty())
        LabelPattern->setText(mSession.bannerText());
    refreshUndoTip();
    paintboxLevel->update();
    if (!pageBuilt(LevelPage::Spielelemente))
        return;
    if (!mSession.chooserText().isEmpty() && LabelAuswahl->text() != mSession.chooserText())
        LabelAuswahl->setText(mSession.chooserText());
    refreshCarried();
    paintboxpattern->update();
}
