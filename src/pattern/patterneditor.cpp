// The session state, store access, the colour rule, and the drawing of the overview, editing
// surface and preview through the pictures.
#include "pattern/patterneditor.h"

#include "common/displaytext.h"

#include <algorithm>
#include <utility>

PatternEditor::PatternEditor()
{
    // The document's stack, made now so that const readers find it.
    history();
    resetRowColorsToRegisters();
    drawRowColorGrid();
    mDocument.takeChanges();
}

void PatternEditor::setCurrentSet(int set)
{
    mSet = std::clamp(set, 1, PatternStore::kSets);
    mRunAnchor = mPattern;
    note(EditorPart::Selection);
}

void PatternEditor::setCurrentPattern(int pattern)
{
    mPattern = std::clamp(pattern, 1, PatternStore::kPatterns);
    mRunAnchor = mPattern;
    note(EditorPart::Selection);
}

void PatternEditor::extendRunTo(int pattern)
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
    // "Füllen" with the paint value "0": every byte of the edit buffer becomes "0". The surface is
    // drawn once, below, with the row colours reset.
    mBuffer.fillData(QStringLiteral("0"));
    resetRowColorsToRegisters();
    mBuffer.fillGrid(QStringLiteral("0"));
    mDocument.clearStore();
    // Every pattern of the cleared store has only pixel value 0: the whole overview takes F0.
    note(EditorPart::Overview);
    mPicture.fillOverview(registers()[0].displayColor);
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

void PatternEditor::addInfo(const QString& line)
{
    // Typed texts are echoed here: a control character in one must not cut the log's text.
    if (mInfo)
        mInfo(VisibleText(line));
}

void PatternEditor::UpdatePattern(int x, int y)
{
    if (x < 0 || x >= PatternStore::kPatterns || y < 0 || y >= PatternStore::kSets)
        return;
    note(EditorPart::Overview);
    mPicture.drawPattern(x, y, store(), registers());
}

void PatternEditor::updateAllPatterns()
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
        return registers()[0].displayColor;
    if (isPlayerMode() && row >= 0 && row < RowColorTable::kRows)
        return rowColors().at(k - 1, row).displayColor;
    return registers()[k].displayColor;
}

void PatternEditor::drawPixel(int x, int y)
{
    if (x < 0 || x >= EditBuffer::kWidth || y < 0 || y >= EditBuffer::kHeight)
        return;
    const PackedColor color = pixelColor(mBuffer.grid(x, y), y);
    note(EditorPart::Surface);
    mPicture.drawSurfaceCell(x, y, color);
    mPicture.drawPreviewPixel(x, y, color);
}

void PatternEditor::DrawDefine()
{
    for (int l = 0; l < EditBuffer::kHeight; ++l)
        for (int k = 0; k < EditBuffer::kWidth; ++k)
            drawPixel(k, l);
}
