// A picture view that also reports the held buttons and Shift on a press, as painting and picking need.
#pragma once

#include "common/ui/imageview.h"

class LevelPictureView : public ImageView {
    Q_OBJECT
public:
    using ImageView::ImageView;

signals:
    // Every held button (the pressed one included) and the keyboard modifiers.
    void pressedWith(Qt::MouseButtons held, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The session's button bits of held mouse buttons.
unsigned SessionButtons(Qt::MouseButtons held);
