// Loading and storing the edit buffer, painting, filling, shifting, mirroring, swapping and typing bytes of the pattern being edited, and
// taking a raw font into a bank. Each operation works out its step on a draft (PatternEditor::record).
#include "pattern/patterneditor.h"

#include "common/floodfill.h"
#include "common/intconv.h"
#include "pattern/fontbankfile.h"
#include "pattern/undo_step.h"

#include <QPoint>
#include <algorithm>
#include <utility>

namespace {

// The pixel code painting writes for a paint value text: "0"-"3" as they are, "4" (the selection
// F4's definition leaves behind) as 3, the code F4 stands in for. Anything else paints nothing.
std::optional<QString> PaintCode(const QString& text)
{
    if (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('3'))
        return text;
    if (text == QLatin1String("4"))
        return QStringLiteral("3");
    return std::nullopt;
}

// The eight pixels of a row from its two bytes; each byte is converted with the one integer rule.
std::array<int, 8> RowPixels(const EditBuffer& buffer, int y)
{
    const auto left = DecodeByte(StrToInt(buffer.data(0, y)));
    const auto right = DecodeByte(StrToInt(buffer.data(1, y)));
    return {left[0], left[1], left[2], left[3], right[0], right[1], right[2], right[3]};
}

bool InsidePattern(int x, int y)
{
    return x >= 0 && x < EditBuffer::kWidth && y >= 0 && y < EditBuffer::kHeight;
}

} // namespace

void PatternEditor::loadInto(PatternDraft& draft, int set, int pattern) const
{
    draft.setOrigin(set, pattern);
    draft.drawSurface(SurfaceDrawing::Whole);
    for (int y = 0; y < EditBuffer::kHeight; ++y)
        for (int h = 0; h < 2; ++h)
            draft.buffer.setData(h, y, draft.storeView().patternByte(set, pattern, y, h));
    draft.buffer.ReCalcdata();
}

void PatternEditor::Laden()
{
    record(PatternStepKind::Loading, [this](PatternDraft& d) { loadInto(d, mSet, mPattern); });
}

void PatternEditor::storeInto(PatternDraft& draft) const
{
    for (int y = 0; y < EditBuffer::kHeight; ++y)
        for (int h = 0; h < 2; ++h)
            draft.store->setPatternByte(mSet, mPattern, y, h, draft.buffer.data(h, y));
    draft.setOrigin(mSet, mPattern);
    draft.redrawPattern(mPattern - 1, mSet - 1);
    draft.guard = true;
}

void PatternEditor::reloadIfFree(PatternDraft& draft) const
{
    if (draft.guard)
        loadInto(draft, mSet, mPattern);
}

void PatternEditor::Speichern()
{
    record(PatternStepKind::Storing, [this](PatternDraft& d) { storeInto(d); });
}

void PatternEditor::paintCurrentCell(bool withPreview)
{
    // Positions past the right or bottom edge lie outside the pattern: they change nothing.
    if (!InsidePattern(mCursorX, mCursorY))
        return;
    const auto code = PaintCode(mPaint.text);
    if (!code)
        return;
    const int x = mCursorX;
    const int y = mCursorY;
    record(PatternStepKind::Paint, [&](PatternDraft& d) {
        d.buffer.setGrid(x, y, *code);
        d.buffer.Calcdata();
        d.guard = false;
        d.drawSurface(SurfaceDrawing::Cells);
    });
    // The cell shows the paint colour (F4's for the code it stands in for), and the preview only
    // where the mouse moved or clicked twice.
    note(EditorPart::Surface);
    mPicture.drawSurfaceCell(x, y, mPaint.color);
    if (withPreview)
        mPicture.drawPreviewPixel(x, y, mPaint.color);
}

void PatternEditor::surfaceMouseMove(int x, int y, bool leftHeld)
{
    mCursorX = std::max(0, x / 32);
    mCursorY = std::max(0, y / 16);
    if (!leftHeld || mFillPress)
        return;
    if (isPlayerMode() && InsidePattern(mCursorX, mCursorY)) {
        if (mPaint.text == QLatin1String("0")) {
            mPaint.color = registers()[0].displayColor;
            note(EditorPart::Paint);
        } else if (const auto code = PaintCode(mPaint.text)) {
            mPaint.color = rowColors().at(code->toInt() - 1, mCursorY).displayColor;
            note(EditorPart::Paint);
        }
    }
    paintCurrentCell(true);
}

void PatternEditor::surfaceMousePress()
{
    mFillPress = false;
    mStroke = ++mStrokeCount;
    mStrokeGuard = mLadenEnabled;
    paintCurrentCell(false);
}

void PatternEditor::surfaceFillPress()
{
    mStroke = 0;
    mFillPress = true;
    fillArea(mCursorX, mCursorY);
}

void PatternEditor::surfaceMouseRelease(int x, int y)
{
    mCursorX = std::max(0, x / 32);
    mCursorY = std::max(0, y / 16);
    if (std::exchange(mFillPress, false))
        return;
    if (InsidePattern(mCursorX, mCursorY)) {
        note(EditorPart::Surface);
        mPicture.drawSurfaceCell(mCursorX, mCursorY, mPaint.color);
        mPicture.drawPreviewPixel(mCursorX, mCursorY, mPaint.color);
    }
    mStroke = 0;
}

void PatternEditor::surfaceDoubleClick()
{
    paintCurrentCell(true);
}

QString PatternEditor::pixelText(int x, int y) const
{
    const int column = x / 32;
    const int row = y / 16;
    if (x < 0 || y < 0 || !InsidePattern(column, row))
        return QStringLiteral("Pixel: –");
    return QStringLiteral("Pixel: Spalte %1, Zeile %2, Code %3").arg(column + 1).arg(row + 1).arg(mBuffer.grid(column, row));
}

void PatternEditor::fill()
{
    // The byte with all four pixels v; v is kept a pixel code so no byte leaves 0-255.
    const int v = std::clamp(StrToIntDef(mPaint.text, 0), 0, 3);
    record(PatternStepKind::Fill, [v](PatternDraft& d) {
        d.drawSurface(SurfaceDrawing::Whole);
        d.buffer.fillData(QString::number(v * 85));
        d.buffer.ReCalcdata();
    });
}

void PatternEditor::rotateRows(PatternDraft& d, int shift) const
{
    // shift -1 moves every row up (row 0 to 15), +1 down; the row colours move with their rows.
    const EditBuffer from = d.buffer;
    const RowColorTable colors = d.rowColors;
    for (int r = 0; r < EditBuffer::kHeight; ++r) {
        const int to = (r + shift + EditBuffer::kHeight) % EditBuffer::kHeight;
        d.buffer.setData(0, to, from.data(0, r));
        d.buffer.setData(1, to, from.data(1, r));
        d.rowColors.row(to) = colors.row(r);
    }
    d.drawSurface(SurfaceDrawing::Whole);
    d.buffer.ReCalcdata();
}

void PatternEditor::rotateUp()
{
    record(PatternStepKind::RotateUp, [this](PatternDraft& d) { rotateRows(d, -1); });
}

void PatternEditor::rotateDown()
{
    record(PatternStepKind::RotateDown, [this](PatternDraft& d) { rotateRows(d, 1); });
}

void PatternEditor::transformRows(PatternStepKind kind,
                                  const std::function<std::array<int, 8>(const std::array<int, 8>&)>& transform)
{
    record(kind, [&](PatternDraft& d) {
        d.drawSurface(SurfaceDrawing::Whole);
        for (int y = 0; y < EditBuffer::kHeight; ++y) {
            const std::array<int, 8> p = transform(RowPixels(d.buffer, y));
            d.buffer.setData(0, y, QString::number(EncodePixels(p[0], p[1], p[2], p[3])));
            d.buffer.setData(1, y, QString::number(EncodePixels(p[4], p[5], p[6], p[7])));
        }
        d.buffer.ReCalcdata();
    });
}

void PatternEditor::rotateLeft()
{
    transformRows(PatternStepKind::RotateLeft, [](const std::array<int, 8>& p) {
        return std::array<int, 8>{p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[0]};
    });
}

void PatternEditor::rotateRight()
{
    transformRows(PatternStepKind::RotateRight, [](const std::array<int, 8>& p) {
        return std::array<int, 8>{p[7], p[0], p[1], p[2], p[3], p[4], p[5], p[6]};
    });
}

void PatternEditor::mirrorLeftRight()
{
    transformRows(PatternStepKind::MirrorLeftRight, [](const std::array<int, 8>& p) {
        return std::array<int, 8>{p[7], p[6], p[5], p[4], p[3], p[2], p[1], p[0]};
    });
}

void PatternEditor::mirrorTopBottom()
{
    record(PatternStepKind::MirrorTopBottom, [](PatternDraft& d) {
        for (int r = 0; r < 8; ++r) {
            const int other = 15 - r;
            for (int h = 0; h < 2; ++h) {
                const QString t = d.buffer.data(h, r);
                d.buffer.setData(h, r, d.buffer.data(h, other));
                d.buffer.setData(h, other, t);
            }
            std::swap(d.rowColors.row(r), d.rowColors.row(other));
        }
        d.drawSurface(SurfaceDrawing::Whole);
        d.buffer.ReCalcdata();
    });
}

void PatternEditor::clearPattern()
{
    record(PatternStepKind::Clear, [](PatternDraft& d) {
        d.drawSurface(SurfaceDrawing::Whole);
        d.buffer.fillData(QStringLiteral("0"));
        d.buffer.ReCalcdata();
    });
}

void PatternEditor::invertPattern()
{
    transformRows(PatternStepKind::Invert, [](const std::array<int, 8>& p) {
        std::array<int, 8> flipped{};
        for (size_t i = 0; i < p.size(); ++i)
            flipped[i] = 3 - p[i];
        return flipped;
    });
}

void PatternEditor::fillArea(int x, int y)
{
    const auto code = PaintCode(mPaint.text);
    if (!code || !InsidePattern(x, y))
        return;
    const int paint = code->toInt();
    record(PatternStepKind::AreaFill, [&](PatternDraft& d) {
        std::array<std::array<int, 8>, EditBuffer::kHeight> pixels{};
        for (int r = 0; r < EditBuffer::kHeight; ++r)
            pixels[size_t(r)] = RowPixels(d.buffer, r);
        const int old = pixels[size_t(y)][size_t(x)];
        const std::vector<QPoint> area = FloodRegion(QSize(EditBuffer::kWidth, EditBuffer::kHeight), QPoint(x, y),
                                                     [&](QPoint n) { return pixels[size_t(n.y())][size_t(n.x())] == old; });
        for (const QPoint p : area)
            pixels[size_t(p.y())][size_t(p.x())] = paint;
        // Only the bytes the area reaches get new texts.
        for (int r = 0; r < EditBuffer::kHeight; ++r) {
            const std::array<int, 8>& p = pixels[size_t(r)];
            const std::array<int, 8> before = RowPixels(d.buffer, r);
            for (int h = 0; h < 2; ++h)
                if (!std::equal(p.begin() + 4 * h, p.begin() + 4 * h + 4, before.begin() + 4 * h))
                    d.buffer.setData(h, r, QString::number(EncodePixels(p[4 * h], p[4 * h + 1], p[4 * h + 2], p[4 * h + 3])));
        }
        d.buffer.ReCalcdata();
        d.guard = false;
        d.drawSurface(SurfaceDrawing::Whole);
    });
}

void PatternEditor::swapPatterns()
{
    record(PatternStepKind::Swap, [this](PatternDraft& d) {
        storeInto(d);
        const int p = mPattern;
        const int q = mSwapPattern;
        PatternStore& store = *d.store;
        for (int s = 1; s <= PatternStore::kSets; ++s) {
            for (int y = 0; y < EditBuffer::kHeight; ++y) {
                for (int h = 0; h < 2; ++h) {
                    const QString t = store.patternByte(s, p, y, h);
                    store.setPatternByte(s, p, y, h, store.patternByte(s, q, y, h));
                    store.setPatternByte(s, q, y, h, t);
                }
            }
            d.redrawPattern(p - 1, s - 1);
            d.redrawPattern(q - 1, s - 1);
        }
        loadInto(d, mSet, mPattern);
    });
}

void PatternEditor::typeData(int half, int y, const QString& text)
{
    if (half < 0 || half > 1 || y < 0 || y >= EditBuffer::kHeight)
        return;
    record(PatternStepKind::Typing, [&](PatternDraft& d) {
        d.buffer.setData(half, y, text);
        addInfo(QStringLiteral("hi"));
        d.drawSurface(SurfaceDrawing::Whole);
        d.buffer.ReCalcdata();
    });
}

void PatternEditor::changeMode(const QString& text)
{
    Speichern();
    setMode(text);
    Laden();
}

void PatternEditor::importFontBank(int bank, const QByteArray& font)
{
    if (bank < 1 || bank > PatternStore::kBanks || font.size() != kFontBankFileSize)
        return;
    record(PatternStepKind::FontImport, [&](PatternDraft& d) {
        PutFontBank(*d.store, bank, font);
        const int set = (bank + 1) / 2;
        d.redrawSet(set - 1);
        if (set == mSet)
            reloadIfFree(d);
    });
}
