// The sound converter's two sample plots, pictures that need QtGui.
#include "sound/soundconverter.h"

#include "common/packedcolor.h"
#include "common/packedcolor_picture.h"

#include <QImage>
#include <algorithm>

struct SoundPlots {
    QImage plot8;
    QImage plot4;
};

namespace {

constexpr int kPlotMargin = 10;
constexpr int kPlotTop = 266;       // the plot area starts this far above the bottom
constexpr int kFullScaleTop = 267;  // the full-scale line sits one pixel above the plot area
constexpr PackedColor kPlotRed = 0x0000FF;
constexpr PackedColor kPlotBlue = 0xFF0000;

// Cream plot area, the full-scale line, then one bar per sample column.
void DrawPlot(QImage& image, const SoundConverter& samples, PackedColor barColor, bool fourBit)
{
    const int w = image.width();
    const int h = image.height();
    const QRgb cream = ToQRgb(kCream);
    const QRgb bar = ToQRgb(barColor);
    // Rectangles include their top-left and exclude their bottom-right corner.
    for (int y = h - kPlotTop; y < h - kPlotMargin; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + kPlotMargin, line + w - kPlotMargin, cream);
    }
    // The full-scale "rectangle" is one pixel high: its corners lie on adjacent rows.
    auto* top = reinterpret_cast<QRgb*>(image.scanLine(h - kFullScaleTop));
    std::fill(top + kPlotMargin, top + w - kPlotMargin, bar);
    const int base = h - kPlotMargin;
    for (int i = 1; i <= w - 2 * kPlotMargin; ++i) {
        const int v = samples.sample(i - 1);
        const int height = fourBit ? (v / 16) * 16 : v;
        const int x = i + kPlotMargin;
        if (x >= w)
            continue;
        // A bar from the base line up to, not including, y = base - height.
        for (int y = base; y > base - height && y >= 0; --y)
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] = bar;
    }
}

} // namespace

// The plots keep their place from the first call on, so that a view can hold them before they are drawn.
SoundPlots& SoundConverter::plots() const
{
    if (!mPlots)
        mPlots = std::make_shared<SoundPlots>();
    return *mPlots;
}

const QImage& SoundConverter::plot8() const
{
    return plots().plot8;
}

const QImage& SoundConverter::plot4() const
{
    return plots().plot4;
}

QStringList SoundConverter::drawPlots()
{
    // Made on the first drawing: a converter that is never used draws nothing.
    for (QImage* plot : {&plots().plot8, &plots().plot4}) {
        if (plot->isNull()) {
            *plot = QImage(kPlotWidth, kPlotHeight, QImage::Format_RGB32);
            plot->fill(ToQColor(kCream));
        }
    }
    DrawPlot(mPlots->plot8, *this, kPlotRed, false);
    DrawPlot(mPlots->plot4, *this, kPlotBlue, true);
    return {QString::number(mPlots->plot8.width())};
}
