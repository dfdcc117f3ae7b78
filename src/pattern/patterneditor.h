// The pattern editor's whole state and its named operations, independent of any widget.
#pragma once

#include "pattern/colorregisterset.h"
#include "pattern/editbuffer.h"
#include "pattern/patternstore.h"
#include "pattern/rowcolortable.h"

#include <QImage>
#include <functional>

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

private:
    void drawSurfaceCell(int x, int y, PackedColor color);
    void drawPreviewPixel(int x, int y, PackedColor color);

    int mSet = 1;
    int mPattern = 1;
    int mSwapPattern = 1;
    int mSwapSet = 1;
    QImage mOverview;
    QImage mSurface;
    QImage mPreview;
};
