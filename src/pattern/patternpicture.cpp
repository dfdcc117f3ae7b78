// Drawing the overview, the editing surface, the preview and the row colour table.
#include "pattern/patternpicture.h"

#include "common/packedcolor_picture.h"

#include <QPainter>
#include <algorithm>

namespace {

// Direct pixel access to an RGB32 image. Taken once per drawing operation: bits() and scanLine()
// on a non-const image check for sharing on every call.
struct Canvas {
    explicit Canvas(QImage& image)
        : base(reinterpret_cast<QRgb*>(image.bits())),
          stride(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)))
    {
    }
    // Fills [x0, x1) x [y0, y1); the caller keeps the rectangle inside the image.
    void fill(int x0, int y0, int x1, int y1, QRgb color) const
    {
        for (int y = y0; y < y1; ++y)
            std::fill(base + y * stride + x0, base + y * stride + x1, color);
    }
    QRgb* base;
    qsizetype stride;
};

} // namespace

PatternPicture::PatternPicture()
    : mOverviewFill(kBlack),
      mSurface(kSurfaceSize, kSurfaceSize, QImage::Format_RGB32),
      mPreview(kPreviewSize, kPreviewSize, QImage::Format_RGB32),
      mRowGrid(kRowGridWidth, kRowGridHeight, QImage::Format_RGB32)
{
    mSurface.fill(ToQRgb(kFrameColor));
    mPreview.fill(Qt::black);
}

QImage& PatternPicture::overviewImage() const
{
    if (mOverviewFill) {
        if (mOverview.isNull())
            mOverview = QImage(kOverviewWidth, kOverviewHeight, QImage::Format_RGB32);
        mOverview.fill(ToQRgb(*mOverviewFill));
        mOverviewFill.reset();
    }
    return mOverview;
}

void PatternPicture::drawPattern(int x, int y, const PatternStore& store, const ColorRegisterSet& registers)
{
    QRgb colors[4];
    for (int k = 0; k < 4; ++k)
        colors[k] = ToQRgb(registers[k].displayColor);
    const Canvas canvas(overviewImage());
    for (int part = 0; part < 2; ++part) {
        const int bank = 2 * y + 1 + part;
        const int o = 16 * part;
        for (int h = 0; h < 2; ++h) {
            for (int j = 0; j < 8; ++j) {
                // A byte is 16 screen pixels wide (4 pixels of 4) and 2 lines high.
                const auto pixels = DecodeByte(StoredByteValue(store.entry(bank, 2 * x + h, j)));
                QRgb* line = canvas.base + (32 * y + 2 * j + o) * canvas.stride + 32 * x + 16 * h;
                for (int k = 0; k < 4; ++k)
                    std::fill(line + 4 * k, line + 4 * k + 4, colors[pixels[k]]);
                std::copy(line, line + 16, line + canvas.stride);
            }
        }
    }
}

void PatternPicture::drawSurfaceCell(int x, int y, PackedColor color)
{
    // A cell covers 31 x 15 pixels with a black outline; the line right of and below it is left to
    // the frame colour. The surface is 254 wide and high, so the last column and row lose their
    // outer outline to the edge.
    const int x0 = 32 * x;
    const int y0 = 16 * y;
    const int x1 = x0 + 31;
    const int y1 = y0 + 15;
    const auto clip = [](int v) { return std::clamp(v, 0, kSurfaceSize); };
    if (x0 >= kSurfaceSize || y0 >= kSurfaceSize)
        return;
    const Canvas canvas(mSurface);
    // The outline's four sides, then the inside, each pixel written once.
    const QRgb black = qRgb(0, 0, 0);
    canvas.fill(clip(x0), clip(y0), clip(x1), clip(y0 + 1), black);
    canvas.fill(clip(x0), clip(y1 - 1), clip(x1), clip(y1), black);
    canvas.fill(clip(x0), clip(y0 + 1), clip(x0 + 1), clip(y1 - 1), black);
    canvas.fill(clip(x1 - 1), clip(y0 + 1), clip(x1), clip(y1 - 1), black);
    canvas.fill(clip(x0 + 1), clip(y0 + 1), clip(x1 - 1), clip(y1 - 1), ToQRgb(color));
}

void PatternPicture::drawPreviewPixel(int x, int y, PackedColor color)
{
    const QRgb rgb = ToQRgb(color);
    const Canvas canvas(mPreview);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            canvas.fill(32 * i + 4 * x, 32 * j + 2 * y, 32 * i + 4 * x + 4, 32 * j + 2 * y + 2, rgb);
}

void PatternPicture::drawRowColorGrid(const RowColorTable& rowColors, int column, int row)
{
    QPainter painter(&mRowGrid);
    painter.fillRect(mRowGrid.rect(), QColor(128, 128, 128));
    for (int r = 0; r < RowColorTable::kRows; ++r)
        for (int c = 0; c < RowColorTable::kColumns; ++c)
            painter.fillRect(21 * c, 16 * r, 20, 15, ToQColor(rowColors.at(c, r).displayColor));
    // The selected cell gets a two-tone frame that shows on any colour.
    const QRect cell(21 * column, 16 * row, 19, 14);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(cell);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(cell);
}
