// The level editor's mouse: painting and picking on the level, choosing in the chooser; undo and redo.
#include "level/ui/map.h"

#include "common/ui/controls.h"
#include "level/ui/levelpictureview.h"

#include <QAction>
#include <QKeySequence>
#include <QPushButton>
#include <QTabWidget>

namespace {

constexpr int kElementsPage = 1;

} // namespace

bool TFormmap::paintingPage() const { return PageControl1->currentIndex() == kElementsPage; }

void TFormmap::connectPictures()
{
    connect(paintboxLevel, &LevelPictureView::pressedWith, this,
            [this](Qt::MouseButtons held, Qt::KeyboardModifiers modifiers, QPoint at) {
                if (cursorPress(held, modifiers, at))
                    return;
                if (!paintingPage()) {
                    act([&] { placementMouseDown(at); });
                    return;
                }
                act([&] { mSession.levelMouseDown(at, SessionButtons(held), modifiers & Qt::ShiftModifier); });
            });
    connect(paintboxLevel, &ImageView::moved, this, [this](Qt::MouseButtons held, QPoint at) {
        act([&] { mSession.levelMouseMove(at, mSelecting ? 0 : SessionButtons(held), paintingPage()); });
        cursorDrag(at);
    });
    connect(paintboxLevel, &ImageView::released, this, [this](Qt::MouseButton, QPoint) {
        if (!cursorRelease())
            act([this] { mSession.levelMouseUp(); });
    });
    connect(paintboxpattern, &LevelPictureView::pressedWith, this,
            [this](Qt::MouseButtons held, Qt::KeyboardModifiers, QPoint at) {
                act([&] { mSession.chooserMouseDown(at, SessionButtons(held)); });
            });
    connect(paintboxpattern, &ImageView::moved, this,
            [this](Qt::MouseButtons, QPoint at) { act([&] { mSession.chooserMouseMove(at); }); });
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
    connect(undoAction, &QAction::triggered, this, [this] { act([this] { undo(); }); });
    connect(redoAction, &QAction::triggered, this, [this] { act([this] { redo(); }); });
    connect(ButtonUndo, &QPushButton::clicked, this, [this] { act([this] { undo(); }); });
    connect(ButtonRedo, &QPushButton::clicked, this, [this] { act([this] { redo(); }); });
    // The stack's index moves after a step is done, so the tips follow the stack itself.
    connect(&mDocument.undoStack(), &QUndoStack::indexChanged, this, [this] { refreshUndoTip(); });
}

void TFormmap::undo()
{
    mDocument.endStroke();
    mDocument.undoStack().undo();
}

void TFormmap::redo()
{
    mDocument.endStroke();
    mDocument.undoStack().redo();
}

void TFormmap::refreshUndoTip()
{
    QUndoStack& stack = mDocument.undoStack();
    ButtonUndo->setEnabled(stack.canUndo());
    ButtonRedo->setEnabled(stack.canRedo());
    ButtonUndo->setToolTip(QStringLiteral("Rückgängig (Strg+Z): ") + stack.undoText());
    ButtonRedo->setToolTip(QStringLiteral("Wiederholen (Strg+Y): ") + stack.redoText());
}
