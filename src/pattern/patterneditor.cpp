// Store access, the colour rule and the drawing of the overview, editing surface and preview.
#include "pattern/patterneditor.h"

#include "common/intconv.h"

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

PatternEditor::PatternEditor()
    : mOverview(kOverviewWidth, kOverviewHeight, QImage::Format_RGB32),
      mSurface(kSurfaceSize, kSurfaceSize, QImage::Format_RGB32),
      mPreview(kPreviewSize, kPreviewSize, QImage::Format_RGB32),
      mRowGrid(kRowGridWidth, kRowGridHeight, QImage::Format_RGB32)
{
    mOverview.fill(Qt::black);
    mSurface.fill(ToQRgb(kFrameColor));
    mPreview.fill(Qt::black);
    resetRowColorsToRegisters();
    DrawRowColorGrid();
}

void PatternEditor::setCurrentSet(int set) { mSet = std::clamp(set, 1, PatternStore::kSets); }
void PatternEditor::setCurrentPattern(int pattern) { mPattern = std::clamp(pattern, 1, PatternStore::kPatterns); }
void PatternEditor::setSwapPattern(int pattern) { mSwapPattern = std::clamp(pattern, 1, PatternStore::kPatterns); }
void PatternEditor::setSwapSet(int set) { mSwapSet = std::clamp(set, 1, PatternStore::kSets); }

void PatternEditor::resetRowColorsToRegisters()
{
    for (int r = 0; r < RowColorTable::kRows; ++r)
        for (int c = 0; c < RowColorTable::kColumns; ++c)
            rowColors.at(c, r).displayColor = registers[c + 1].displayColor;
}

void PatternEditor::create()
{
    // "Füllen" with the paint value "0": every byte of the edit buffer becomes "0".
    buffer.fillData(QStringLiteral("0"));
    buffer.ReCalcdata();
    DrawDefine();
    resetRowColorsToRegisters();
    buffer.fillGrid(QStringLiteral("0"));
    store.clear();
    UpdateAllPatterns();
    try {
        buffer.ReCalcdata();
        DrawDefine();
    } catch (...) {
        // Nothing here can fail on a freshly cleared buffer; errors at this step are ignored.
    }
}

void PatternEditor::loadDataFrom(int set, int pattern)
{
    for (int y = 0; y < EditBuffer::kHeight; ++y)
        for (int h = 0; h < 2; ++h)
            buffer.setData(h, y, store.patternByte(set, pattern, y, h));
    buffer.ReCalcdata();
    DrawDefine();
}

void PatternEditor::Laden()
{
    loadDataFrom(mSet, mPattern);
}

void PatternEditor::addInfo(const QString& line)
{
    if (info)
        info(line);
}

void PatternEditor::Speichern()
{
    for (int y = 0; y < EditBuffer::kHeight; ++y)
        for (int h = 0; h < 2; ++h)
            store.setPatternByte(mSet, mPattern, y, h, buffer.data(h, y));
    UpdatePattern(mPattern - 1, mSet - 1);
    ladenEnabled = true;
}

void PatternEditor::UpdatePattern(int x, int y)
{
    if (x < 0 || x >= PatternStore::kPatterns || y < 0 || y >= PatternStore::kSets)
        return;
    QRgb colors[4];
    for (int k = 0; k < 4; ++k)
        colors[k] = ToQRgb(registers[k].displayColor);
    const Canvas canvas(mOverview);
    for (int part = 0; part < 2; ++part) {
        const int bank = 2 * y + 1 + part;
        const int o = 16 * part;
        for (int h = 0; h < 2; ++h) {
            for (int j = 0; j < 8; ++j) {
                const auto pixels = DecodeByte(StrToIntDef(store.entry(bank, 2 * x + h, j), 0));
                for (int k = 0; k < 4; ++k) {
                    const int px = 32 * x + 16 * h + 4 * k;
                    const int py = 32 * y + 2 * j + o;
                    canvas.fill(px, py, px + 4, py + 2, colors[pixels[k]]);
                }
            }
        }
    }
}

void PatternEditor::UpdateAllPatterns()
{
    for (int y = 0; y < PatternStore::kSets; ++y)
        for (int x = 0; x < PatternStore::kPatterns; ++x)
            UpdatePattern(x, y);
}

PackedColor PatternEditor::pixelColor(const QString& code, int row) const
{
    int k = 0;
    if (code == QLatin1String("1"))
        k = 1;
    else if (code == QLatin1String("2"))
        k = 2;
    else if (code == QLatin1String("3"))
        k = 3;
    if (k == 0)
        return registers[0].displayColor;
    if (isPlayerMode() && row >= 0 && row < RowColorTable::kRows)
        return rowColors.at(k - 1, row).displayColor;
    return registers[k].displayColor;
}

void PatternEditor::drawSurfaceCell(int x, int y, PackedColor color)
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
    canvas.fill(clip(x0), clip(y0), clip(x1), clip(y1), qRgb(0, 0, 0));
    canvas.fill(clip(x0 + 1), clip(y0 + 1), clip(x1 - 1), clip(y1 - 1), ToQRgb(color));
}

void PatternEditor::drawPreviewPixel(int x, int y, PackedColor color)
{
    const QRgb rgb = ToQRgb(color);
    const Canvas canvas(mPreview);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            canvas.fill(32 * i + 4 * x, 32 * j + 2 * y, 32 * i + 4 * x + 4, 32 * j + 2 * y + 2, rgb);
}

void PatternEditor::DrawDefine()
{
    for (int l = 0; l < EditBuffer::kHeight; ++l) {
        for (int k = 0; k < EditBuffer::kWidth; ++k) {
            const PackedColor color = pixelColor(buffer.grid(k, l), l);
            drawSurfaceCell(k, l, color);
            drawPreviewPixel(k, l, color);
        }
    }
}
