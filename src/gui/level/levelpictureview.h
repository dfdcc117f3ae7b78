// A picture view that also reports the held buttons and Shift on a press, as painting and picking need,
// and, for the level, the keys of the cell cursor.
#pragma once

#include "gui/common/imageview.h"
#include "level/levelkey.h"

#include <functional>
#include <optional>

class LevelCursor;

class LevelPictureView : public ImageView {
    Q_OBJECT
public:
    using ImageView::ImageView;

    using Key = LevelKey;

    // Makes the view take the keyboard focus and report the level's keys; it frames the cursor's
    // cell while it has the focus and the selection always. The cursor is the model's.
    void showLevelCursor(const LevelCursor* cursor);
    // Frames the cursor's cell also without the focus, while a control that acts on it has the focus.
    void setCursorShown(bool shown);
    // Thin lines between the level's cells, in two tones that show on every pattern.
    void setGridShown(bool shown);
    bool gridShown() const { return mGridShown; }
    // The cells a drag under way will change, framed while it gives some.
    void setOutline(std::function<std::optional<QRect>()> outline) { mOutline = std::move(outline); }
    // A cell's rectangle in the view, at the view's scale.
    QRect cellsRect(const QRect& cells) const;

signals:
    // Every held button (the pressed one included) and the keyboard modifiers.
    void pressedWith(Qt::MouseButtons held, Qt::KeyboardModifiers modifiers, QPoint position);
    // A key of the level; `shift` extends the selection.
    void levelKey(LevelKey key, bool shift);
    // Ctrl and the wheel over the level: `eighths` of a degree (120 a notch), at a view position.
    void zoomWheel(int eighths, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void paintGrid(QPainter& painter, const QRect& exposed) const;
    // The chooser's keys (views without a level cursor that have keyboard cells).
    void chooserKey(QKeyEvent* event);
    const LevelCursor* mLevelCursor = nullptr;
    bool mCursorShown = false;
    bool mGridShown = false;
    std::function<std::optional<QRect>()> mOutline;
};

// The session's button bits of held mouse buttons.
unsigned SessionButtons(Qt::MouseButtons held);
