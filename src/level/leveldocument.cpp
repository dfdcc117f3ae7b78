// The level document: its texts and the plain operations that change them (the undoable steps:
// leveldocument_history.cpp).
#include "level/leveldocument.h"

#include "common/intconv.h"
#include "palette/ataripalette.h"
#include "pattern/colorregisterset.h"

#include <algorithm>
#include <utility>

namespace {

const QString kEmpty;

constexpr std::array<const char16_t*, LevelDocument::kMonsterRows> kMonsterHints = {
    u"Aktive Nummer (0-10 = die eigene Nr = aktiv / 0 = inaktiv) z.B. 1",
    u"X-Position  (0 - 127 = x-Patternnummer)   z.B. 50",
    u"Y-Position  (0 - 9 = y-Patternnummer)     z.B. 5",
    u"Pixel-Speed  (1-4 = Wie viele Pixel pro Bewegung)  z.B. 1",
    u"Warte-Zyklus (1-4 = Wie lange warten bis Bewegung)  z.B  1",
    u"Monster-Typ  (0-9 = Verschiedene Farbschemata)   z.B. 5",
    u"Blickrichtung (U=Unten / O=Oben / L=Links / R=Rechts) z.B. L",
    u"Umkehrrichtung (L=Lingsdrehen / R=Rechtsdrehen / U=Umkehr) z.B. U    (Zur Zeit nur U)",
};

constexpr std::array<const char16_t*, LevelDocument::kSwitchRows> kSwitchHints = {
    u"X-Position des Schalters (0 - 127, bei 0 = Schalter nicht aktiv)   z.B. 50",
    u"Y-Position des Schalters (0 - 9)     z.B. 5",
    u"X-Position des Zielfeldes (0 - 127)   z.B. 100",
    u"Y-Position des Zielfeldes (0 - 9)     z.B. 7",
    u"Welches Pattern soll erscheinen? (Pattern-Nummer 0 - 127)   z.B. 12",
};

// Columns D and E of the standard colours, lines 1-10.
constexpr std::array<AtariColor, LevelDocument::kColorLines> kStandardD = {0x36, 0x8A, 0x1E, 0xB6, 0x36,
                                                                          0x8A, 0x1E, 0xB6, 0x36, 0x8A};
constexpr std::array<AtariColor, LevelDocument::kColorLines> kStandardE = {0x9E, 0x4E, 0x1E, 0xCE, 0x2C,
                                                                          0x7E, 0x5E, 0x6E, 0xDE, 0xAE};

QChar LineChar(int line) { return line == 10 ? QLatin1Char('A') : QChar(u'0' + line); }

LevelChange PartChange(LevelChange::Part part)
{
    LevelChange change;
    change.parts = part;
    return change;
}

} // namespace

QString ColorLineKey(int column, int line)
{
    return QString(QChar(u'A' + column)) + LineChar(line);
}

std::optional<std::pair<int, int>> ParseColorLineKey(const QString& key)
{
    if (key.size() != 2)
        return std::nullopt;
    const int column = key[0].unicode() - u'A';
    const QChar l = key[1];
    int line = 0;
    if (l == QLatin1Char('A'))
        line = 10;
    else if (l >= QLatin1Char('1') && l <= QLatin1Char('9'))
        line = l.unicode() - u'0';
    if (column < 0 || column >= LevelDocument::kColorColumns || line == 0)
        return std::nullopt;
    return std::make_pair(column, line);
}

void LevelChange::merge(const LevelChange& other)
{
    parts |= other.parts;
    if (has(Grid)) {
        // A whole-grid change covers every cell.
        parts &= ~Cells;
        cells.clear();
    } else {
        for (const QPoint& p : other.cells)
            if (!cells.contains(p))
                cells << p;
    }
    for (int line : other.colorLines)
        if (!colorLines.contains(line))
            colorLines << line;
    redraw = std::max(redraw, other.redraw);
    fromStep = fromStep || other.fromStep;
}

LevelDocument::LevelDocument(QObject* parent) : QObject(parent)
{
    mTime = {QStringLiteral("0"), QStringLiteral("4"), QStringLiteral("0"), QStringLiteral("0")};
    InitMonsterTable();
    InitSwitchTable();
    markSaved();
}

LevelDocument::~LevelDocument() = default;

// --- announcements -----------------------------------------------------------------------------------

void LevelDocument::announce(const LevelChange& change)
{
    LevelChange c = change;
    if (mStepRedraw) {
        c.fromStep = true;
        c.redraw = std::max(c.redraw, *mStepRedraw);
    }
    if (mBatchDepth > 0) {
        mPending.merge(c);
        return;
    }
    emit changed(c);
}

void LevelDocument::announceCell(int x, int y)
{
    LevelChange change = PartChange(LevelChange::Cells);
    change.cells << QPoint(x, y);
    announce(change);
}

LevelDocument::Batch::Batch(LevelDocument& document) : mDocument(document) { ++mDocument.mBatchDepth; }

LevelDocument::Batch::~Batch()
{
    if (--mDocument.mBatchDepth > 0 || mDocument.mPending.isEmpty())
        return;
    const LevelChange change = std::exchange(mDocument.mPending, LevelChange());
    emit mDocument.changed(change);
}

LevelDocument::StepRun::StepRun(LevelDocument& document, LevelRedraw redraw)
    : mDocument(document), mOuter(document.mStepRedraw)
{
    mDocument.mStepRedraw = std::max(mOuter.value_or(LevelRedraw::Nothing), redraw);
    mBatch.emplace(document);
}

LevelDocument::StepRun::~StepRun()
{
    // The announcement goes out while the run is still marked.
    mBatch.reset();
    mDocument.mStepRedraw = mOuter;
}

// --- grid --------------------------------------------------------------------------------------------

const QString& LevelDocument::code(int position, int y) const
{
    if (position < 0 || position >= kCodes || y < 0 || y >= kRows)
        return kEmpty;
    return mGrid[y][position];
}

int LevelDocument::cellPattern(int x, int y) const
{
    return StrToInt(leftCode(x, y)) / 2;
}

void LevelDocument::writeCell(int x, int y, int pattern)
{
    if (!inGrid(x, y))
        return;
    mGrid[y][2 * x] = writtenLeftCode(pattern);
    mGrid[y][2 * x + 1] = writtenRightCode(pattern);
    announceCell(x, y);
}

bool LevelDocument::holdsWritten(int x, int y, int pattern) const
{
    return !inGrid(x, y)
        || (leftCode(x, y) == writtenLeftCode(pattern) && rightCode(x, y) == writtenRightCode(pattern));
}

void LevelDocument::setCellCodes(int x, int y, const QString& left, const QString& right)
{
    if (!inGrid(x, y))
        return;
    mGrid[y][2 * x] = left;
    mGrid[y][2 * x + 1] = right;
    announceCell(x, y);
}

void LevelDocument::setCode(int position, int y, const QString& text)
{
    if (position < 0 || position >= kCodes || y < 0 || y >= kRows)
        return;
    mGrid[y][position] = text;
    announceCell(position / 2, y);
}

void LevelDocument::InitEmptyLevel(int pattern)
{
    Batch batch(*this);
    announce(PartChange(LevelChange::Grid));
    for (int x = 0; x < kColumns; ++x)
        for (int y = 0; y < kRows; ++y)
            writeCell(x, y, emptyLevelPattern(x, pattern));
    InitMonsterTable();
    InitSwitchTable();
}

int LevelDocument::emptyLevelPattern(int x, int pattern)
{
    // Borders of pattern 0 in the five columns at either end, a wall of pattern 3 inside each.
    if (x <= 4 || x >= 124)
        return 0;
    if (x == 5 || x == 123)
        return 3;
    return pattern;
}

std::vector<QString> LevelDocument::gridCodes() const
{
    std::vector<QString> codes;
    codes.reserve(kRows * kCodes);
    for (const auto& row : mGrid)
        codes.insert(codes.end(), row.begin(), row.end());
    return codes;
}

void LevelDocument::setGridCodes(const std::vector<QString>& codes)
{
    for (int y = 0; y < kRows; ++y)
        for (int i = 0; i < kCodes; ++i) {
            const size_t k = static_cast<size_t>(y * kCodes + i);
            mGrid[y][i] = k < codes.size() ? codes[k] : QString();
        }
    announce(PartChange(LevelChange::Grid));
}

// --- colour lines -------------------------------------------------------------------------------------

const ColorLineEntry& LevelDocument::colorEntry(int column, int line) const
{
    static const ColorLineEntry none;
    if (column < 0 || column >= kColorColumns || line < 1 || line > kColorLines)
        return none;
    return mColors[line - 1][column];
}

void LevelDocument::setColorEntry(int column, int line, const ColorLineEntry& entry)
{
    if (column < 0 || column >= kColorColumns || line < 1 || line > kColorLines)
        return;
    mColors[line - 1][column] = entry;
    LevelChange change = PartChange(LevelChange::ColorLines);
    change.colorLines << line;
    announce(change);
}

void LevelDocument::setColorEntries(const ColorEntries& entries)
{
    Batch batch(*this);
    for (int line = 1; line <= kColorLines; ++line)
        for (int c = 0; c < kColorColumns; ++c)
            setColorEntry(c, line, entries[line - 1][c]);
}

void LevelDocument::takeRegisterColors(const ColorRegisterSet& registers)
{
    setColorEntries(takenOverColors(registers));
}

void LevelDocument::Farbenstandard(const ColorRegisterSet& registers)
{
    setColorEntries(standardColors(registers));
}

LevelDocument::ColorEntries LevelDocument::takenOverColors(const ColorRegisterSet& registers)
{
    ColorEntries entries;
    for (auto& line : entries)
        for (int c = 0; c < kColorColumns; ++c)
            line[c] = {registers[c].code(), registers[c].displayColor, registers[c].textColor};
    return entries;
}

LevelDocument::ColorEntries LevelDocument::standardColors(const ColorRegisterSet& registers)
{
    ColorEntries entries;
    for (int line = 1; line <= kColorLines; ++line) {
        auto& row = entries[line - 1];
        for (int c = 0; c < 3; ++c)
            row[c] = {registers[c].code(), registers[c].displayColor, kWhite};
        const AtariColor d = kStandardD[line - 1];
        const AtariColor e = kStandardE[line - 1];
        row[3] = {ColorCodeOf(d), PaletteColor(d), kWhite};
        row[4] = {ColorCodeOf(e), PaletteColor(e), kWhite};
    }
    return entries;
}

// --- time ---------------------------------------------------------------------------------------------

const QString& LevelDocument::timeDigit(int index) const
{
    return index >= 0 && index < kTimeDigits ? mTime[index] : kEmpty;
}

void LevelDocument::setTimeDigit(int index, int value)
{
    if (index < 0 || index >= kTimeDigits)
        return;
    mTime[index] = QString::number(std::clamp(value, 0, 9));
    announce(PartChange(LevelChange::Time));
}

// --- tables -------------------------------------------------------------------------------------------

QString LevelDocument::tableHeader(LevelTable table, int column)
{
    if (table == LevelTable::Monsters)
        return QStringLiteral("Mon #") + (QStringLiteral("0") + QString::number(column)).right(2);
    return QStringLiteral("S0") + QString::number(column);
}

QString LevelDocument::tableHint(LevelTable table, int row)
{
    if (row < 1 || row > tableRows(table))
        return QString();
    return QString::fromUtf16(table == LevelTable::Monsters ? kMonsterHints[row - 1] : kSwitchHints[row - 1]);
}

QString* LevelDocument::tableSlot(LevelTable table, int row, int column)
{
    if (row < 1 || row > tableRows(table) || column < 1 || column > tableColumns(table))
        return nullptr;
    return table == LevelTable::Monsters ? &mMonsters[row - 1][column - 1] : &mSwitches[row - 1][column - 1];
}

const QString& LevelDocument::tableCell(LevelTable table, int row, int column) const
{
    const QString* slot = const_cast<LevelDocument*>(this)->tableSlot(table, row, column);
    return slot ? *slot : kEmpty;
}

void LevelDocument::setTableCell(LevelTable table, int row, int column, const QString& text)
{
    QString* slot = tableSlot(table, row, column);
    if (!slot)
        return;
    *slot = text;
    announce(PartChange(table == LevelTable::Monsters ? LevelChange::Monsters : LevelChange::Switches));
}

QString LevelDocument::initialTableCell(LevelTable table, int row, int column)
{
    if (table == LevelTable::Switches)
        return QStringLiteral("0");
    switch (row) {
    case 4:
    case 5:
        return QStringLiteral("1");
    case 6:
        return QString::number(column - 1); // the colour scheme of its own number
    case 7:
        return QStringLiteral("L");
    case 8:
        return QStringLiteral("U");
    default:
        return QStringLiteral("0");
    }
}

void LevelDocument::InitMonsterTable()
{
    Batch batch(*this);
    for (int n = 1; n <= kMonsters; ++n)
        for (int row = 1; row <= kMonsterRows; ++row)
            setTableCell(LevelTable::Monsters, row, n, initialTableCell(LevelTable::Monsters, row, n));
}

void LevelDocument::InitSwitchTable()
{
    Batch batch(*this);
    for (int n = 1; n <= kSwitches; ++n)
        for (int row = 1; row <= kSwitchRows; ++row)
            setTableCell(LevelTable::Switches, row, n, initialTableCell(LevelTable::Switches, row, n));
}

std::vector<QString> LevelDocument::tableCells(LevelTable table) const
{
    std::vector<QString> cells;
    for (int row = 1; row <= tableRows(table); ++row)
        for (int column = 1; column <= tableColumns(table); ++column)
            cells.push_back(tableCell(table, row, column));
    return cells;
}

void LevelDocument::setTableCells(LevelTable table, const std::vector<QString>& cells)
{
    Batch batch(*this);
    size_t k = 0;
    for (int row = 1; row <= tableRows(table); ++row)
        for (int column = 1; column <= tableColumns(table); ++column, ++k)
            setTableCell(table, row, column, k < cells.size() ? cells[k] : QString());
}

// --- texts --------------------------------------------------------------------------------------------

void LevelDocument::setAuthor(const QString& text)
{
    mAuthor = text;
    announce(PartChange(LevelChange::Texts));
}

void LevelDocument::setTitle(const QString& text)
{
    mTitle = text;
    announce(PartChange(LevelChange::Texts));
}

void LevelDocument::setTip1(const QString& text)
{
    mTip1 = text;
    announce(PartChange(LevelChange::Texts));
}

void LevelDocument::setTip2(const QString& text)
{
    mTip2 = text;
    announce(PartChange(LevelChange::Texts));
}

void LevelDocument::clearHistory()
{
    mHistory.clear();
}

// --- saved state ----------------------------------------------------------------------------------------

std::array<QString, 4 + LevelDocument::kTimeDigits> LevelDocument::unrecordedFields() const
{
    return {mAuthor, mTitle, mTip1, mTip2, mTime[0], mTime[1], mTime[2], mTime[3]};
}

bool LevelDocument::isModified() const
{
    return mMatchesNoFile || !mHistory.isClean() || unrecordedFields() != mSavedFields;
}

void LevelDocument::markSaved()
{
    mMatchesNoFile = false;
    mHistory.setClean();
    mSavedFields = unrecordedFields();
}
