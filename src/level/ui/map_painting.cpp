// The level editor's mouse: painting and picking on the level, choosing in the chooser; undo and redo.
#include "level/ui/map.h"

#include "common/ui/controls.h"
#include "level/ui/levelpictureview.h"

#include <QAction>
#include <QKeySequence>
#include <QPushButton>
#include <QTabWidget>

bool TFormmap::paintingPage() const
{
    return static_cast<LevelPage>(PageControl1->currentIndex()) == LevelPage::Spielelemente;
}

void TFormmap::connectPictures()
{
    connectAct(paintboxLevel, &LevelPictureView::pressedWith,
               [this](Qt::MouseButtons held, Qt::KeyboardModifiers modifiers, QPoint at) {
                   if (cursorPress(held, modifiers, at))
                       return;
                   if (!paintingPage())
                       placementMouseDown(at);
                   else
                       mSession.levelMouseDown(at, SessionButtons(held), modifiers & Qt::ShiftModifier);
               });
    connectAct(paintboxLevel, &ImageView::moved, [this](Qt::MouseButtons held, QPoint at) {
        // A Ctrl drag selects: it only tells the position and paints nothing.
        mSession.levelMouseMove(at, mSelecting ? 0 : SessionButtons(held), paintingPage());
        cursorDrag(at);
    });
    connectAct(paintboxLevel, &ImageView::released, [this] {
        if (!cursorRelease())
            mSession.levelMouseUp();
    });
}

void TFormmap::connectChooser()
{
    connectAct(paintboxpattern, &LevelPictureView::pressedWith,
               [this](Qt::MouseButtons held, Qt::KeyboardModifiers, QPoint at) {
                   mSession.chooserMouseDown(at, SessionButtons(held));
               });
    connectAct(paintboxpattern, &ImageView::moved, [this](Qt::MouseButtons, QPoint at) { mSession.chooserMouseMove(at); });
    connectAct(paintboxpattern, &ImageView::released, [this](Qt::MouseButton, QPoint) { paintboxpatternMouseUp(); });
}

void TFormmap::Button32Click()
{
    if (mDialogs.confirm(mSession.initialiseQuestion()) != UserDialogs::Answer::Yes)
        return;
    mSession.initialiseLevel();
}

// --- undo and redo -------------------------------------------------------------------------------------------

void TFormmap::buildUndoKeys()
{
    auto* undoAction = new QAction(this);
    undoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    auto* redoAction = new QAction(this);
    redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {undoAction, redoAction})
        action->setShortcutContext(Qt::WindowShortcut);
    addAction(undoAction);
    addAction(redoAction);
    connectAct(undoAction, &QAction::triggered, &TFormmap::undo);
    connectAct(redoAction, &QAction::triggered, &TFormmap::redo);
    connectAct(ButtonUndo, &QPushButton::clicked, &TFormmap::undo);
    connectAct(ButtonRedo, &QPushButton::clicked, &TFormmap::redo);
    // The stack's index moves after a step is done, so the tips follow the stack itself.
    connect(&mDocument.undoStack(), &QUndoStack::indexChanged, this, [this] { refreshUndoTip(); });
}

void TFormmap::undo() { mDocument.undoStack().undo(); }

void TFormmap::redo() { mDocument.undoStack().redo(); }

void TFormmap::refreshUndoTip()
{
    QUndoStack& stack = mDocument.undoStack();
    ButtonUndo->setEnabled(stack.canUndo());
    ButtonRedo->setEnabled(stack.canRedo());
    ButtonUndo->setToolTip(QStringLiteral("Rückgängig (Strg+Z): ") + stack.undoText());
    ButtonRedo->setToolTip(QStringLiteral("Wiederholen (Strg+Y): ") + stack.redoText());
}
