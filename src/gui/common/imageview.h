// A widget that shows a picture owned by the model and reports the mouse in picture coordinates.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class ImageView : public QWidget {
    Q_OBJECT
public:
    // The image is not copied: the model owns it and redraws it; the view only blits it.
    explicit ImageView(const QImage* image, QWidget* parent = nullptr);

    void setImage(const QImage* image);
    // Called before each paint with the picture's part about to be shown (in picture pixels), so that
    // a model that draws on demand finishes that part first.
    void setPrepare(std::function<void(const QRect&)> prepare) { mPrepare = std::move(prepare); }
    const QImage* image() const { return mImage; }
    // A reduced picture: each of its pixels shows as a block of this size (sharp), and everything else
    // of the view (its size, the scale, the mouse, the cells, setPrepare) counts in the blocks' pixels.
    void setBlock(QSize block);
    // Stretched views scale the picture to the widget; others show it 1:1 at a fixed size.
    void setStretched(bool stretched);
    // An unstretched view at `scale` times the picture's size, its pixels sharp (each picture pixel a
    // block of screen pixels, none smoothed); the mouse is reported in picture pixels.
    void setScale(double scale);
    double scale() const { return mScale; }
    // The picture point under a position in the view.
    QPoint toImage(const QPointF& position) const;
    // Makes a picture of cells usable by keyboard: it takes the focus, the arrows move a cell cursor
    // (framed while focused; a scroll area around the view follows it), Space or Return act as a
    // click on that cell, F2 as a double click. Clicks come as the same signals as the mouse's, at
    // the cell's centre.
    void setKeyboardCells(QSize pitch, int columns, int rows);
    QPoint keyboardCell() const { return mCell; }
    // Puts the cell cursor on a cell (clamped), as the model's choice moved elsewhere.
    void setKeyboardCell(QPoint cell);
    // Return and Enter act as a double click (where a double click is what a cell is chosen for).
    void setReturnDoubleClicks(bool doubleClicks) { mReturnDoubleClicks = doubleClicks; }
    // Shift with Left, Right, Home or End moves the cell cursor along its row and reports
    // keyboardExtended: the frame then spans the run from the anchor column to the cursor. Shift with
    // Up or Down does nothing.
    void setRowRuns(bool runs) { mRowRuns = runs; }
    // Puts the cell cursor on a cell (clamped) with the run's anchor column, as the model has them.
    void setKeyboardRun(QPoint cell, int anchorColumn);
    int anchorColumn() const { return mAnchorColumn; }
    // The keyboard modifiers of the mouse event being reported.
    Qt::KeyboardModifiers mouseModifiers() const { return mMouseModifiers; }

signals:
    void pressed(Qt::MouseButton button, QPoint position);
    void moved(Qt::MouseButtons held, QPoint position);
    void released(Qt::MouseButton button, QPoint position);
    void doubleClicked(Qt::MouseButton button, QPoint position);
    // The arrows moved the cell cursor; the position is the new cell's centre.
    void keyboardMoved(QPoint position);
    // Shift and an arrow moved the cell cursor within its row (setRowRuns); the anchor stayed.
    void keyboardExtended(QPoint position);
    // The mouse left the view.
    void left();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QRect cellRect(QPoint cell) const;
    // The picture's size as shown at scale 1 (its blocks' pixels).
    QSize shownSize() const;
    // The picture pixels (blocks' pixels) a part of the view shows.
    QRect pictureShown(const QRect& shown) const;
    void scrollToCell();
    const QImage* mImage;
    std::function<void(const QRect&)> mPrepare;
    bool mStretched = false;
    double mScale = 1;
    QSize mBlock{1, 1};
    QSize mPitch;
    QSize mCells;
    QPoint mCell;
    bool mReturnDoubleClicks = false;
    bool mRowRuns = false;
    int mAnchorColumn = 0;
    Qt::KeyboardModifiers mMouseModifiers;
};
