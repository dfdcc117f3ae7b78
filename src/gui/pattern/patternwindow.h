// The pattern editor window, the program's main window.
#pragma once

#include "gui/common/actingwindow.h"
#include "common/recentfiles.h"
#include "common/unsavedwork.h"
#include "common/userdialogs.h"
#include "palette/paletterequest.h"
#include "pattern/patterneditor.h"

#include <QWidget>
#include <functional>

class ColorPanel;
class DesktopOpener;
class ImageView;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTableWidget;
class QTimer;
class CodeWindow;

class PatternWindow : public QWidget, public ActingWindow<PatternWindow> {
    Q_OBJECT
public:
    // What the main window reaches beyond itself: the shared code window and the other windows,
    // which the window set opens on the main window's buttons.
    struct Links {
        CodeWindow* code = nullptr;
        // The "Level Editor" button: prepares the level editor and shows it.
        std::function<void()> openLevelEditor;
        std::function<void()> showGrafikconverter;
        std::function<void()> showSoundconverter;
        std::function<void()> showSplitter;
        // Opens the palette window on a request (non-modal).
        std::function<void(const PaletteRequest&)> requestColor;
    };

    // Creating the window runs its creation sequence, which loads the start-up pattern file.
    PatternWindow(UserDialogs& dialogs, const QString& programFolder, QWidget* parent = nullptr);
    void setLinks(const Links& links) { mLinks = links; }
    // Called after every refresh that may have changed what is unsaved (the recovery copy follows it).
    void setWorkChanged(std::function<void()> changed) { mWorkChanged = std::move(changed); }
    // The pattern editor's kinds of unsaved work, each saved by pressing this window's own button.
    std::vector<UnsavedWork> unsavedWork();

    PatternEditor& editor() { return mEditor; }
    // Brings every control in line with the model.
    void refreshAll();
    // Brings the controls showing what the model announced as changed in line with it; runs after
    // every handler.
    void refresh();
    // Brings the controls showing these parts in line with the model.
    void refresh(EditorParts parts);
    // "Font Datei laden" with the file already chosen (a file named on the command line or dropped).
    void openFontFile(const QString& fileName);
    // Text typed into a cell of the data table (its editor calls this on every keystroke).
    void dataEdited(int half, int y, const QString& text);

private:
    // --- handlers, run through act() ---------------------------------------------------------
    void FormCreate();
    void FormShow();
    void ButtonLadenClick();
    void ButtonSpeichernClick();
    void ButtonMapClick();
    void ButtonGrafikconverterClick();
    void ButtonsoundconverterClick();
    void Button22Click();
    void paintboxallMouseMove(QPoint position);
    void paintboxallClick(QPoint position);
    void paintboxallDblClick(QPoint position);
    void paintboxallContextClick(QPoint position);
    void Timer2Timer();

    // editing (patternwindow_edit.cpp)
    void PaintBoxMouseDown(QPoint position);
    void PaintBoxMouseMove(Qt::MouseButtons held, QPoint position);
    void PaintBoxMouseUp(QPoint position);
    void PaintBoxDblClick();
    void ButtonVerwerfenClick();
    void ButtonFillClick();
    void ButtonhochClick();
    void ButtonRunterClick();
    void ButtonlinksClick();
    void ButtonrechtsClick();
    void Button18Click();
    void Button19Click();
    void SpeedButton2Click();
    void ButtonLeerenClick();
    void ButtonInvertierenClick();
    // The framed run of the overview on the clipboard (Ctrl+C, Ctrl+X, Ctrl+V there).
    void copyPatternsClick();
    void cutPatternsClick();
    void pastePatternsClick();
    void showPixel(QPoint position);
    void CombomodeChange(const QString& text);

    // colours and animation (patternwindow_colors.cpp)
    void FarbeClick(int k);
    void FarbeDblClick(int k);
    // The palette's answers: the request a double click sends carries them back when "Übernehmen" is pressed.
    void ButtonwahlClick(PackedColor color, const QString& code);
    void Buttonwahl3Click(int column, int row, PackedColor color, const QString& code);
    void DrawGrid1MouseUp(QPoint position);
    void DrawGrid1DblClick();
    void ButtonFarbeInitClick();
    void SpinEdit1Change(int value);
    void ButtonanimClick();
    void Timer1Timer();

    // files and export (patternwindow_files.cpp)
    void ButtonLoadFileClick();
    void ButtonTeilladenClick();
    void ButtonSaveFileClick();
    void Button1Click();
    void Button20Click();
    // "FNT importieren…" / "FNT exportieren…": the bank ComboFntBank names as a raw font file.
    void ButtonFntImportClick();
    void ButtonFntExportClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Controls, found by tests through their objectName.
    QComboBox* Combomode;
    QLabel* Label3;
    ImageView* DrawGrid1;
    QLabel* Labelcolorx;
    QLabel* Labelcolory;
    QPushButton* ButtonFarbeInit;
    QLabel* Label1;
    ColorPanel* Farbe0;
    ColorPanel* Farbe1;
    ColorPanel* Farbe2;
    ColorPanel* Farbe3;
    ColorPanel* Farbe4;
    QLabel* Label4;
    QLineEdit* farbe;
    QFrame* Panel1;
    ImageView* PaintBox;
    ImageView* Image1;
    QPushButton* ButtonFill;
    QLabel* Labelfontset;
    QSpinBox* SpinFontsetnumber;
    QLabel* Label2;
    QSpinBox* SpinTilenumber;
    QPushButton* SpeedButton2;
    QSpinBox* copySpinTilenumber;
    QPushButton* SpeedButton1;
    QSpinBox* copySpinFontsetnumber;
    QPushButton* ButtonLaden;
    QPushButton* ButtonSpeichern;
    QPushButton* ButtonVerwerfen;
    QPushButton* Buttonlinks;
    QPushButton* Buttonhoch;
    QPushButton* Buttonrechts;
    QPushButton* Button18;
    QPushButton* ButtonRunter;
    QPushButton* Button19;
    QPushButton* ButtonLeeren;
    QPushButton* ButtonInvertieren;
    QLabel* LabelPixel;
    QLabel* Label5;
    QTableWidget* grid;
    QLabel* Label6;
    QTableWidget* data;
    QLabel* Label8;
    QLineEdit* Editphasen;
    QLabel* Label7;
    QSpinBox* SpinEdit1;
    QPushButton* Buttonanim;
    QLabel* LabelPattern;
    QScrollArea* ScrollBox1;
    ImageView* paintboxall;
    QPushButton* rowButtons[16]; // Button2 ... Button17
    QGroupBox* Panel5;
    QPlainTextEdit* Memo;
    QGroupBox* Panel4;
    QLabel* Label12;
    QPushButton* ButtonLoadFile;
    QPushButton* ButtonTeilladen;
    QPushButton* ButtonSaveFile;
    QGroupBox* Panel3;
    QLabel* Label9;
    QSpinBox* Spinvon;
    QLabel* Label10;
    QSpinBox* Spinbis;
    QPushButton* Button1;
    QGroupBox* Panel2;
    QLabel* Label11;
    QSpinBox* SpinEdit2;
    QLineEdit* EditPlayer;
    QPushButton* Button20;
    QPushButton* ButtonMap;
    QPushButton* Buttonsoundconverter;
    QPushButton* ButtonGrafikconverter;
    QPushButton* Button22;
    QTimer* Timer1;
    QTimer* Timer2;

    // Layout: one build function per panel; each creates its controls and returns its layout.
    void buildControls();
    QLayout* buildHeader();
    QLayout* buildRowColorColumn();
    QWidget* buildSurface();
    QLayout* buildPreviewColumn();
    QLayout* buildSelectionColumn();
    QLayout* buildByteGrids();
    QLayout* buildOverview();
    QLayout* buildBottomPanels();
    QWidget* buildFontExportPanel();
    QWidget* buildPlayerExportPanel();
    QWidget* buildFntPanel();
    QLayout* buildToolButtons();
    void nameFieldsByLabels();
    void connectHandlers();
    void connectEditHandlers();
    void connectColorHandlers();
    void connectFileHandlers();
    void connectHistoryKeys();
    // The menu bar (patternwindow_menu.cpp), over the window's layout.
    void buildMenus();
    void tipControls();
    void showModeControls();
    void setAnimationControlsEnabled(bool enabled);
    void resetToFirstPattern();
    FileDialogRequest fontDialog() const;
    // The bank of the current pattern set that ComboFntBank names (upper 2s - 1, lower 2s), and its
    // entries kept naming the current set's banks.
    int fntBank() const;
    void refreshFntBanks();
    void loadChosenFontFile(const QString& fileName);
    void addInfo(const QString& line);
    void refreshRegisters();
    void refreshPaint();
    void refreshRowColors();
    void refreshGrids();
    void refreshHistory();
    QPoint overviewPattern(QPoint position) const;

    UserDialogs& mDialogs;
    QString mProgramFolder;
    PatternEditor mEditor;
    Links mLinks;
    std::function<void()> mWorkChanged;
    RecentFiles mRecent{QStringLiteral("zuletzt/pattern")};
    QString mOpenDialogName; // the open dialog remembers its last file name between uses
    bool mShown = false;
    bool mRefreshing = false;

    QWidget* PanelFnt = nullptr;
    QComboBox* ComboFntBank = nullptr;
    QPushButton* ButtonFntImport = nullptr;
    QPushButton* ButtonFntExport = nullptr;
};
