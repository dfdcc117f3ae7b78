// A coloured panel with a caption that reports clicks and double clicks (colour registers, previews).
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

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void restyle();
    PackedColor mColor = 0;
    PackedColor mTextColor = kWhite;
    bool mInDoubleClick = false;
};
