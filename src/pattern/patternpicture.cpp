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
    : mOverview(kOverviewWidth / kOverviewBlockWidth, kOverviewHeight / kOverviewBlockHeight, QImage::Format_RGB32),
      mPending(kOverviewPatterns),
      mSurface(kSurfaceSize, kSurfaceSize, QImage::Format_RGB32),
      mPreview(kPreviewSize, kPreviewSize, QImage::Format_RGB32),
      mRowGrid(kRowGridWidth, kRowGridHeight, QImage::Format_RGB32)
{
    fillOverview(kBlack);
    mSurface.fill(ToQRgb(kFrameColor));
    mPreview.fill(Qt::black);
}

void PatternPicture::fillOverview(PackedColor color)
{
    PendingPattern blank{};
    blank.colors.fill(ToQRgb(color));
    std::fill(mPending.begin(), mPending.end(), blank);
    mWaiting.set();
}

const QImage& PatternPicture::overview() const
{
    overviewPart(QRect(0, 0, kOverviewWidth, kOverviewHeight));
    if (mOverviewShown.isNull()) {
        // Each pixel repeated as its block.
        mOverviewShown = QImage(kOverviewWidth, kOverviewHeight, QImage::Format_RGB32);
        for (int y = 0; y < mOverview.height(); ++y) {
            const auto* from = reinterpret_cast<const QRgb*>(mOverview.constScanLine(y));
            auto* to = reinterpret_cast<QRgb*>(mOverviewShown.scanLine(kOverviewBlockHeight * y));
            for (int x = 0; x < mOverview.width(); ++x)
                std::fill_n(to + kOverviewBlockWidth * x, kOverviewBlockWidth, from[x]);
            for (int k = 1; k < kOverviewBlockHeight; ++k)
                std::copy_n(to, kOverviewWidth, reinterpret_cast<QRgb*>(mOverviewShown.scanLine(kOverviewBlockHeight * y + k)));
        }
    }
    return mOverviewShown;
}

const QImage& PatternPicture::overviewPart(const QRect& part) const
{
    if (mWaiting.none())
        return mOverview;
    // A pattern is shown 32 x 32 pixels: column x of set y at (32 x, 32 y).
    const QRect shown = part.intersected(QRect(0, 0, kOverviewWidth, kOverviewHeight));
    if (shown.isEmpty())
        return mOverview;
    for (int y = shown.top() / 32; y <= shown.bottom() / 32; ++y)
        for (int x = shown.left() / 32; x <= shown.right() / 32; ++x)
            if (const int index = y * PatternStore::kPatterns + x; mWaiting.test(index))
                drawPending(index);
    return mOverview;
}

void PatternPicture::drawPattern(int x, int y, const PatternStore& store, const ColorRegisterSet& registers)
{
    const int index = y * PatternStore::kPatterns + x;
    PendingPattern& pending = mPending[index];
    for (int k = 0; k < 4; ++k)
        pending.colors[k] = ToQRgb(registers[k].displayColor);
    for (int part = 0; part < 2; ++part)
        for (int h = 0; h < 2; ++h)
            for (int j = 0; j < 8; ++j)
                pending.bytes[16 * part + 8 * h + j] = static_cast<quint8>(store.byteValue(2 * y + 1 + part, 2 * x + h, j));
    mWaiting.set(index);
}

void PatternPicture::drawPending(int index) const
{
    const PendingPattern& pending = mPending[index];
    const int x = index % PatternStore::kPatterns;
    const int y = index / PatternStore::kPatterns;
    const Canvas canvas(mOverview);
    // A pattern is 8 pixels wide (two bytes of 4) and 16 high (two parts of 8 rows).
    for (int part = 0; part < 2; ++part) {
        for (int j = 0; j < 8; ++j) {
            QRgb* line = canvas.base + (16 * y + 8 * part + j) * canvas.stride + 8 * x;
            for (int h = 0; h < 2; ++h) {
                const auto pixels = DecodeByte(pending.bytes[16 * part + 8 * h + j]);
                for (int k = 0; k < 4; ++k)
                    line[4 * h + k] = pending.colors[pixels[k]];
            }
        }
    }
    mWaiting.reset(index);
    mOverviewShown = QImage();
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
