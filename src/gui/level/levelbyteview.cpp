// The level byte view window.
#include "gui/level/levelbyteview.h"

#include "gui/common/laidouttext.h"

#include "gui/common/controls.h"
#include "gui/common/windowmenu.h"
#include "gui/common/wrappinglabel.h"
#include "gui/level/levelbytemodels.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kCellWidth = 30;
constexpr int kCellHeight = 20;
constexpr int kHeaderHeight = 22;
// The pixel table's headers ("127d") need a little more than a cell of the code table.
constexpr int kPixelCellWidth = 34;

QLabel* CaptionBar(const QString& text, const char* name, QWidget* parent)
{
    auto* bar = Named(new WrappingLabel(text, parent), name);
    bar->setFrameShape(QFrame::Panel);
    bar->setFrameShadow(QFrame::Raised);
    bar->setMargin(4);
    return bar;
}

// Draws a cell's text centred, as the standard delegate does, from a laid-out text kept per value: the
// tables show a few hundred different texts in thousands of cells, and laying each out anew on every
// paint made opening and repainting the window cost several frames.
class ByteCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        if (selected)
            painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        const QStaticText& text = LaidOutText(index.data().toString(), option.font);
        const QSizeF size = text.size();
        const QPointF at(option.rect.x() + (option.rect.width() - size.width()) / 2,
                         option.rect.y() + (option.rect.height() - size.height()) / 2);
        // A text wider than its cell (a code that is no number) stays inside the cell. Only then is the
        // painter's whole state kept aside: a table paints hundreds of cells at a time.
        const bool clipped = size.width() > option.rect.width();
        if (clipped) {
            painter->save();
            painter->setClipRect(option.rect);
        }
        const QFont font = painter->font();
        const QPen pen = painter->pen();
        if (!(font == option.font))
            painter->setFont(option.font);
        painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawStaticText(at, text);
        if (clipped) {
            painter->restore();
        } else {
            painter->setPen(pen);
            if (!(font == option.font))
                painter->setFont(font);
        }
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
            const QWidget* widget = option.widget;
            (widget ? widget->style() : QApplication::style())->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
        }
    }

};

} // namespace

LevelByteView::LevelByteView(UserDialogs& dialogs, QWidget* parent) : DeferredWindow(parent), ActingWindow(dialogs)
{
    setObjectName(QStringLiteral("FormMapData"));
    setWindowTitle(QStringLiteral("Level Byte Data "));
    resize(969, 762);
}

void LevelByteView::buildControls()
{
    Panel1 = CaptionBar(QStringLiteral("Die Daten des Levels: 256 Spalten, 10 Zeilen:"), "Panel1", this);
    GridLeveldata = makeTable("GridLeveldata", this);
    GridLeveldata->setAccessibleName(QStringLiteral("Die Daten des Levels"));
    Panel2 = CaptionBar(QStringLiteral("Die Daten der Farb-Pixel: Pro Byte 4 Spalten. Die Werte sind von 0 bis 3 - kodieren "
                                       "also 4 Farben.  Die obenen 8 Zeilen liegen in Font-Set 1, die unteren 8 Zeilen "
                                       "liegen in Font-Set 2."),
                        "Panel2", this);
    GridBit = makeTable("GridBit", this);
    GridBit->setAccessibleName(QStringLiteral("Die Daten der Farb-Pixel"));
    GridBit->horizontalHeader()->setDefaultSectionSize(kPixelCellWidth);
    Button1 = NamedButton(QStringLiteral("Tabellen aktualisieren"), "Button1", this);

    // The ten level rows are shown whole; the pixel table takes the rest.
    GridLeveldata->setFixedHeight(GridLeveldata->horizontalHeader()->height() + 10 * kCellHeight
                                  + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * GridLeveldata->frameWidth());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addWidget(GridLeveldata);
    layout->addWidget(Panel2);
    layout->addWidget(GridBit, 1);
    layout->addWidget(Button1, 0, Qt::AlignLeft);

    connectAct(Button1, &QPushButton::clicked, &LevelByteView::Button1Click);
    attachModels();
    SetTips(this, {{"Button1", "Die Tabellen mit den Bytes des Levels neu füllen"}});
}

QTableView* LevelByteView::makeTable(const char* name, QWidget* parent)
{
    auto* table = Named(new QTableView(parent), name);
    table->setItemDelegate(new ByteCellDelegate(table));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab moves on to the next control. Read-only, so no editor to leave: the cell delegate stays.
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Fixed sizes: the view never measures its 5000 and 8000 cells.
    for (QHeaderView* header : {table->horizontalHeader(), table->verticalHeader()})
        header->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    table->horizontalHeader()->setMinimumSectionSize(kCellWidth);
    table->verticalHeader()->setMinimumSectionSize(kCellHeight);
    table->verticalHeader()->setDefaultSectionSize(kCellHeight);
    table->horizontalHeader()->setFixedHeight(kHeaderHeight);
    return table;
}

void LevelByteView::setSources(const LevelDocument& document, const LevelPixelTable& pixels)
{
    mDocument = &document;
    mPixelTable = &pixels;
    // Measuring the tables' headers is the costly part: it waits until the tables are built.
    if (controlsBuilt())
        attachModels();
}

void LevelByteView::attachModels()
{
    if (!mDocument || !mPixelTable)
        return;
    delete mCodes;
    delete mPixels;
    mCodes = new LevelCodeTableModel(*mDocument, this);
    mPixels = new LevelPixelTableModel(*mPixelTable, this);
    GridLeveldata->setModel(mCodes);
    GridBit->setModel(mPixels);
}

void LevelByteView::Button1Click()
{
    if (mCodes)
        mCodes->refresh();
    if (mPixels)
        mPixels->refresh();
}

void LevelByteView::showEvent(QShowEvent* event)
{
    // Centred on the screen when first shown; later it keeps the place the user gave it.
    if (!mPlaced) {
        mPlaced = true;
        CenterOnScreen(this);
    }
    QWidget::showEvent(event);
}
