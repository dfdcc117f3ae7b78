// Painting, filling, shifting, mirroring, swapping and typing bytes of the pattern being edited, and
// taking a raw font into a bank.
#include "pattern/patterneditor.h"

#include "common/intconv.h"
#include "pattern/fontbankfile.h"

#include <algorithm>

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

void PatternEditor::paintCurrentCell(bool withPreview)
{
    // Positions past the right or bottom edge lie outside the pattern: they change nothing.
    if (!InsidePattern(mCursorX, mCursorY))
        return;
    const auto code = PaintCode(mPaint.text);
    if (!code)
        return;
    const StepScope step(*this, StepKind::Buffer, kPaintStepName);
    drawSurfaceCell(mCursorX, mCursorY, mPaint.color);
    setGridCell(mCursorX, mCursorY, *code);
    Calcdata();
    setLadenEnabled(false);
    if (withPreview)
        drawPreviewPixel(mCursorX, mCursorY, mPaint.color);
}

void PatternEditor::surfaceMouseMove(int x, int y, bool leftHeld)
{
    mCursorX = std::max(0, x / 32);
    mCursorY = std::max(0, y / 16);
    if (!leftHeld)
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
    mStroke = ++mStrokeCount;
    mStrokeGuard = mLadenEnabled;
    paintCurrentCell(false);
}

void PatternEditor::surfaceMouseRelease(int x, int y)
{
    mCursorX = std::max(0, x / 32);
    mCursorY = std::max(0, y / 16);
    if (InsidePattern(mCursorX, mCursorY)) {
        drawSurfaceCell(mCursorX, mCursorY, mPaint.color);
        drawPreviewPixel(mCursorX, mCursorY, mPaint.color);
    }
    mStroke = 0;
}

void PatternEditor::surfaceDoubleClick()
{
    paintCurrentCell(true);
}

void PatternEditor::fill()
{
    const StepScope step(*this, StepKind::Buffer, QStringLiteral("Füllen"));
    // The byte with all four pixels v; v is kept a pixel code so no byte leaves 0-255.
    const int v = std::clamp(StrToIntDef(mPaint.text, 0), 0, 3);
    mBuffer.fillData(QString::number(v * 85));
    ReCalcdata();
    DrawDefine();
}

void PatternEditor::rotateRows(int shift)
{
    // shift -1 moves every row up (row 0 to 15), +1 down; the row colours move with their rows.
    std::array<std::array<QString, 2>, EditBuffer::kHeight> data;
    std::array<RowColorTable::Row, RowColorTable::kRows> colors;
    for (int r = 0; r < EditBuffer::kHeight; ++r) {
        const int to = (r + shift + EditBuffer::kHeight) % EditBuffer::kHeight;
        data[to] = {mBuffer.data(0, r), mBuffer.data(1, r)};
        colors[to] = rowColors().row(r);
    }
    for (int r = 0; r < EditBuffer::kHeight; ++r) {
        mBuffer.setData(0, r, data[r][0]);
        mBuffer.setData(1, r, data[r][1]);
        mDocument.setRowColorRow(r, colors[r]);
    }
    ReCalcdata();
    DrawDefine();
}

void PatternEditor::rotateUp()
{
    const StepScope step(*this, StepKind::Buffer, QStringLiteral("Hoch"));
    rotateRows(-1);
}

void PatternEditor::rotateDown()
{
    const StepScope step(*this, StepKind::Buffer, QStringLiteral("Runter"));
    rotateRows(1);
}

template <class Transform>
void PatternEditor::transformRows(const QString& name, Transform transform)
{
    const StepScope step(*this, StepKind::Buffer, name);
    for (int y = 0; y < EditBuffer::kHeight; ++y) {
        const std::array<int, 8> p = transform(RowPixels(mBuffer, y));
        mBuffer.setData(0, y, QString::number(EncodePixels(p[0], p[1], p[2], p[3])));
        mBuffer.setData(1, y, QString::number(EncodePixels(p[4], p[5], p[6], p[7])));
    }
    ReCalcdata();
    DrawDefine();
}

void PatternEditor::rotateLeft()
{
    transformRows(QStringLiteral("Links"), [](const std::array<int, 8>& p) {
        return std::array<int, 8>{p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[0]};
    });
}

void PatternEditor::rotateRight()
{
    transformRows(QStringLiteral("Rechts"), [](const std::array<int, 8>& p) {
        return std::array<int, 8>{p[7], p[0], p[1], p[2], p[3], p[4], p[5], p[6]};
    });
}

void PatternEditor::mirrorLeftRight()
{
    transformRows(QStringLiteral("Spgl LR"), [](const std::array<int, 8>& p) {
        return std::array<int, 8>{p[7], p[6], p[5], p[4], p[3], p[2], p[1], p[0]};
    });
}

void PatternEditor::mirrorTopBottom()
{
    const StepScope step(*this, StepKind::Buffer, QStringLiteral("Spgl HR"));
    for (int r = 0; r < 8; ++r) {
        const int other = 15 - r;
        for (int h = 0; h < 2; ++h) {
            const QString t = mBuffer.data(h, r);
            mBuffer.setData(h, r, mBuffer.data(h, other));
            mBuffer.setData(h, other, t);
        }
        const RowColorTable::Row upper = rowColors().row(r);
        mDocument.setRowColorRow(r, rowColors().row(other));
        mDocument.setRowColorRow(other, upper);
    }
    ReCalcdata();
    DrawDefine();
}

void PatternEditor::swapPatterns()
{
    const StepScope step(*this, StepKind::Store, QStringLiteral("<->"));
    Speichern();
    const int p = mPattern;
    const int q = mSwapPattern;
    for (int s = 1; s <= PatternStore::kSets; ++s) {
        for (int y = 0; y < EditBuffer::kHeight; ++y) {
            for (int h = 0; h < 2; ++h) {
                const QString t = store().patternByte(s, p, y, h);
                mDocument.setPatternByte(s, p, y, h, store().patternByte(s, q, y, h));
                mDocument.setPatternByte(s, q, y, h, t);
            }
        }
        UpdatePattern(p - 1, s - 1);
        UpdatePattern(q - 1, s - 1);
    }
    Laden();
}

void PatternEditor::typeData(int half, int y, const QString& text)
{
    if (half < 0 || half > 1 || y < 0 || y >= EditBuffer::kHeight)
        return;
    mTypedCell = half * EditBuffer::kHeight + y;
    const StepScope step(*this, StepKind::Buffer, QStringLiteral("Eingabe"));
    setDataCell(half, y, text);
    addInfo(QStringLiteral("hi"));
    ReCalcdata();
    DrawDefine();
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
    const StepScope step(*this, StepKind::Store, QStringLiteral("FNT importieren"));
    PutFontBank(mDocument, bank, font);
    const int set = (bank + 1) / 2;
    for (int x = 0; x < PatternStore::kPatterns; ++x)
        UpdatePattern(x, set - 1);
    // The editor shows the imported pattern, unless it holds painted changes not yet stored: a
    // later "Speichern" of the old pattern would otherwise quietly undo part of the import.
    if (set == mSet && mLadenEnabled)
        Laden();
}
