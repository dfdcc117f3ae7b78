// The pattern editor's four pictures: the overview of all pattern sets, the editing surface, the
// preview of the pattern repeated 5 x 5, and the row colour table's display. They draw what they
// are given and know nothing of steps or of the edit buffer.
#pragma once

#include "pattern/colorregisterset.h"
#include "pattern/patternstore.h"
#include "pattern/rowcolortable.h"

#include <QImage>
#include <array>
#include <bitset>
#include <vector>

class PatternPicture {
public:
    // The overview as shown: a pattern pixel is a block of 4 x 2, a pattern 32 x 32.
    static constexpr int kOverviewWidth = 2048;
    static constexpr int kOverviewHeight = 256;
    static constexpr int kOverviewBlockWidth = 4;
    static constexpr int kOverviewBlockHeight = 2;
    static constexpr int kSurfaceSize = 254;
    static constexpr int kPreviewSize = 160;
    static constexpr PackedColor kFrameColor = 0xFF00FF; // fuchsia, seen in the gaps between cells
    // The row colour table's display: 3 x 16 cells of 20 x 15 with 1-pixel lines.
    static constexpr int kRowGridWidth = 3 * 21 - 1;
    static constexpr int kRowGridHeight = 16 * 16 - 1;

    PatternPicture();

    // The whole overview as shown (kOverviewWidth x kOverviewHeight), every pattern drawn.
    const QImage& overview() const;
    // The overview kept at one pixel per pattern pixel (512 x 128), for a view that shows each as a
    // block, with at least the patterns that touch `part` (in shown pixels) drawn. A pattern's pixels are
    // written when a reader first needs them: a start that loads a pattern file writes only what the
    // window shows.
    const QImage& overviewPart(const QRect& part) const;
    const QImage& surface() const { return mSurface; }
    const QImage& preview() const { return mPreview; }
    const QImage& rowGrid() const { return mRowGrid; }

    // The whole overview takes one colour (every pattern of a cleared store has pixel value 0).
    void fillOverview(PackedColor color);
    // Pattern x + 1 of set y + 1 (x 0-63, y 0-7) in the overview with the register colours, as store
    // and registers are now; the pixels are written when a reader needs them.
    void drawPattern(int x, int y, const PatternStore& store, const ColorRegisterSet& registers);
    // A pixel cell (x 0-7, y 0-15) on the editing surface, and the same pixel in the preview.
    void drawSurfaceCell(int x, int y, PackedColor color);
    void drawPreviewPixel(int x, int y, PackedColor color);
    // The row colour table with the frame of the selected cell.
    void drawRowColorGrid(const RowColorTable& rowColors, int column, int row);

private:
    static constexpr int kOverviewPatterns = PatternStore::kSets * PatternStore::kPatterns;
    // What a pattern's pixels are drawn from: its 32 bytes (part, half, row) and the four colours.
    struct PendingPattern {
        std::array<quint8, 32> bytes;
        std::array<QRgb, 4> colors;
    };
    void drawPending(int index) const;
    mutable QImage mOverview;
    std::vector<PendingPattern> mPending; // one for each pattern
    mutable std::bitset<kOverviewPatterns> mWaiting;
    // The overview as shown, made from mOverview when asked for; empty once mOverview changed.
    mutable QImage mOverviewShown;
    QImage mSurface;
    QImage mPreview;
    QImage mRowGrid;
};
