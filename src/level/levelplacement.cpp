// The placement of monsters, switches and targets, and the table resets.
#include "level/levelplacement.h"

#include "common/errors.h"
#include "common/intconv.h"
#include "level/leveldocument.h"
#include "level/leveldrawing.h"
#include "level/leveledits.h"
#include "level/undo_placement.h"
#include "level/undo_tablereset.h"

namespace {

const QString kMonster = QStringLiteral("monster");
const QString kSchalter = QStringLiteral("schalter");
const QString kZiel = QStringLiteral("ziel");
const QString kMausX = QStringLiteral("Maus X");
const QString kMausY = QStringLiteral("Maus Y");

// Rows of the switch table.
constexpr int kSwitchX = 1, kSwitchY = 2, kTargetX = 3, kTargetY = 4, kTargetPattern = 5;
// Rows of the monster table.
constexpr int kActive = 1, kPosX = 2, kPosY = 3;

// Patterns a switch leaves behind and shows.
constexpr int kFloor = 1, kSwitchOff = 28;

} // namespace

LevelPlacement::LevelPlacement(LevelDocument& document, LevelDrawing& drawing) : mDocument(document), mDrawing(drawing) {}

// Runs a change through a recorder and pushes what it changed as a placement step, also when the
// change stops half way: what was changed stays changed and can be undone.
template <class Change>
void LevelPlacement::recorded(const QString& text, int placement, Change&& change)
{
    mDocument.endStroke();
    LevelEditRecorder recorder(mDocument);
    auto push = [&] {
        if (recorder.isEmpty())
            return;
        mDocument.undoStack().push(new PlacementCommand(mDocument, text, placement, recorder.tableEdits(),
                                                        recorder.cellEdits(), [this] { redrawRestored(); }));
    };
    try {
        change(recorder);
    } catch (...) {
        push();
        throw;
    }
    push();
}

void LevelPlacement::arm(const QString& mode, int slot)
{
    mMode = mode;
    mSlot = slot;
}

void LevelPlacement::clear()
{
    mMode.clear();
    mSlot = 0;
}

void LevelPlacement::redrawRestored()
{
    // An undo cannot report a failure; the cells before a code that is not a number are drawn.
    try {
        mDrawing.drawlevel();
    } catch (const TavrelError&) {
    }
}

void LevelPlacement::SetMonster(int n)
{
    if (n < 1 || n > LevelDocument::kMonsters)
        return;
    const int placement = ++mPlacement;
    recorded(QStringLiteral("Gegner %1 setzen").arg(n), placement, [&](LevelEditRecorder& r) {
        for (int row : {kActive, kPosX, kPosY})
            r.setTableCell(LevelTable::Monsters, row, n, QStringLiteral("0"));
        mDrawing.drawlevel();
    });
    arm(kMonster, n);
}

void LevelPlacement::SetSchalter(int n)
{
    if (n < 1 || n > LevelDocument::kSwitches)
        return;
    const int placement = ++mPlacement;
    recorded(QStringLiteral("Schalter %1 setzen").arg(n), placement, [&](LevelEditRecorder& r) {
        const QString& x = mDocument.switchCell(kSwitchX, n);
        const QString& y = mDocument.switchCell(kSwitchY, n);
        if (x != QStringLiteral("0") && y != QStringLiteral("0")) {
            const int cellY = StrToInt(y);
            const int cellX = StrToInt(x);
            r.writeCell(cellX, cellY, kFloor);
            mDrawing.drawlevel();
        }
        r.setTableCell(LevelTable::Switches, kSwitchX, n, kMausX);
        r.setTableCell(LevelTable::Switches, kSwitchY, n, kMausY);
    });
    arm(kSchalter, n);
}

LevelPage LevelPlacement::SetZiel(int n)
{
    if (n >= 1 && n <= LevelDocument::kSwitches) {
        ++mPlacement;
        arm(kZiel, n);
    }
    return LevelPage::Spielelemente;
}

std::optional<LevelPage> LevelPlacement::chooserMouseUp(int leftPattern)
{
    if (mMode != kZiel)
        return std::nullopt;
    const int n = mSlot;
    recorded(QStringLiteral("Ziel von Schalter %1 setzen").arg(n), mPlacement, [&](LevelEditRecorder& r) {
        r.setTableCell(LevelTable::Switches, kTargetX, n, kMausX);
        r.setTableCell(LevelTable::Switches, kTargetY, n, kMausY);
        r.setTableCell(LevelTable::Switches, kTargetPattern, n, QString::number(leftPattern));
    });
    return LevelPage::Schalter;
}

bool LevelPlacement::levelMouseDown(LevelPage page, int x, int y, int leftPattern)
{
    const int n = mSlot;
    if (mMode == kMonster && page == LevelPage::Gegner) {
        recorded(QStringLiteral("Gegner %1 setzen").arg(n), mPlacement, [&](LevelEditRecorder& r) {
            r.setTableCell(LevelTable::Monsters, kActive, n, QString::number(n));
            r.setTableCell(LevelTable::Monsters, kPosX, n, QString::number(x));
            r.setTableCell(LevelTable::Monsters, kPosY, n, QString::number(y));
            mDrawing.drawMonstersIfShown();
        });
        clear();
        return true;
    }
    if (mMode == kSchalter && page == LevelPage::Schalter) {
        recorded(QStringLiteral("Schalter %1 setzen").arg(n), mPlacement, [&](LevelEditRecorder& r) {
            r.setTableCell(LevelTable::Switches, kSwitchX, n, QString::number(x));
            r.setTableCell(LevelTable::Switches, kSwitchY, n, QString::number(y));
            r.writeCell(x, y, kSwitchOff);
            mDrawing.drawCell(x, y);
            mDrawing.drawlevel();
        });
        clear();
        return true;
    }
    if (mMode == kZiel && page == LevelPage::Schalter) {
        recorded(QStringLiteral("Ziel von Schalter %1 setzen").arg(n), mPlacement, [&](LevelEditRecorder& r) {
            r.setTableCell(LevelTable::Switches, kTargetX, n, QString::number(x));
            r.setTableCell(LevelTable::Switches, kTargetY, n, QString::number(y));
            r.setTableCell(LevelTable::Switches, kTargetPattern, n, QString::number(leftPattern));
            mDrawing.drawlevel();
        });
        clear();
        return true;
    }
    return false;
}

void LevelPlacement::resetTable(LevelTable table)
{
    mDocument.endStroke();
    const std::vector<QString> before = mDocument.tableCells(table);
    if (table == LevelTable::Monsters)
        mDocument.InitMonsterTable();
    else
        mDocument.InitSwitchTable();
    const std::vector<QString> after = mDocument.tableCells(table);
    std::vector<TableCellEdit> edits;
    size_t k = 0;
    for (int row = 1; row <= LevelDocument::tableRows(table); ++row)
        for (int column = 1; column <= LevelDocument::tableColumns(table); ++column, ++k)
            if (before[k] != after[k])
                edits.push_back({table, row, column, before[k], after[k]});
    if (!edits.empty())
        mDocument.undoStack().push(new TableResetCommand(mDocument, table, std::move(edits)));
}

void LevelPlacement::Aktualisiere()
{
    mDrawing.drawlevel();
}
