// A widget that shows a picture owned by the model and reports the mouse in picture coordinates.
#pragma once

#include <QImage>
#include <QWidget>

class ImageView : public QWidget {
    Q_OBJECT
public:
    // The image is not copied: the model owns it and redraws it; the view only blits it.
    explicit ImageView(const QImage* image, QWidget* parent = nullptr);

    void setImage(const QImage* image);
    const QImage* image() const { return mImage; }
    // Stretched views scale the picture to the widget; others show it 1:1 at a fixed size.
    void setStretched(bool stretched);
    // Makes a picture of cells usable by keyboard: it takes the focus, the arrows move a cell cursor
    // (framed while focused), Space or Return act as a click on that cell, F2 as a double click.
    // Clicks come as the same signals as the mouse's, at the cell's centre.
    void setKeyboardCells(QSize pitch, int columns, int rows);
    QPoint keyboardCell() const { return mCell; }

signals:
    void pressed(Qt::MouseButton button, QPoint position);
    void moved(Qt::MouseButtons held, QPoint position);
    void released(Qt::MouseButton button, QPoint position);
    void doubleClicked(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect cellRect(QPoint cell) const;
    QPoint toImage(const QPointF& position) const;
    const QImage* mImage;
    bool mStretched = false;
    QSize mPitch;
    QSize mCells;
    QPoint mCell;
};
