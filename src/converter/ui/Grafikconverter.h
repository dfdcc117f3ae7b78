// The graphics converter window: picture left, register table right, buttons and log below.
#pragma once

#include "common/guard.h"
#include "converter/graphicsconverter.h"
#include "palette/paletterequest.h"

#include <QModelIndex>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>

class ColorPanel;
class ImageView;
class LogView;
class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QSplitter;
class QTableView;
class RegisterTableModel;
class UserDialogs;

class TFormgrafikconverter : public QWidget {
    Q_OBJECT
public:
    // The windows and services the converter reaches; handed over once they all exist.
    struct Links {
        // Opens the palette window on a request (non-modal).
        std::function<void(const PaletteRequest&)> requestColor;
    };

    explicit TFormgrafikconverter(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~TFormgrafikconverter() override;
    void setLinks(const Links& links) { mLinks = links; }

    GraphicsConverter& converter() { return mConverter; }

    QPushButton* ButtonLoadPicture;
    QSpinBox* SpinEdit1;
    QPushButton* Buttonzoom;
    QPushButton* Button5;
    QPushButton* ButtonRAMsave;
    ColorPanel* Panel7;
    QCheckBox* CheckBox1;
    QPushButton* Button3;
    QPushButton* ButtonAssembler;
    QPushButton* Button1;
    QPushButton* Button2;
    LogView* Memo1;
    QScrollArea* ScrollBox1;
    ImageView* Image1;
    QWidget* Panel5;
    QLabel* Panel6;
    QTableView* grid;
    QSplitter* Splitter1;

    // --- handlers ----------------------------------------------------------------------------
    void ButtonLoadPictureClick();
    void ButtonzoomClick();
    void Button5Click();
    void ButtonRAMsaveClick();
    void Button3Click();
    void ButtonAssemblerClick();
    void Button1Click();
    void Button2Click();
    void gridSelectCell(const QModelIndex& current);
    void gridMouseDown(Qt::MouseButton button, QPoint position);
    void gridMouseUp(Qt::MouseButton button, QPoint position);
    void gridDblClick();
    void gridColumnMoved(int from, int to);
    void Image1MouseMove(Qt::MouseButtons held, QPoint pixel);
    void Image1MouseUp(Qt::MouseButton button, QPoint pixel);
    // The palette's answer to a double-click on a cell.
    void PaletteAnswered(const PaletteAnswer& answer);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a handler through the error guard; every control's handler goes through here, and the
    // model's announcements redraw what it changed.
    template <class F>
    void act(F&& handler)
    {
        Guarded(mDialogs, std::forward<F>(handler));
    }
    void buildControls();
    QWidget* buildPicturePanel();
    QWidget* buildTablePanel();
    QWidget* buildButtonBar();
    void connectControls();
    void linkScrolling();
    int scrollBoxHeight() const;
    void fitPictureWidth();
    bool hasPicture() const;

    UserDialogs& mDialogs;
    Links mLinks;
    GraphicsConverter mConverter;
    RegisterTableModel* mTableModel = nullptr;
    QWidget* mGridViewport = nullptr;
    struct DragSource {
        int column = 0;
        int row = 0;
        QString text;
    };
    std::optional<DragSource> mDragSource;
};
