// A push button that tells whether the mouse pressed it, and that Return and Enter press when it has
// the focus, as Space does.
#pragma once

#include <QPushButton>

class KeyAwareButton : public QPushButton {
    Q_OBJECT
public:
    KeyAwareButton(const QString& caption, QWidget* parent);

signals:
    // After every click: `byMouse` when a mouse button released over it made the click; a key, a
    // screen reader's press or a click from code make it with `byMouse` false.
    void activated(bool byMouse);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool mByMouse = false;
};
