// Colour registers, the player mode's row colours, and the animation of pattern sets.
#include "pattern/patterneditor.h"

#include "common/errors.h"
#include "common/intconv.h"
#include "palette/ataripalette.h"

#include <QPainter>
#include <algorithm>

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

void PatternEditor::SelectRegister(int k)
{
    if (k < 0 || k >= ColorRegisterSet::kCount)
        return;
    // F4 has no pixel code of its own: its panel selects code 3.
    const int code = std::min(k, 3);
    paint.text = QString::number(code);
    paint.color = registers[code].displayColor;
    paint.textColor = registers[code].textColor;
}

std::optional<PatternEditor::ColorRequest> PatternEditor::RequestRegister(int k)
{
    if (k < 0 || k >= ColorRegisterSet::kCount || (k == 3 && isPlayerMode()))
        return std::nullopt;
    Speichern();
    paint.text = QString::number(k);
    return ColorRequest{registers[k].code(), registers[k].displayColor, registers[k].textColor};
}

void PatternEditor::AcceptRegister(PackedColor color, const QString& code)
{
    paint.color = color;
    paint.textColor = TextColorFor(code);
    const auto k = TryStrToInt(paint.text);
    if (k && *k >= 0 && *k < ColorRegisterSet::kCount && paint.text.size() == 1) {
        registers[*k].displayColor = color;
        registers[*k].caption = QStringLiteral("F%1: %2").arg(*k).arg(code);
        registers[*k].textColor = TextColorFor(code);
    }
    if (isPlayerMode())
        calc3();
    UpdateAllPatterns();
    DrawDefine();
}

void PatternEditor::calc3()
{
    const QString code = DerivedCode(registers[1].code(), registers[2].code());
    registers[3].caption = QStringLiteral("F3: ") + code;
    registers[3].displayColor = ColorOfCode(code);
    addInfo(QString());
}

bool PatternEditor::RequestRowColor(int column)
{
    paint.text = QStringLiteral("0");
    return column >= 0 && column < 2;
}

void PatternEditor::AcceptRowColor(int column, int row, PackedColor color, const QString& code)
{
    // The target comes back through the palette's two number fields: never trust it as an index.
    if (column < 0 || column >= RowColorTable::kColumns || row < 0 || row >= RowColorTable::kRows)
        return;
    rowColors.at(column, row) = {color, code};
    const QString derived = DerivedCode(rowColors.at(0, row).code, rowColors.at(1, row).code);
    rowColors.at(2, row) = {ColorOfCode(derived), derived};
    DrawDefine();
}

void PatternEditor::FarbenInit()
{
    calc3();
    for (int r = 0; r < RowColorTable::kRows; ++r)
        for (int c = 0; c < RowColorTable::kColumns; ++c)
            rowColors.at(c, r) = {registers[c + 1].displayColor, registers[c + 1].code()};
    DrawDefine();
}

void PatternEditor::SetSpeed(int value)
{
    mInterval = value * 1000 / 50;
}

void PatternEditor::ToggleAnimation()
{
    mPhasePosition = -1;
    mPhaseTable.fill(0);
    QString rest = phases;
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

    if (!mAnimating) {
        Speichern();
        mAnimating = true;
    } else {
        mAnimating = false;
        ladenEnabled = true;
        Laden();
    }
}

void PatternEditor::AnimationStep()
{
    if (mPhaseCount <= 0)
        return;
    ++mPhasePosition;
    if (mPhasePosition >= mPhaseCount)
        mPhasePosition = 0;
    loadDataFrom(mPhaseTable[mPhasePosition] + 1, mPattern);
}

void PatternEditor::DrawRowColorGrid()
{
    QPainter painter(&mRowGrid);
    painter.fillRect(mRowGrid.rect(), QColor(128, 128, 128));
    for (int r = 0; r < RowColorTable::kRows; ++r)
        for (int c = 0; c < RowColorTable::kColumns; ++c)
            painter.fillRect(21 * c, 16 * r, 20, 15, ToQColor(rowColors.at(c, r).displayColor));
    // The selected cell gets a two-tone frame that shows on any colour.
    const QRect cell(21 * mRowColumn, 16 * mRowRow, 19, 14);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(cell);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(cell);
}

void PatternEditor::SelectRowColorCell(int x, int y)
{
    mRowColumn = std::clamp(x / 20, 0, RowColorTable::kColumns - 1);
    mRowRow = std::clamp(y / 16, 0, RowColorTable::kRows - 1);
    DrawRowColorGrid();
}
