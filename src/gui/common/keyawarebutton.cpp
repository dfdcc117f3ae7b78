// Clicks told apart by where they came from.
#include "gui/common/keyawarebutton.h"

#include <QKeyEvent>
#include <utility>

KeyAwareButton::KeyAwareButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    connect(this, &QPushButton::clicked, this, [this] { emit activated(std::exchange(mByMouse, false)); });
}

void KeyAwareButton::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && mods == Qt::NoModifier && isEnabled()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void KeyAwareButton::mouseReleaseEvent(QMouseEvent* event)
{
    // The click, when the release makes one, comes from inside the base's handler.
    mByMouse = true;
    QPushButton::mouseReleaseEvent(event);
    mByMouse = false;
}
