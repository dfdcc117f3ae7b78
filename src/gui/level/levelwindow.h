// The level editor window: the level picture with its colour lines, the chooser and the four pages.
#pragma once

#include "common/recentfiles.h"
#include "common/unsavedwork.h"

#include "gui/common/actingwindow.h"
#include "gui/common/deferredwindow.h"
#include "level/levelcolorlines.h"
#include "level/leveldocument.h"
#include "level/leveleditsession.h"
#include "level/levelpicture.h"
#include "level/levelplacement.h"
#include "level/leveltools.h"
#include "level/levelzoom.h"
#include "gui/level/levelpictureview.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

class ColorPanel;
class DesktopOpener;
class ColorRegisterSet;
class ImageView;
class KeyAwareButton;
class LevelGameFiles;
class LevelPictureView;
class LevelTableModel;
class PatternStore;
class QBoxLayout;
class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QTableView;
class QToolButton;
class QVBoxLayout;
class UserDialogs;
struct PaletteAnswer;
struct PaletteRequest;

class LevelWindow : public DeferredWindow, public ActingWindow<LevelWindow> {
    Q_OBJECT
public:
    // What the level editor works with beyond its own level, handed over by the window set.
    struct Collaborators {
        // The game executable, the level disk and test-play; outlives the window.
        LevelGameFiles& gameFiles;
        // Opens the game files for a test; outlives the window.
        DesktopOpener& desktop;
        // Asks the palette window for a colour.
        std::function<void(const PaletteRequest&)> requestColor;
        // Shows the level byte view.
        std::function<void()> showByteView;
    };

    // The pattern editor's store and registers: the level is drawn from pattern set 1 and the
    // registers, read on every opening and draw.
    LevelWindow(UserDialogs& dialogs, const PatternStore& patterns, const ColorRegisterSet& registers,
             Collaborators collaborators, QWidget* parent = nullptr);
    ~LevelWindow() override;

    LevelDocument& document() { return mDocument; }
    LevelPicture& picture() { return mPicture; }
    LevelEditSession& session() { return mSession; }
    // The level disk's full file name, the first line of the message log.
    const QString& atrPath() const;
    // The game executable, the level disk and test-play.
    LevelGameFiles& gameFiles() { return mGameFiles; }
    // Appends a line to the message log; lines logged before the controls exist wait for them.
    void addLog(const QString& line);
    // Brings every control in line with the model (nothing to do before the controls are built).
    void refresh();

    // The pattern editor's "Level Editor" button: prepares the level editor and shows it. An entry of
    // pattern set 1 that is not a number shows the conversion error and the window stays as it was.
    void LevelEditorOpen();
    // "Level Datei laden" with the file already chosen (a file named on the command line or dropped).
    void openLevelFile(const QString& fileName);
    // Puts back the level of a recovery copy as unsaved work. Throws FileContentError for a damaged
    // part, which changes nothing.
    void restoreLevel(const QByteArray& bytes, const QString& source);
    // The label naming the level's file.
    QString levelLabel() const;
    // Called after every refresh (the recovery copy follows what is unsaved).
    void setWorkChanged(std::function<void()> changed) { mWorkChanged = std::move(changed); }
    // The level's unsaved work, saved by pressing this window's own button.
    std::vector<UnsavedWork> unsavedWork();
    // Datei → "Beenden": ends the program as the main window's close does.
    void setQuitProgram(std::function<void()> quit) { mQuit = std::move(quit); }

private:
    // --- handlers, run through act() -------------------------------------------------------------------
    void FormShow();
    void ButtonSaveFileClick();
    void ButtonLoadFileClick();
    void Button32Click();
    void ButtonFontClick();
    void SpeedButton38Click();
    void SpeedButton37Click();
    void CheckBoxMonsterClick();
    void CheckBoxschalterClick();
    void undo();
    void redo();
    // The game formats and the level disk (levelwindow_game.cpp).
    void ButtonBinarySave15Click();
    void Button31Click();
    void SpeedButton13Click();
    void SpeedButton14Click();
    // "Emulator…": the emulator command dialog, beside "Test ATR".
    void ButtonEmulatorClick();
    void AtrLoad();
    void ButtonAtrSaveClick();
    void ButtonPlayMatrixClick();

    // monster and switch pages (levelwindow_monsters.cpp); a position button pressed other than by mouse
    // places at the level cursor's cell at once, and "Was" hands the keyboard to the chooser.
    void SetMonster(int n, bool byMouse);
    void SetSchalter(int n, bool byMouse);
    void SetZiel(int n, bool byMouse);
    void BitBtn1Click();
    void buttoninitschaltergridClick();
    // "Aktualisiere" of either page (Button33, Button34).
    void Button33Click();
    void paintboxpatternMouseUp();

    // colour lines, level code and byte view (levelwindow_colors.cpp)
    // Double click on swatch (column 0-4 = A-E, line 1-10).
    void PanelDblClick(int column, int line);
    // The palette's Buttonwahl2 answer for a colour line.
    void Buttonwahl2Click(const PaletteAnswer& answer);
    void ButtonStandardfarbeClick();
    void Button1Click();
    void Button30Click();

protected:
    void buildControls() override;
    void buildRemainingControls() override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Controls, found by tests through their objectName.
    QPushButton* ButtonUndo = nullptr;
    QPushButton* ButtonRedo = nullptr;
    QLabel* LabelPattern = nullptr;
    QLabel* Label18 = nullptr;
    QWidget* Panel5 = nullptr;
    QPushButton* SpeedButton38 = nullptr;
    QPushButton* SpeedButton37 = nullptr;
    std::array<std::array<ColorPanel*, 10>, 5> colorPanels{}; // [column A-E][line 1-10 - 1]
    QScrollArea* ScrollBox1 = nullptr;
    LevelPictureView* paintboxLevel = nullptr;
    QPushButton* ButtonStandardfarbe = nullptr;
    QCheckBox* CheckBoxMonster = nullptr;
    QCheckBox* CheckBoxschalter = nullptr;
    QPushButton* ButtonPlayMatrix = nullptr;
    QPushButton* ButtonFont = nullptr;
    QTabWidget* PageControl1 = nullptr;
    // page 0
    QLabel* Label13 = nullptr;
    QPushButton* ButtonSaveFile = nullptr;
    QPushButton* ButtonLoadFile = nullptr;
    QLineEdit* editautor = nullptr;
    QLineEdit* edittitel = nullptr;
    QLineEdit* Edittipp1 = nullptr;
    QLineEdit* Edittipp2 = nullptr;
    std::array<QSpinBox*, 4> timeSpins{}; // SpinTime1, Spintime2, Spintime3, Spintime4
    QLabel* LabelATRname = nullptr;
    QSpinBox* SpinATRlevel = nullptr;
    // page 1
    QLabel* LabelAuswahl = nullptr;
    QScrollArea* ScrollBox2 = nullptr;
    LevelPictureView* paintboxpattern = nullptr;
    std::array<ImageView*, 3> carriedImages{}; // Imageauswahl, Imagemitte, ImageLoeschen
    std::array<QLabel*, 3> carriedLabels{};    // labelnummer, Labelnummermitte, Labelnummerloeschen
    QPushButton* Button32 = nullptr;
    QPlainTextEdit* Memo = nullptr;
    // pages 2 and 3
    QTableView* MonsterGrid = nullptr;
    QTableView* Schaltergrid = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* Button33 = nullptr;
    std::array<KeyAwareButton*, 10> monsterButtons{}; // SpeedButton1 ... SpeedButton5, SpeedButton7 ... SpeedButton11
    QPushButton* buttoninitschaltergrid = nullptr;
    QPushButton* Button34 = nullptr;
    std::array<KeyAwareButton*, 8> woButtons{};  // "Wo" of switches 1-8
    std::array<KeyAwareButton*, 8> wasButtons{}; // "Was" of switches 1-8
    // page 0, panel "Level Data Generator Export"
    QPushButton* Button1 = nullptr;
    QPushButton* Button30 = nullptr;

    QWidget* buildHeader();
    void buildBanner();
    QWidget* buildLevelArea();
    QWidget* buildColorPanels();
    QWidget* buildRowButtons(const char* prefix);
    QWidget* buildBelowLevel();
    QWidget* buildDataPage();
    QWidget* buildFilePanels();
    QWidget* buildGamePanels();
    QWidget* buildTextsAndTime();
    QWidget* buildElementsPage();
    QWidget* buildChooser();
    QWidget* buildCarriedPanels();
    QWidget* buildTablePage(LevelTable table);
    QWidget* buildMonsterButtons();
    QWidget* buildSwitchButtons();
    // Builds the page's controls into its tab unless they are built: a page is built when first shown.
    void ensurePage(LevelPage page);
    bool pageBuilt(LevelPage page) const { return mPageBuilt[static_cast<size_t>(page)]; }
    void connectTablePage(LevelTable table);
    void connectColorLines();
    void buildUndoKeys();
    // The menu bar (levelwindow_menu.cpp), over the window's layout; its entries press the buttons.
    void buildMenus(QLayout* layout);
    void pressButton(LevelPage page, const char* name);
    void tipControls();
    void connectPictures();
    void connectChooser();
    // The cell cursor (levelwindow_keyboard.cpp): keys of the level picture move it and select from it;
    // the clipboard acts at it; the other keys go to the active tool.
    void connectKeyboard();
    void levelKey(LevelKey key, bool shift);
    void clipboardKey(LevelKey key);
    void followCursor();
    // Scrolls the level to the cursor's cell, where it is out of view.
    void showCursorCell();
    // F6 and Umschalt+F6: the keyboard goes on to the level, the pattern chooser or the page below.
    void cycleFocus(int step);
    // The level's mouse pointer shows the active tool.
    void refreshToolCursor();
    // Zoom, grid and tools (levelwindow_view.cpp): Ansicht's zoom entries and "Gitter", Ctrl + wheel;
    // the painting tools' buttons and Bearbeiten → Werkzeug.
    void buildViewEntries(QMenu* view);
    void buildToolEntries(QMenu* edit);
    QWidget* buildToolButtons(QWidget* parent);
    // The zoom in per cent, kept across runs; the picture point under `at` (a point of the scroll
    // area's viewport; its middle when none) stays in place.
    void setZoom(double percent, std::optional<QPoint> at = std::nullopt);
    // The window grows to show the level's whole width at the zoom where the screen has room for it.
    void widenForWholeLevel();
    void setGridShown(bool shown);
    // The level view as the settings have it.
    void showView();
    void choosePaintTool(PaintToolId id);
    void refreshTools();
    static QString clipboardText();
    void connectDataPage();
    void connectGamePanels();
    void onDocumentChanged(const LevelChange& change);
    void refreshColorPanels();
    void refreshCarried();
    void refreshTextsAndTime();
    void refreshUndoTip();
    LevelPage currentPage() const;
    bool paintingPage() const;
    void placeBanner();
    // The strip below the level in one row, or, where the window is too narrow for one, its second
    // half beside the page tabs.
    void fitStrip();
    // The first opening: the window as large as the screen lets it be, whole on the screen.
    void fitOnScreen();
    FileDialogRequest levelDialog() const;
    void loadChosenLevelFile(const QString& fileName);

    UserDialogs& mDialogs;
    const PatternStore& mPatterns;
    const ColorRegisterSet& mRegisters;
    LevelDocument mDocument;
    std::function<void()> mWorkChanged;
    LevelPicture mPicture;
    LevelEditSession mSession;
    LevelPlacement mPlacement{mDocument, mSession.drawing()};
    LevelColorLines mColorLines{mDocument, mSession.drawing()};
    // The level picture's mouse and keys go to the active tool.
    LevelToolBox mTools{{mSession, mPlacement, [this] { return currentPage(); }, &LevelWindow::clipboardText}};
    LevelViewSettings mView = LevelViewSettings::load();
    QAction* mGridAction = nullptr;
    std::vector<QAction*> mToolActions;
    std::vector<QPushButton*> mToolButtons; // on the page "Spielelemente setzen", built with it
    std::array<QWidget*, 2> mRowNumbers{}; // the row buttons left and right of the level
    LevelTableModel* mMonsterModel = nullptr;
    LevelTableModel* mSwitchModel = nullptr;
    LevelGameFiles& mGameFiles;
    DesktopOpener& mDesktop;
    std::function<void(const PaletteRequest&)> mRequestColor;
    std::function<void()> mShowByteView;
    std::function<void()> mQuit;
    RecentFiles mRecent{QStringLiteral("zuletzt/level")};
    QStringList mPendingLog; // logged before the controls were built
    bool mShownOnce = false;
    bool mPictureDrawn = false; // the level picture is drawn as the next show would draw it
    std::array<bool, 4> mPageBuilt{}; // by LevelPage
    QWidget* mContent = nullptr; // everything, in the window's scroll area
    QBoxLayout* mStripLayout = nullptr;
    QWidget* mStripLeft = nullptr;
    QWidget* mStripRight = nullptr;
    int mBannerWidth = 0;
    int mBannerOffset = 0; // the banner's distance from the level view's left edge
    QString mLastUndoTip;
    QMetaObject::Connection mFocusWatch; // the application's focus changes, while the window lives
};
