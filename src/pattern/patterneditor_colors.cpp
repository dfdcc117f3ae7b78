// Colour registers, the player mode's row colours, and the animation of pattern sets.
#include "pattern/patterneditor.h"

#include "common/errors.h"
#include "common/intconv.h"
#include "palette/ataripalette.h"
#include "common/packedcolor_picture.h"

#include <QPainter>
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
    const StepScope step(*this, StepKind::Color, QStringLiteral("Farbe F%1").arg(mPaint.text));
    mPaint.color = color;
    mPaint.textColor = TextColorFor(code);
    note(EditorPart::Paint);
    const auto k = TryStrToInt(mPaint.text);
    if (k && *k >= 0 && *k < ColorRegisterSet::kCount && mPaint.text.size() == 1)
        mDocument.setRegister(*k, {QStringLiteral("F%1: %2").arg(*k).arg(code), color, TextColorFor(code)});
    if (isPlayerMode())
        calc3();
    updateAllPatterns();
    DrawDefine();
}

void PatternEditor::calc3()
{
    const QString code = DerivedCode(registers()[1].code(), registers()[2].code());
    ColorRegister f3 = registers()[3];
    f3.caption = QStringLiteral("F3: ") + code;
    f3.displayColor = ColorOfCode(code);
    mDocument.setRegister(3, f3);
    addInfo(QString());
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
    const StepScope step(*this, StepKind::Color, QStringLiteral("Zeilenfarbe"));
    mDocument.setRowColor(column, row, {color, code});
    const QString derived = DerivedCode(rowColors().at(0, row).code, rowColors().at(1, row).code);
    mDocument.setRowColor(2, row, {ColorOfCode(derived), derived});
    DrawDefine();
}

void PatternEditor::farbenInit()
{
    const StepScope step(*this, StepKind::Color, QStringLiteral("Farben Init"));
    calc3();
    for (int r = 0; r < RowColorTable::kRows; ++r)
        for (int c = 0; c < RowColorTable::kColumns; ++c)
            mDocument.setRowColor(c, r, {registers()[c + 1].displayColor, registers()[c + 1].code()});
    DrawDefine();
}

void PatternEditor::setSpeed(int value)
{
    mInterval = value * 1000 / 50;
    note(EditorPart::Animation);
}

void PatternEditor::toggleAnimation()
{
    mPhasePosition = -1;
    mPhaseTable.fill(0);
    QString rest = mDocument.phases();
    if (!rest.endsWith(QLatin1Char(';')))
        rest += QLatin1Char(';');
    // Each token is listed, converted and stored; the loop takes at least two tokens, so a
    // single phase fails on its empty second token. Phases must name one of the eight sets, and
    // the table keeps at most 64 of them.
    int count = 0;
    do {
        ++count;
        const qsizetype end = rest.indexOf(QLatin1Char(';'));
        const QString token = end < 0 ? rest : rest.left(end);
        rest = end < 0 ? QString() : rest.mid(end + 1);
        addInfo(token);
        const int set = StrToInt(token);
        if (set < 1 || set > PatternStore::kSets)
            throw TavrelError(QStringLiteral("Phase %1 liegt nicht zwischen 1 und %2").arg(set).arg(PatternStore::kSets));
        if (count <= kMaxPhases)
            mPhaseTable[count - 1] = set - 1;
    } while (count < 2 || !rest.isEmpty());
    addInfo(QStringLiteral("#%1").arg(count));
    mPhaseCount = std::min(count, kMaxPhases);

    note(EditorPart::Animation);
    if (!mAnimating) {
        Speichern();
        mAnimating = true;
        mBufferBeforeAnimation = mBuffer;
    } else {
        // The frames shown are no steps: the reload is undone to the buffer as the animation found it.
        mAnimating = false;
        const StepScope step(*this, StepKind::Buffer, QStringLiteral("Laden"));
        restartStepFrom(std::exchange(mBufferBeforeAnimation, std::nullopt));
        setLadenEnabled(true);
        loadDataFrom(mSet, mPattern);
    }
}

void PatternEditor::animationStep()
{
    if (mPhaseCount <= 0)
        return;
    ++mPhasePosition;
    if (mPhasePosition >= mPhaseCount)
        mPhasePosition = 0;
    loadDataFrom(mPhaseTable[mPhasePosition] + 1, mPattern);
}

void PatternEditor::drawRowColorGrid()
{
    QPainter painter(&mRowGrid);
    painter.fillRect(mRowGrid.rect(), QColor(128, 128, 128));
    for (int r = 0; r < RowColorTable::kRows; ++r)
        for (int c = 0; c < RowColorTable::kColumns; ++c)
            painter.fillRect(21 * c, 16 * r, 20, 15, ToQColor(rowColors().at(c, r).displayColor));
    // The selected cell gets a two-tone frame that shows on any colour.
    const QRect cell(21 * mRowColumn, 16 * mRowRow, 19, 14);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(cell);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(cell);
}

void PatternEditor::selectRowColorCell(int x, int y)
{
    mRowColumn = std::clamp(x / 20, 0, RowColorTable::kColumns - 1);
    mRowRow = std::clamp(y / 16, 0, RowColorTable::kRows - 1);
    note(EditorPart::RowColors);
    drawRowColorGrid();
}
