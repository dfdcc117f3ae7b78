// The pattern editor's four pictures: the overview of all pattern sets, the editing surface, the
// preview of the pattern repeated 5 x 5, and the row colour table's display. They draw what they
// are given and know nothing of steps or of the edit buffer.
#pragma once

#include "pattern/colorregisterset.h"
#include "pattern/patternstore.h"
#include "pattern/rowcolortable.h"

#include <QImage>
#include <optional>

class PatternPicture {
public:
    static constexpr int kOverviewWidth = 2048;
    static constexpr int kOverviewHeight = 256;
    static constexpr int kSurfaceSize = 254;
    static constexpr int kPreviewSize = 160;
    static constexpr PackedColor kFrameColor = 0xFF00FF; // fuchsia, seen in the gaps between cells
    // The row colour table's display: 3 x 16 cells of 20 x 15 with 1-pixel lines.
    static constexpr int kRowGridWidth = 3 * 21 - 1;
    static constexpr int kRowGridHeight = 16 * 16 - 1;

    PatternPicture();

    // Made and filled when first asked for or drawn on: a start that clears the store and then loads
    // a pattern file fills it once.
    const QImage& overview() const { return overviewImage(); }
    const QImage& surface() const { return mSurface; }
    const QImage& preview() const { return mPreview; }
    const QImage& rowGrid() const { return mRowGrid; }

    // The whole overview takes one colour (every pattern of a cleared store has pixel value 0).
    void fillOverview(PackedColor color) { mOverviewFill = color; }
    // Draws pattern x + 1 of set y + 1 (x 0-63, y 0-7) into the overview with the register colours.
    void drawPattern(int x, int y, const PatternStore& store, const ColorRegisterSet& registers);
    // A pixel cell (x 0-7, y 0-15) on the editing surface, and the same pixel in the preview.
    void drawSurfaceCell(int x, int y, PackedColor color);
    void drawPreviewPixel(int x, int y, PackedColor color);
    // The row colour table with the frame of the selected cell.
    void drawRowColorGrid(const RowColorTable& rowColors, int column, int row);

private:
    // The overview, filled first with the colour it is to take before it is next read or drawn on.
    QImage& overviewImage() const;
    mutable QImage mOverview;
    mutable std::optional<PackedColor> mOverviewFill;
    QImage mSurface;
    QImage mPreview;
    QImage mRowGrid;
};
