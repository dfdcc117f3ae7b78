// The level editor's mouse: painting and picking on the level, choosing in the chooser; undo and redo.
#include "gui/level/levelwindow.h"

#include "gui/common/controls.h"
#include "gui/level/levelpictureview.h"

#include <QAction>
#include <QKeySequence>
#include <QPushButton>
#include <QTabWidget>
#include <QUndoStack>

LevelPage LevelWindow::currentPage() const { return static_cast<LevelPage>(PageControl1->currentIndex()); }

bool LevelWindow::paintingPage() const { return currentPage() == LevelPage::Spielelemente; }

void LevelWindow::connectPictures()
{
    // The level's mouse goes to the tools; the cursor and the selection they move are drawn by the view.
    connectAct(paintboxLevel, &LevelPictureView::pressedWith,
               [this](Qt::MouseButtons held, Qt::KeyboardModifiers modifiers, QPoint at) {
                   mTools.press({at, SessionButtons(held), bool(modifiers & Qt::ShiftModifier)},
                                modifiers & Qt::ControlModifier);
                   paintboxLevel->update();
               });
    connectAct(paintboxLevel, &ImageView::moved, [this](Qt::MouseButtons held, QPoint at) {
        const bool selecting = mTools.dragging();
        mTools.move({at, SessionButtons(held), false});
        if (selecting)
            paintboxLevel->update();
    });
    connectAct(paintboxLevel, &ImageView::released, [this] {
        mTools.release();
        paintboxLevel->update();
    });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { refreshToolCursor(); });
    refreshToolCursor();
    // A drag of the rectangle is framed until its release.
    paintboxLevel->setOutline([this]() -> std::optional<QRect> {
        if (!mTools.dragging())
            return std::nullopt;
        return mTools.active().outline();
    });
    showView();
}

void LevelWindow::refreshToolCursor() { paintboxLevel->setCursor(mTools.active().cursorShape()); }

void LevelWindow::connectChooser()
{
    connectAct(paintboxpattern, &LevelPictureView::pressedWith,
               [this](Qt::MouseButtons held, Qt::KeyboardModifiers, QPoint at) {
                   mSession.chooserMouseDown(at, SessionButtons(held));
               });
    connectAct(paintboxpattern, &ImageView::moved, [this](Qt::MouseButtons, QPoint at) { mSession.chooserMouseMove(at); });
    connectAct(paintboxpattern, &ImageView::released, [this](Qt::MouseButton, QPoint) { paintboxpatternMouseUp(); });
}

void LevelWindow::Button32Click()
{
    if (mDialogs.confirm(mSession.initialiseQuestion()) != UserDialogs::Answer::Yes)
        return;
    mSession.initialiseLevel();
}

// --- undo and redo -------------------------------------------------------------------------------------------

void LevelWindow::buildUndoKeys()
{
    auto* undoAction = Named(new QAction(this), "actionUndo");
    undoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    auto* redoAction = Named(new QAction(this), "actionRedo");
    redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {undoAction, redoAction})
        action->setShortcutContext(Qt::WindowShortcut);
    addAction(undoAction);
    addAction(redoAction);
    connectAct(undoAction, &QAction::triggered, &LevelWindow::undo);
    connectAct(redoAction, &QAction::triggered, &LevelWindow::redo);
    connectAct(ButtonUndo, &QPushButton::clicked, &LevelWindow::undo);
    connectAct(ButtonRedo, &QPushButton::clicked, &LevelWindow::redo);
    // The stack's index moves after a step is done, so the tips follow the stack itself.
    connect(&mDocument.undoStack(), &QUndoStack::indexChanged, this, [this] { refreshUndoTip(); });
}

void LevelWindow::undo() { mDocument.undoStack().undo(); }

void LevelWindow::redo() { mDocument.undoStack().redo(); }

void LevelWindow::refreshUndoTip()
{
    QUndoStack& stack = mDocument.undoStack();
    ButtonUndo->setEnabled(stack.canUndo());
    ButtonRedo->setEnabled(stack.canRedo());
    ButtonUndo->setToolTip(QStringLiteral("Rückgängig (Strg+Z): ") + stack.undoText());
    ButtonRedo->setToolTip(QStringLiteral("Wiederherstellen (Strg+Y): ") + stack.redoText());
}
