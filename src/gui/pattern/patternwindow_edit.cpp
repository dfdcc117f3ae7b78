// The pattern editor window's editing handlers: painting, the edit buttons, typing bytes, the mode.
#include "gui/pattern/patternwindow.h"

#include "gui/common/clipboard.h"
#include "gui/common/colorpanel.h"
#include "gui/common/controls.h"
#include "gui/common/errorsafterevent.h"
#include "gui/common/imageview.h"
#include "gui/common/tabletab.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

// Reports every keystroke in a byte cell, not only the finished value.
class KeystrokeDelegate : public TabLeavingDelegate {
public:
    KeystrokeDelegate(PatternWindow* form, QObject* parent) : TabLeavingDelegate(parent), mForm(form) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setObjectName(QStringLiteral("dataEditor"));
        editor->setAlignment(Qt::AlignCenter);
        editor->setFrame(false);
        Q_UNUSED(option);
        const int half = index.column();
        const int row = index.row();
        QObject::connect(editor, &QLineEdit::textEdited, mForm,
                         [form = mForm, half, row](const QString& text) { form->dataEdited(half, row, text); });
        return editor;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        // An error box about the typed text takes the focus for a moment; the cell stays in editing,
        // so the user goes on typing where he was once the box is dismissed.
        if (event->type() == QEvent::FocusOut && QApplication::activeModalWidget())
            return false;
        return TabLeavingDelegate::eventFilter(object, event);
    }

private:
    PatternWindow* mForm;
};

} // namespace

void PatternWindow::connectEditHandlers()
{
    connectAct(PaintBox, &ImageView::pressed, [this](Qt::MouseButton, QPoint p) { PaintBoxMouseDown(p); });
    connectAct(PaintBox, &ImageView::moved, &PatternWindow::PaintBoxMouseMove);
    connectAct(PaintBox, &ImageView::released, [this](Qt::MouseButton, QPoint p) { PaintBoxMouseUp(p); });
    connectAct(PaintBox, &ImageView::doubleClicked, &PatternWindow::PaintBoxDblClick);
    connect(PaintBox, &ImageView::left, this, [this] { showPixel(QPoint(-1, -1)); });

    const std::pair<QPushButton*, void (PatternWindow::*)()> buttons[] = {
        {ButtonVerwerfen, &PatternWindow::ButtonVerwerfenClick}, {ButtonFill, &PatternWindow::ButtonFillClick},
        {Buttonhoch, &PatternWindow::ButtonhochClick},           {ButtonRunter, &PatternWindow::ButtonRunterClick},
        {Buttonlinks, &PatternWindow::ButtonlinksClick},         {Buttonrechts, &PatternWindow::ButtonrechtsClick},
        {Button18, &PatternWindow::Button18Click},               {Button19, &PatternWindow::Button19Click},
        {SpeedButton2, &PatternWindow::SpeedButton2Click},
        {ButtonLeeren, &PatternWindow::ButtonLeerenClick},       {ButtonInvertieren, &PatternWindow::ButtonInvertierenClick},
    };
    for (const auto& [b, handler] : buttons)
        connectAct(b, &QPushButton::clicked, handler);

    data->setItemDelegate(new KeystrokeDelegate(this, data));
    connectAct(Combomode, &QComboBox::currentTextChanged, [this](const QString& text) {
        if (!mRefreshing)
            CombomodeChange(text);
    });
    connectAct(farbe, &QLineEdit::textEdited, [this](const QString& text) { mEditor.setPaintText(text); });
    connectHistoryKeys();
}

void PatternWindow::connectHistoryKeys()
{
    // Window-wide keys; a text field with the focus keeps its own undo of what is typed into it.
    auto* undo = Named(new QAction(this), "actionUndo");
    undo->setShortcuts(QKeySequence::Undo);
    undo->setShortcutContext(Qt::WindowShortcut);
    auto* redo = Named(new QAction(this), "actionRedo");
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redoKeys.contains(key))
            redoKeys << key;
    redo->setShortcuts(redoKeys);
    redo->setShortcutContext(Qt::WindowShortcut);
    addActions({undo, redo});
    connectAct(undo, &QAction::triggered, [this] { mEditor.undo(); });
    connectAct(redo, &QAction::triggered, [this] { mEditor.redo(); });
}

void PatternWindow::refreshHistory()
{
    QStringList lines;
    if (mEditor.history().canUndo())
        lines << QStringLiteral("Rückgängig (Strg+Z): ") + mEditor.history().undoText();
    if (mEditor.history().canRedo())
        lines << QStringLiteral("Wiederherstellen (Strg+Umschalt+Z, Strg+Y): ") + mEditor.history().redoText();
    if (lines.isEmpty())
        lines << QStringLiteral("Rückgängig: Strg+Z, Wiederherstellen: Strg+Umschalt+Z oder Strg+Y");
    PaintBox->setToolTip(lines.join(QLatin1Char('\n')));
}

void PatternWindow::PaintBoxMouseDown(QPoint position)
{
    // The pointer reached the press position before the press; take it as a move first.
    mEditor.surfaceMouseMove(position.x(), position.y(), false);
    // Ctrl + click fills the area of the clicked pixel's code.
    if (PaintBox->mouseModifiers() & Qt::ControlModifier)
        mEditor.surfaceFillPress();
    else
        mEditor.surfaceMousePress();
    showPixel(position);
}

void PatternWindow::PaintBoxMouseMove(Qt::MouseButtons held, QPoint position)
{
    mEditor.surfaceMouseMove(position.x(), position.y(), held.testFlag(Qt::LeftButton));
    showPixel(position);
}

void PatternWindow::PaintBoxMouseUp(QPoint position)
{
    mEditor.surfaceMouseRelease(position.x(), position.y());
    showPixel(position);
}

void PatternWindow::showPixel(QPoint position)
{
    LabelPixel->setText(mEditor.pixelText(position.x(), position.y()));
}

void PatternWindow::PaintBoxDblClick()
{
    mEditor.surfaceDoubleClick();
}

void PatternWindow::ButtonVerwerfenClick()
{
    mEditor.setLadenEnabled(true);
}

void PatternWindow::ButtonFillClick() { mEditor.fill(); }
void PatternWindow::ButtonhochClick() { mEditor.rotateUp(); }
void PatternWindow::ButtonRunterClick() { mEditor.rotateDown(); }
void PatternWindow::ButtonlinksClick() { mEditor.rotateLeft(); }
void PatternWindow::ButtonrechtsClick() { mEditor.rotateRight(); }
void PatternWindow::Button18Click() { mEditor.mirrorLeftRight(); }
void PatternWindow::Button19Click() { mEditor.mirrorTopBottom(); }
void PatternWindow::SpeedButton2Click() { mEditor.swapPatterns(); }
void PatternWindow::ButtonLeerenClick() { mEditor.clearPattern(); }
void PatternWindow::ButtonInvertierenClick() { mEditor.invertPattern(); }

void PatternWindow::copyPatternsClick()
{
    const QImage picture = mEditor.runPicture();
    PutTextAndPicture(mEditor.copyPatterns(), picture);
}

void PatternWindow::cutPatternsClick()
{
    // The picture shows the patterns before they are cleared.
    const QImage picture = mEditor.runPicture();
    PutTextAndPicture(mEditor.cutPatterns(), picture);
}

void PatternWindow::pastePatternsClick()
{
    mEditor.pastePatterns(QGuiApplication::clipboard()->text());
}

void PatternWindow::dataEdited(int half, int y, const QString& text)
{
    // This runs inside the cell editor's key handling: the error box waits until that is over,
    // because its event loop may delete the editor under the keystroke.
    ErrorsAfterEvent later(mDialogs, this);
    act(later, [&] { mEditor.typeData(half, y, text); });
}

void PatternWindow::CombomodeChange(const QString& text)
{
    showModeControls();
    mEditor.changeMode(text);
}

void PatternWindow::showModeControls()
{
    // Only "Char" shows F4; any other text shows the player's row colours.
    const bool charMode = Combomode->currentText() == QLatin1String("Char");
    Farbe4->setVisible(charMode);
    DrawGrid1->setVisible(!charMode);
    ButtonFarbeInit->setVisible(!charMode);
}
