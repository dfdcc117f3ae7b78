// Painting, filling, shifting, mirroring, swapping and typing bytes of the pattern being edited.
#include "pattern/patterneditor.h"

#include "common/intconv.h"

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

void SetRowPixels(EditBuffer& buffer, int y, const std::array<int, 8>& p)
{
    buffer.setData(0, y, QString::number(EncodePixels(p[0], p[1], p[2], p[3])));
    buffer.setData(1, y, QString::number(EncodePixels(p[4], p[5], p[6], p[7])));
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
    const auto code = PaintCode(paint.text);
    if (!code)
        return;
    drawSurfaceCell(mCursorX, mCursorY, paint.color);
    buffer.setGrid(mCursorX, mCursorY, *code);
    buffer.Calcdata();
    ladenEnabled = false;
    if (withPreview)
        drawPreviewPixel(mCursorX, mCursorY, paint.color);
}

void PatternEditor::surfaceMouseMove(int x, int y, bool leftHeld)
{
    mCursorX = std::max(0, x / 32);
    mCursorY = std::max(0, y / 16);
    if (!leftHeld)
        return;
    if (isPlayerMode() && InsidePattern(mCursorX, mCursorY)) {
        if (paint.text == QLatin1String("0")) {
            paint.color = registers[0].displayColor;
        } else if (const auto code = PaintCode(paint.text)) {
            paint.color = rowColors.at(code->toInt() - 1, mCursorY).displayColor;
        }
    }
    paintCurrentCell(true);
}

void PatternEditor::surfaceMousePress()
{
    paintCurrentCell(false);
}

void PatternEditor::surfaceMouseRelease(int x, int y)
{
    mCursorX = std::max(0, x / 32);
    mCursorY = std::max(0, y / 16);
    if (!InsidePattern(mCursorX, mCursorY))
        return;
    drawSurfaceCell(mCursorX, mCursorY, paint.color);
    drawPreviewPixel(mCursorX, mCursorY, paint.color);
}

void PatternEditor::surfaceDoubleClick()
{
    paintCurrentCell(true);
}

void PatternEditor::Fill()
{
    // The byte with all four pixels v; v is kept a pixel code so no byte leaves 0-255.
    const int v = std::clamp(StrToIntDef(paint.text, 0), 0, 3);
    buffer.fillData(QString::number(v * 85));
    buffer.ReCalcdata();
    DrawDefine();
}

void PatternEditor::rotateRows(int shift)
{
    // shift -1 moves every row up (row 0 to 15), +1 down; the row colours move with their rows.
    std::array<std::array<QString, 2>, EditBuffer::kHeight> data;
    std::array<RowColorTable::Row, RowColorTable::kRows> colors;
    for (int r = 0; r < EditBuffer::kHeight; ++r) {
        const int to = (r + shift + EditBuffer::kHeight) % EditBuffer::kHeight;
        data[to] = {buffer.data(0, r), buffer.data(1, r)};
        colors[to] = rowColors.row(r);
    }
    for (int r = 0; r < EditBuffer::kHeight; ++r) {
        buffer.setData(0, r, data[r][0]);
        buffer.setData(1, r, data[r][1]);
        rowColors.row(r) = colors[r];
    }
    buffer.ReCalcdata();
    DrawDefine();
}

void PatternEditor::RotateUp() { rotateRows(-1); }
void PatternEditor::RotateDown() { rotateRows(1); }

template <class Transform>
void PatternEditor::transformRows(Transform transform)
{
    for (int y = 0; y < EditBuffer::kHeight; ++y)
        SetRowPixels(buffer, y, transform(RowPixels(buffer, y)));
    buffer.ReCalcdata();
    DrawDefine();
}

void PatternEditor::RotateLeft()
{
    transformRows([](const std::array<int, 8>& p) {
        return std::array<int, 8>{p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[0]};
    });
}

void PatternEditor::RotateRight()
{
    transformRows([](const std::array<int, 8>& p) {
        return std::array<int, 8>{p[7], p[0], p[1], p[2], p[3], p[4], p[5], p[6]};
    });
}

void PatternEditor::MirrorLeftRight()
{
    transformRows([](const std::array<int, 8>& p) {
        return std::array<int, 8>{p[7], p[6], p[5], p[4], p[3], p[2], p[1], p[0]};
    });
}

void PatternEditor::MirrorTopBottom()
{
    for (int r = 0; r < 8; ++r) {
        const int other = 15 - r;
        for (int h = 0; h < 2; ++h) {
            const QString t = buffer.data(h, r);
            buffer.setData(h, r, buffer.data(h, other));
            buffer.setData(h, other, t);
        }
        std::swap(rowColors.row(r), rowColors.row(other));
    }
    buffer.ReCalcdata();
    DrawDefine();
}

void PatternEditor::Swap()
{
    Speichern();
    const int p = mPattern;
    const int q = mSwapPattern;
    for (int s = 1; s <= PatternStore::kSets; ++s) {
        for (int y = 0; y < EditBuffer::kHeight; ++y) {
            for (int h = 0; h < 2; ++h) {
                const QString t = store.patternByte(s, p, y, h);
                store.setPatternByte(s, p, y, h, store.patternByte(s, q, y, h));
                store.setPatternByte(s, q, y, h, t);
            }
        }
        UpdatePattern(p - 1, s - 1);
        UpdatePattern(q - 1, s - 1);
    }
    Laden();
}

void PatternEditor::TypeData(int half, int y, const QString& text)
{
    if (half < 0 || half > 1 || y < 0 || y >= EditBuffer::kHeight)
        return;
    buffer.setData(half, y, text);
    addInfo(QStringLiteral("hi"));
    buffer.ReCalcdata();
    DrawDefine();
}

void PatternEditor::ChangeMode(const QString& text)
{
    Speichern();
    mode = text;
    Laden();
}
