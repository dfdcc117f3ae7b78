// The session state, store access, the colour rule and the drawing of the overview, editing surface and preview.
#include "pattern/patterneditor.h"

#include "common/displaytext.h"
#include "common/intconv.h"
#include "common/packedcolor_picture.h"

#include <QUndoStack>
#include <algorithm>
#include <utility>

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
    : mOverviewFill(qRgb(0, 0, 0)),
      mSurface(kSurfaceSize, kSurfaceSize, QImage::Format_RGB32),
      mPreview(kPreviewSize, kPreviewSize, QImage::Format_RGB32),
      mRowGrid(kRowGridWidth, kRowGridHeight, QImage::Format_RGB32)
{
    mSurface.fill(ToQRgb(kFrameColor));
    mPreview.fill(Qt::black);
    resetRowColorsToRegisters();
    drawRowColorGrid();
    mDocument.takeChanges();
}

const QImage* PatternEditor::overviewPlace() const
{
    if (mOverview.isNull())
        mOverview = QImage(kOverviewWidth, kOverviewHeight, QImage::Format_RGB32);
    return &mOverview;
}

QImage& PatternEditor::overviewImage() const
{
    if (mOverviewFill) {
        overviewPlace();
        mOverview.fill(*mOverviewFill);
        mOverviewFill.reset();
    }
    return mOverview;
}

UndoHistory::UndoHistory() : mStack(std::make_unique<QUndoStack>())
{
    mStack->setUndoLimit(PatternEditor::kHistoryLimit);
}

UndoHistory::UndoHistory(const UndoHistory&) : UndoHistory() {}

UndoHistory& UndoHistory::operator=(const UndoHistory&)
{
    mStack->clear();
    return *this;
}

UndoHistory::~UndoHistory() = default;

void PatternEditor::setCurrentSet(int set)
{
    mSet = std::clamp(set, 1, PatternStore::kSets);
    note(EditorPart::Selection);
}

void PatternEditor::setCurrentPattern(int pattern)
{
    mPattern = std::clamp(pattern, 1, PatternStore::kPatterns);
    note(EditorPart::Selection);
}

void PatternEditor::setSwapPattern(int pattern)
{
    mSwapPattern = std::clamp(pattern, 1, PatternStore::kPatterns);
    note(EditorPart::Selection);
}

void PatternEditor::setSwapSet(int set)
{
    mSwapSet = std::clamp(set, 1, PatternStore::kSets);
    note(EditorPart::Selection);
}

void PatternEditor::setGridCell(int x, int y, const QString& text)
{
    mBuffer.setGrid(x, y, text);
    note(EditorPart::Buffer);
}

void PatternEditor::setDataCell(int half, int y, const QString& text)
{
    mBuffer.setData(half, y, text);
    note(EditorPart::Buffer);
}

void PatternEditor::Calcdata()
{
    note(EditorPart::Buffer);
    mBuffer.Calcdata();
}

void PatternEditor::ReCalcdata()
{
    // Noted first: a failing conversion leaves the cells before it changed.
    note(EditorPart::Buffer);
    mBuffer.ReCalcdata();
}

void PatternEditor::setPaint(const PaintValue& paint)
{
    mPaint = paint;
    note(EditorPart::Paint);
}

void PatternEditor::setPaintText(const QString& text)
{
    mPaint.text = text;
    note(EditorPart::Paint);
}

void PatternEditor::setMode(const QString& mode)
{
    mMode = mode;
    note(EditorPart::Mode);
}

void PatternEditor::setFontLabel(const QString& label)
{
    mFontLabel = label;
    note(EditorPart::FontLabel);
}

void PatternEditor::setLadenEnabled(bool enabled)
{
    mLadenEnabled = enabled;
    note(EditorPart::Guard);
}

EditorParts PatternEditor::takeChanges()
{
    const PatternParts parts = mDocument.takeChanges();
    if (parts & PatternPart::Registers)
        mChanges |= EditorPart::Registers;
    if (parts & PatternPart::RowColors)
        mChanges |= EditorPart::RowColors;
    if (parts & PatternPart::Phases)
        mChanges |= EditorPart::Phases;
    return std::exchange(mChanges, {});
}

void PatternEditor::resetRowColorsToRegisters()
{
    for (int r = 0; r < RowColorTable::kRows; ++r)
        for (int c = 0; c < RowColorTable::kColumns; ++c) {
            RowColorEntry entry = rowColors().at(c, r);
            entry.displayColor = registers()[c + 1].displayColor;
            mDocument.setRowColor(c, r, entry);
        }
}

void PatternEditor::create()
{
    // "Füllen" with the paint value "0": every byte of the edit buffer becomes "0".
    mBuffer.fillData(QStringLiteral("0"));
    ReCalcdata();
    DrawDefine();
    resetRowColorsToRegisters();
    mBuffer.fillGrid(QStringLiteral("0"));
    mDocument.clearStore();
    // Every pattern of the cleared store has only pixel value 0: the whole overview takes F0.
    note(EditorPart::Overview);
    mOverviewFill = ToQRgb(registers()[0].displayColor);
    try {
        ReCalcdata();
        DrawDefine();
    } catch (...) {
        // Nothing here can fail on a freshly cleared buffer; errors at this step are ignored.
    }
    clearHistory();
}

void PatternEditor::setBufferOrigin(int set, int pattern)
{
    mBufferSet = std::clamp(set, 1, PatternStore::kSets);
    mBufferPattern = std::clamp(pattern, 1, PatternStore::kPatterns);
}

bool PatternEditor::bufferModified() const
{
    for (int y = 0; y < EditBuffer::kHeight; ++y)
        for (int h = 0; h < 2; ++h)
            if (mBuffer.data(h, y) != store().patternByte(mBufferSet, mBufferPattern, y, h))
                return true;
    return false;
}

void PatternEditor::loadDataFrom(int set, int pattern)
{
    setBufferOrigin(set, pattern);
    for (int y = 0; y < EditBuffer::kHeight; ++y)
        for (int h = 0; h < 2; ++h)
            mBuffer.setData(h, y, store().patternByte(set, pattern, y, h));
    ReCalcdata();
    DrawDefine();
}

void PatternEditor::Laden()
{
    const StepScope step(*this, StepKind::Buffer, QStringLiteral("Laden"));
    loadDataFrom(mSet, mPattern);
}

void PatternEditor::addInfo(const QString& line)
{
    // Typed texts are echoed here: a control character in one must not cut the log's text.
    if (mInfo)
        mInfo(VisibleText(line));
}

void PatternEditor::Speichern()
{
    const StepScope step(*this, StepKind::Store, QStringLiteral("Speichern"));
    for (int y = 0; y < EditBuffer::kHeight; ++y)
        for (int h = 0; h < 2; ++h)
            mDocument.setPatternByte(mSet, mPattern, y, h, mBuffer.data(h, y));
    setBufferOrigin(mSet, mPattern);
    UpdatePattern(mPattern - 1, mSet - 1);
    setLadenEnabled(true);
}

void PatternEditor::UpdatePattern(int x, int y)
{
    if (x < 0 || x >= PatternStore::kPatterns || y < 0 || y >= PatternStore::kSets)
        return;
    if (mStepDepth > 0)
        mStepRedrawn.set(PatternStore::kPatterns * y + x);
    note(EditorPart::Overview);
    QRgb colors[4];
    for (int k = 0; k < 4; ++k)
        colors[k] = ToQRgb(registers()[k].displayColor);
    const Canvas canvas(overviewImage());
    for (int part = 0; part < 2; ++part) {
        const int bank = 2 * y + 1 + part;
        const int o = 16 * part;
        for (int h = 0; h < 2; ++h) {
            for (int j = 0; j < 8; ++j) {
                // A byte is 16 screen pixels wide (4 pixels of 4) and 2 lines high.
                const auto pixels = DecodeByte(StrToIntDef(store().entry(bank, 2 * x + h, j), 0));
                QRgb* line = canvas.base + (32 * y + 2 * j + o) * canvas.stride + 32 * x + 16 * h;
                for (int k = 0; k < 4; ++k)
                    std::fill(line + 4 * k, line + 4 * k + 4, colors[pixels[k]]);
                std::copy(line, line + 16, line + canvas.stride);
            }
        }
    }
}

void PatternEditor::updateAllPatterns()
{
    // The 512 patterns cover every pixel of the overview: a fill still pending would be painted over.
    overviewPlace();
    mOverviewFill.reset();
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
        return registers()[0].displayColor;
    if (isPlayerMode() && row >= 0 && row < RowColorTable::kRows)
        return rowColors().at(k - 1, row).displayColor;
    return registers()[k].displayColor;
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
    note(EditorPart::Surface);
    const Canvas canvas(mSurface);
    canvas.fill(clip(x0), clip(y0), clip(x1), clip(y1), qRgb(0, 0, 0));
    canvas.fill(clip(x0 + 1), clip(y0 + 1), clip(x1 - 1), clip(y1 - 1), ToQRgb(color));
}

void PatternEditor::drawPreviewPixel(int x, int y, PackedColor color)
{
    note(EditorPart::Surface);
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
            const PackedColor color = pixelColor(mBuffer.grid(k, l), l);
            drawSurfaceCell(k, l, color);
            drawPreviewPixel(k, l, color);
        }
    }
}
