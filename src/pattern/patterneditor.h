// The pattern editor's whole state and its named operations, independent of any widget.
#pragma once

#include "pattern/colorregisterset.h"
#include "pattern/editbuffer.h"
#include "pattern/patternstore.h"
#include "pattern/rowcolortable.h"

#include <QImage>
#include <array>
#include <functional>
#include <optional>

// The paint selection: the PixelCode text painting writes, and the swatch it paints with.
struct PaintValue {
    QString text = QStringLiteral("0");
    PackedColor color = kBlack;
    PackedColor textColor = kWhite;
};

class PatternEditor {
public:
    static constexpr int kOverviewWidth = 2048;
    static constexpr int kOverviewHeight = 256;
    static constexpr int kSurfaceSize = 254;
    static constexpr int kPreviewSize = 160;
    static constexpr PackedColor kFrameColor = 0xFF00FF; // fuchsia, seen in the gaps between cells

    PatternEditor();

    // --- state -------------------------------------------------------------------------------
    PatternStore store;
    ColorRegisterSet registers;
    RowColorTable rowColors;
    EditBuffer buffer;
    PaintValue paint;
    QString mode = QStringLiteral("Char");      // "Char" or "Player"; only "Player" colours by rows
    QString phases = QStringLiteral("1;2;1;3"); // the animation phase list as typed
    QString fontLabel = QStringLiteral(" Kein Font geladen");
    bool ladenEnabled = true;                   // the guard against losing painted changes

    int currentSet() const { return mSet; }
    int currentPattern() const { return mPattern; }
    int swapPattern() const { return mSwapPattern; }
    int swapSet() const { return mSwapSet; }
    void setCurrentSet(int set);
    void setCurrentPattern(int pattern);
    void setSwapPattern(int pattern);
    void setSwapSet(int set);

    bool isPlayerMode() const { return mode == QLatin1String("Player"); }

    const QImage& overview() const { return mOverview; }
    const QImage& surface() const { return mSurface; }
    const QImage& preview() const { return mPreview; }

    // Lines for the "Info / Errors" list.
    std::function<void(const QString&)> info;

    // --- store <-> edit buffer --------------------------------------------------------------
    // Copies pattern (set, pattern) into the byte grid, then ReCalcdata and DrawDefine.
    void Laden();
    // Copies the byte grid into the current pattern, redraws it in the overview, releases the guard.
    void Speichern();

    // --- drawing ----------------------------------------------------------------------------
    // Draws pattern x + 1 of set y + 1 (x 0-63, y 0-7) into the overview with the register colours.
    void UpdatePattern(int x, int y);
    void UpdateAllPatterns();
    // Redraws the editing surface and the preview from the pixel grid.
    void DrawDefine();
    // Screen colour of a pixel code text in pattern row `row` by the colour rule.
    PackedColor pixelColor(const QString& code, int row) const;

    // The start-up sequence of the window's creation, up to (not including) the start-up file.
    void create();

    // Sets every RowColorTable row to F1-F3's colours (ColorCodes untouched).
    void resetRowColorsToRegisters();

    // --- painting with the mouse (X, Y relative to the editing surface) -----------------------
    int cursorX() const { return mCursorX; }
    int cursorY() const { return mCursorY; }
    void surfaceMouseMove(int x, int y, bool leftHeld);
    void surfaceMousePress();
    void surfaceMouseRelease(int x, int y);
    void surfaceDoubleClick();

    // --- edit operations ------------------------------------------------------------------------
    void Fill();          // "Füllen"
    void RotateUp();      // "Hoch"
    void RotateDown();    // "Runter"
    void RotateLeft();    // "Links"
    void RotateRight();   // "Rechts"
    void MirrorLeftRight(); // "Spgl LR"
    void MirrorTopBottom(); // "Spgl HR"
    void Swap();          // "<->": exchanges the current and the partner pattern number in all sets
    // A keystroke in the byte grid: the cell's new text.
    void TypeData(int half, int y, const QString& text);
    // The Char/Player switch: stores, changes the mode, reloads.
    void ChangeMode(const QString& text);

    // --- colours ----------------------------------------------------------------------------------
    // Click on register panel k (0-4): selects its paint value.
    void SelectRegister(int k);
    // What a palette request starts with.
    struct ColorRequest {
        QString code;
        PackedColor color = 0;
        PackedColor textColor = 0;
    };
    // Double click on register k: stores the edit buffer and names the register in the paint value.
    // Nothing (no request) for F3 in the player mode, where F3 is derived.
    std::optional<ColorRequest> RequestRegister(int k);
    // The palette's answer for the register named by the paint value text.
    void AcceptRegister(PackedColor color, const QString& code);
    // F3 from F1 and F2 (player mode); adds an empty info line.
    void calc3();
    // Double click on row colour table cell (column, row): false when nothing is requested.
    bool RequestRowColor(int column);
    // The palette's answer for table entry (column, row); derives column 2 of that row.
    void AcceptRowColor(int column, int row, PackedColor color, const QString& code);
    // "Farben Init".
    void FarbenInit();

    // The row colour table's display: 3 x 16 cells of 20 x 15 with 1-pixel lines.
    static constexpr int kRowGridWidth = 3 * 21 - 1;
    static constexpr int kRowGridHeight = 16 * 16 - 1;
    const QImage& rowGrid() const { return mRowGrid; }
    void DrawRowColorGrid();
    // A mouse release over the display selects column X div 20 and row Y div 16 (kept inside the table).
    void SelectRowColorCell(int x, int y);
    int rowSelectionColumn() const { return mRowColumn; }
    int rowSelectionRow() const { return mRowRow; }

    // --- animation --------------------------------------------------------------------------------
    static constexpr int kMaxPhases = 64;
    bool animationRunning() const { return mAnimating; }
    int animationInterval() const { return mInterval; }
    // A change of the speed field (1-100): value x 20 ms.
    void SetSpeed(int value);
    // "Start Anim"/"Stop Anim": parses the phase list (info lines), then toggles.
    void ToggleAnimation();
    // One timer tick.
    void AnimationStep();
    int phaseCount() const { return mPhaseCount; }
    int phaseEntry(int i) const { return mPhaseTable[i]; }

private:
    void loadDataFrom(int set, int pattern);
    void paintCurrentCell(bool withPreview);
    void rotateRows(int shift);
    void addInfo(const QString& line);
    template <class Transform>
    void transformRows(Transform transform);

    void drawSurfaceCell(int x, int y, PackedColor color);
    void drawPreviewPixel(int x, int y, PackedColor color);

    int mSet = 1;
    int mPattern = 1;
    int mSwapPattern = 1;
    int mSwapSet = 1;
    int mCursorX = 0;
    int mCursorY = 0;
    bool mAnimating = false;
    int mInterval = 300;
    int mPhaseCount = 0;
    int mPhasePosition = -1;
    std::array<int, kMaxPhases> mPhaseTable{};
    QImage mOverview;
    QImage mSurface;
    QImage mPreview;
    QImage mRowGrid;
    int mRowColumn = 0;
    int mRowRow = 0;
};
