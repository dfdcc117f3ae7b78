// A coloured panel with a caption that reports clicks and double clicks (colour registers, previews).
// Panels that report clicks can be used by keyboard: Space or Return click, F2 double-clicks.
#pragma once

#include "common/packedcolor.h"

#include <QLabel>

class ColorPanel : public QLabel {
    Q_OBJECT
public:
    explicit ColorPanel(QWidget* parent = nullptr);

    void setColor(PackedColor color);
    PackedColor color() const { return mColor; }
    void setTextColor(PackedColor color);
    PackedColor textColor() const { return mTextColor; }
    // The caption is the QLabel text.
    // Panels that report clicks are made clickable for the keyboard; previews take no focus.
    void setClickable(bool clickable);
    // A panel of fixed size (the level editor's 50 colour lines) is never measured: its size is its
    // hint, so a new caption costs no text layout.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void restyle();
    PackedColor mColor = 0;
    PackedColor mTextColor = kWhite;
    bool mInDoubleClick = false;
};
