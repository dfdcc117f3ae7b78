// The graphics converter window: picture left, register table right, buttons and log below.
#pragma once

#include "gui/common/actingwindow.h"
#include "gui/common/deferredwindow.h"
#include "converter/graphicsconverter.h"
#include "palette/paletterequest.h"

#include <QModelIndex>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class AnalysisRun;
class ColorPanel;
class ImageView;
class LogView;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QSplitter;
class QTimer;
class QTableView;
class RegisterTableModel;
class UserDialogs;

class ConverterWindow : public DeferredWindow, public ActingWindow<ConverterWindow> {
    Q_OBJECT
public:
    // The windows and services the converter reaches; handed over once they all exist.
    struct Links {
        // Opens the palette window on a request (non-modal).
        std::function<void(const PaletteRequest&)> requestColor;
    };

    explicit ConverterWindow(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~ConverterWindow() override;
    void setLinks(const Links& links) { mLinks = links; }

    GraphicsConverter& converter() { return mConverter; }
    // The model announces every change and the views redraw what it names: nothing else to bring in
    // line after a handler.
    void refresh() {}

protected:
    void buildControls() override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Handlers, attached where their signals are connected.
    // --- handlers ----------------------------------------------------------------------------
    void ButtonLoadPictureClick();
    void ButtonzoomClick();
    void Button5Click();
    void ButtonRAMsaveClick();
    void Button3Click();
    void ButtonAssemblerClick();
    void Button1Click();
    void Button2Click();
    void ButtonAbbrechenClick();
    void gridSelectCell(const QModelIndex& current);
    void gridMouseDown(Qt::MouseButton button, QPoint position);
    void gridMouseUp(Qt::MouseButton button, QPoint position);
    void gridDblClick();
    void gridColumnMoved(int from, int to);
    void Image1MouseMove(Qt::MouseButtons held, QPoint pixel);
    void Image1MouseUp(Qt::MouseButton button, QPoint pixel);
    // The palette's answer to a double-click on a cell.
    void PaletteAnswered(const PaletteAnswer& answer);

    // Controls, found by tests through their objectName.
    QPushButton* ButtonLoadPicture = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QPushButton* Buttonzoom = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* ButtonRAMsave = nullptr;
    ColorPanel* Panel7 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* ButtonAssembler = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QProgressBar* ProgressAnalysis = nullptr;
    QPushButton* ButtonAbbrechen = nullptr;
    LogView* Memo1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    ImageView* Image1 = nullptr;
    QWidget* Panel5 = nullptr;
    QLabel* Panel6 = nullptr;
    QTableView* grid = nullptr;
    QSplitter* Splitter1 = nullptr;

    QWidget* buildPicturePanel();
    QWidget* buildTablePanel();
    QWidget* buildButtonBar();
    void connectControls();
    void linkScrolling();
    int scrollBoxHeight() const;
    void fitPictureWidth();
    bool hasPicture() const;
    // An analysis of a picture of kBackgroundPixels and more runs on a thread of its own with a progress
    // bar and "Abbrechen"; a smaller one runs at once. Any change of the picture or the table while it
    // runs stops it, as its result would no longer fit.
    void analyse(GraphicsConverter::Analysis analysis);
    void analysisFinished();
    void showAnalysisProgress();
    // Stops a running analysis and waits for its thread; the converter keeps what it holds.
    void stopAnalysis();

    UserDialogs& mDialogs;
    Links mLinks;
    GraphicsConverter mConverter;
    RegisterTableModel* mTableModel = nullptr;
    QWidget* mGridViewport = nullptr;
    struct DragSource {
        int column = 0;
        int row = 0;
    };
    std::optional<DragSource> mDragSource;
    std::unique_ptr<AnalysisRun> mAnalysisRun;
    QTimer* mProgressTimer = nullptr;
};
