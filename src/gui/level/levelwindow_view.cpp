// The level picture's zoom and grid (Ansicht), and the painting tools' buttons and menu entries.
#include "gui/level/levelwindow.h"

#include "gui/common/controls.h"
#include "gui/common/screenplacement.h"
#include "gui/common/windowmenu.h"
#include "level/levelzoom.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

namespace {

// A tool's key on the level, as menus and tooltips name it.
QList<QKeySequence> ToolKeys(const PaintToolEntry& tool)
{
    if (!tool.key)
        return {};
    return {QKeySequence(tool.key)};
}

} // namespace

QString LevelWindow::clipboardText() { return QGuiApplication::clipboard()->text(); }

// --- zoom and grid ---------------------------------------------------------------------------------------

void LevelWindow::showView()
{
    ScrollBox1->setVerticalScrollBarPolicy(mView.zoom > 100 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    paintboxLevel->setScale(mView.zoom / 100);
    paintboxLevel->setGridShown(mView.grid);
    // The row numbers stand beside the rows at 100 % only; at other sizes they would name the wrong rows.
    for (QWidget* numbers : mRowNumbers)
        numbers->setVisible(mView.zoom == LevelZoom::kDefault);
    if (mGridAction)
        mGridAction->setChecked(mView.grid);
}

void LevelWindow::setZoom(double percent, std::optional<QPoint> at)
{
    percent = LevelZoom::Checked(percent);
    QScrollBar* across = ScrollBox1->horizontalScrollBar();
    QScrollBar* down = ScrollBox1->verticalScrollBar();
    // The picture point under the mouse (or in the middle of the view) stays where it is.
    const QWidget* viewport = ScrollBox1->viewport();
    const QPoint fixed = at.value_or(QPoint(viewport->width() / 2, viewport->height() / 2));
    const QPointF picture = (QPointF(across->value(), down->value()) + fixed) / paintboxLevel->scale();
    mView.zoom = percent;
    mView.save();
    showView();
    widenForWholeLevel();
    const double scale = paintboxLevel->scale();
    across->setValue(qRound(picture.x() * scale - fixed.x()));
    down->setValue(qRound(picture.y() * scale - fixed.y()));
}

void LevelWindow::widenForWholeLevel()
{
    // A window of the default size shows all 128 columns at 25 % only some pixels wider: it grows where
    // the screen has room, as a user would widen it. At sizes the screen cannot hold whole, it stays.
    if (isVisible())
        WidenWindowOnScreen(this, paintboxLevel->width() - ScrollBox1->viewport()->width());
}

void LevelWindow::setGridShown(bool shown)
{
    mView.grid = shown;
    mView.save();
    showView();
}

void LevelWindow::buildViewEntries(QMenu* view)
{
    const auto zoom = [this, view](const QString& text, const char* name, const QList<QKeySequence>& keys,
                                   std::function<double()> percent) {
        QAction* a = AddMenuAction(view, text, name, keys);
        connect(a, &QAction::triggered, this, [this, percent = std::move(percent)] { setZoom(percent()); });
    };
    zoom(QStringLiteral("Ver&größern"), "actionVergroessern", QKeySequence::keyBindings(QKeySequence::ZoomIn),
         [this] { return LevelZoom::In(mView.zoom); });
    zoom(QStringLiteral("Ver&kleinern"), "actionVerkleinern", QKeySequence::keyBindings(QKeySequence::ZoomOut),
         [this] { return LevelZoom::Out(mView.zoom); });
    zoom(QStringLiteral("&Originalgröße (100 %)"), "actionOriginalgroesse", {QKeySequence(Qt::CTRL | Qt::Key_0)},
         [] { return LevelZoom::kDefault; });
    zoom(QStringLiteral("Gan&zer Level"), "actionGanzerLevel", {},
         [this] { return LevelZoom::WholeLevel(ScrollBox1->viewport()->width()); });
    mGridAction = AddMenuAction(view, QStringLiteral("G&itter"), "actionGitter", {QKeySequence(Qt::Key_G)});
    mGridAction->setCheckable(true);
    mGridAction->setChecked(mView.grid);
    // A letter is the level's key: a text field keeps it.
    mGridAction->setShortcutContext(Qt::WidgetShortcut);
    paintboxLevel->addAction(mGridAction);
    connect(mGridAction, &QAction::toggled, this, [this](bool on) {
        if (on != mView.grid)
            setGridShown(on);
    });
    connectAct(paintboxLevel, &LevelPictureView::zoomWheel, [this](int eighths, QPoint at) {
        setZoom(LevelZoom::Wheel(mView.zoom, eighths), paintboxLevel->mapTo(ScrollBox1->viewport(), at));
    });
}

// --- painting tools -------------------------------------------------------------------------------------

void LevelWindow::buildToolEntries(QMenu* edit)
{
    QMenu* menu = AddSubmenu(edit, QStringLiteral("Werk&zeug"), "MenuWerkzeug");
    auto* group = new QActionGroup(menu);
    QString taken; // the entries' underlined letters, each once
    for (const PaintToolEntry& tool : PaintTools()) {
        const QByteArray name = "action" + QByteArray(tool.controlName);
        QString text = tool.name;
        for (int i = 0; i < text.size(); ++i)
            if (text[i].isLetter() && !taken.contains(text[i].toLower())) {
                taken += text[i].toLower();
                text.insert(i, QLatin1Char('&'));
                break;
            }
        QAction* a = AddMenuAction(menu, text, name.constData(), ToolKeys(tool));
        a->setCheckable(true);
        a->setShortcutContext(Qt::WidgetShortcut);
        paintboxLevel->addAction(a);
        group->addAction(a);
        mToolActions.push_back(a);
        const PaintToolId id = tool.id;
        connectAct(a, &QAction::triggered, [this, id] { choosePaintTool(id); });
    }
    refreshTools();
}

QWidget* LevelWindow::buildToolButtons(QWidget* parent)
{
    auto* box = Named(new QWidget(parent), "PanelWerkzeug");
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    auto* group = new QButtonGroup(box);
    for (const PaintToolEntry& tool : PaintTools()) {
        const QByteArray name = "Button" + QByteArray(tool.controlName);
        QPushButton* button = NamedButton(tool.name, name.constData(), box);
        button->setCheckable(true);
        button->setAccessibleName(QStringLiteral("Werkzeug ") + tool.name);
        SetTip(button, tool.tip, ToolKeys(tool));
        group->addButton(button);
        row->addWidget(button);
        mToolButtons.push_back(button);
        const PaintToolId id = tool.id;
        connectAct(button, &QPushButton::clicked, [this, id] { choosePaintTool(id); });
    }
    refreshTools();
    return box;
}

void LevelWindow::choosePaintTool(PaintToolId id)
{
    mTools.choosePaintTool(id);
    // The tools paint on the page "Spielelemente setzen".
    PageControl1->setCurrentIndex(static_cast<int>(LevelPage::Spielelemente));
    refreshTools();
    refreshToolCursor();
}

void LevelWindow::refreshTools()
{
    const auto& tools = PaintTools();
    for (size_t i = 0; i < tools.size(); ++i) {
        const bool active = tools[i].id == mTools.paintTool();
        if (i < mToolButtons.size() && mToolButtons[i]->isChecked() != active)
            mToolButtons[i]->setChecked(active);
        if (i < mToolActions.size() && mToolActions[i]->isChecked() != active)
            mToolActions[i]->setChecked(active);
    }
}
