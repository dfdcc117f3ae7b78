// Colour registers, the player mode's row colours, and the animation of pattern sets.
#include "pattern/patterneditor.h"

#include "common/intconv.h"
#include "palette/ataripalette.h"
#include "pattern/undo_step.h"

#include <algorithm>
#include <utility>

namespace {

// Sum of two ColorCodes digit by digit, each digit limited to 15.
QString DerivedCode(const QString& a, const QString& b)
{
    const int hue = std::min(15, ColorCodeDigitValue(a.size() > 0 ? a[0] : QChar()) + ColorCodeDigitValue(b.size() > 0 ? b[0] : QChar()));
    const int lum = std::min(15, ColorCodeDigitValue(a.size() > 1 ? a[1] : QChar()) + ColorCodeDigitValue(b.size() > 1 ? b[1] : QChar()));
    return ColorCodeOf(hue, lum);
}

PackedColor ColorOfCode(const QString& code)
{
    return PaletteColor(ColorCodeDigitValue(code[0]), ColorCodeDigitValue(code[1]));
}

// White text on dark panels: the second caption character before "A" means luminance 0-9.
PackedColor TextColorFor(const QString& code)
{
    return code.size() > 1 && code[1] >= QLatin1Char('A') ? kBlack : kWhite;
}

} // namespace

void PatternEditor::selectRegister(int k)
{
    if (k < 0 || k >= ColorRegisterSet::kCount)
        return;
    // F4 has no pixel code of its own: its panel selects code 3.
    const int code = std::min(k, 3);
    setPaint({QString::number(code), registers()[code].displayColor, registers()[code].textColor});
}

std::optional<PatternEditor::ColorRequest> PatternEditor::requestRegister(int k)
{
    if (k < 0 || k >= ColorRegisterSet::kCount || (k == 3 && isPlayerMode()))
        return std::nullopt;
    Speichern();
    setPaintText(QString::number(k));
    return ColorRequest{registers()[k].code(), registers()[k].displayColor, registers()[k].textColor};
}

void PatternEditor::acceptRegister(PackedColor color, const QString& code)
{
    mPaint.color = color;
    mPaint.textColor = TextColorFor(code);
    note(EditorPart::Paint);
    const QString text = mPaint.text;
    record(
        PatternStepKind::RegisterColor,
        [&](PatternDraft& d) {
            const auto k = TryStrToInt(text);
            if (k && *k >= 0 && *k < ColorRegisterSet::kCount && text.size() == 1)
                d.registers[*k] = {QStringLiteral("F%1: %2").arg(*k).arg(code), color, TextColorFor(code)};
            if (isPlayerMode())
                deriveF3(d.registers);
            d.redrawAll = true;
            d.drawSurface(SurfaceDrawing::Whole);
        },
        text);
}

void PatternEditor::deriveF3(ColorRegisterSet& registers)
{
    const QString code = DerivedCode(registers[1].code(), registers[2].code());
    registers[3].caption = QStringLiteral("F3: ") + code;
    registers[3].displayColor = ColorOfCode(code);
    addInfo(QString());
}

void PatternEditor::calc3()
{
    ColorRegisterSet derived = registers();
    deriveF3(derived);
    mDocument.setRegister(3, derived[3]);
}

bool PatternEditor::requestRowColor(int column)
{
    setPaintText(QStringLiteral("0"));
    return column >= 0 && column < 2;
}

void PatternEditor::acceptRowColor(int column, int row, PackedColor color, const QString& code)
{
    // The target comes back through the palette's two number fields: never trust it as an index.
    if (column < 0 || column >= RowColorTable::kColumns || row < 0 || row >= RowColorTable::kRows)
        return;
    record(PatternStepKind::RowColor, [&](PatternDraft& d) {
        d.rowColors.at(column, row) = {color, code};
        const QString derived = DerivedCode(d.rowColors.at(0, row).code, d.rowColors.at(1, row).code);
        d.rowColors.at(2, row) = {ColorOfCode(derived), derived};
        d.drawSurface(SurfaceDrawing::Whole);
    });
}

void PatternEditor::farbenInit()
{
    record(PatternStepKind::ColorInit, [this](PatternDraft& d) {
        deriveF3(d.registers);
        for (int r = 0; r < RowColorTable::kRows; ++r)
            for (int c = 0; c < RowColorTable::kColumns; ++c)
                d.rowColors.at(c, r) = {d.registers[c + 1].displayColor, d.registers[c + 1].code()};
        d.drawSurface(SurfaceDrawing::Whole);
    });
}

void PatternEditor::setSpeed(int value)
{
    mAnimation.setSpeed(value);
    note(EditorPart::Animation);
}

void PatternEditor::toggleAnimation()
{
    mAnimation.readPhases(mDocument.phases(), [this](const QString& line) { addInfo(line); });
    note(EditorPart::Animation);
    if (!mAnimation.running()) {
        Speichern();
        mAnimation.setRunning(true);
        mBufferBeforeAnimation = mBuffer;
    } else {
        // The frames shown are no steps: the buffer goes back as the animation found it, and the
        // reload is a step from there.
        mAnimation.setRunning(false);
        if (const auto found = std::exchange(mBufferBeforeAnimation, std::nullopt))
            for (int y = 0; y < EditBuffer::kHeight; ++y) {
                for (int x = 0; x < EditBuffer::kWidth; ++x)
                    setGridCell(x, y, found->grid(x, y));
                for (int h = 0; h < 2; ++h)
                    setDataCell(h, y, found->data(h, y));
            }
        setLadenEnabled(true);
        Laden();
    }
}

void PatternEditor::animationStep()
{
    const int set = mAnimation.nextSet();
    if (set < 0)
        return;
    // A frame shown is no step: the buffer takes the frame's pattern and the surface shows it.
    setBufferOrigin(set + 1, mPattern);
    for (int y = 0; y < EditBuffer::kHeight; ++y)
        for (int h = 0; h < 2; ++h)
            mBuffer.setData(h, y, store().patternByte(set + 1, mPattern, y, h));
    ReCalcdata();
    DrawDefine();
}

void PatternEditor::drawRowColorGrid()
{
    mPicture.drawRowColorGrid(rowColors(), mRowColumn, mRowRow);
}

void PatternEditor::selectRowColorCell(int x, int y)
{
    mRowColumn = std::clamp(x / 20, 0, RowColorTable::kColumns - 1);
    mRowRow = std::clamp(y / 16, 0, RowColorTable::kRows - 1);
    note(EditorPart::RowColors);
    drawRowColorGrid();
}
