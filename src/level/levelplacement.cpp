// The placement of monsters, switches and targets, and the table resets.
#include "level/levelplacement.h"

#include "common/errors.h"
#include "common/intconv.h"
#include "level/leveldocument.h"
#include "level/leveldrawing.h"
#include "level/leveledits.h"
#include "level/undo_placement.h"
#include "level/undo_leveledit.h"

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

// Pushes what a plan changes as a part of placement `placement`, whose first run draws `first`; a
// plan that changes nothing is not pushed. Returns whether it was.
bool LevelPlacement::push(const QString& text, int placement, const LevelEditPlan& plan, LevelRedraw first)
{
    if (plan.isEmpty())
        return false;
    return mDocument.push(new PlacementCommand(mDocument, text, placement, plan, first));
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

void LevelPlacement::SetMonster(int n)
{
    if (n < 1 || n > LevelDocument::kMonsters)
        return;
    const int placement = ++mPlacement;
    LevelEditPlan plan(mDocument);
    for (int row : {kActive, kPosX, kPosY})
        plan.setTableCell(LevelTable::Monsters, row, n, QStringLiteral("0"));
    // Gone from the overlay.
    if (!push(QStringLiteral("Gegner %1 setzen").arg(n), placement, plan, LevelRedraw::Level))
        mDrawing.drawlevel();
    arm(kMonster, n);
}

void LevelPlacement::SetSchalter(int n)
{
    if (n < 1 || n > LevelDocument::kSwitches)
        return;
    const int placement = ++mPlacement;
    const QString text = QStringLiteral("Schalter %1 setzen").arg(n);
    const QString& x = mDocument.switchCell(kSwitchX, n);
    const QString& y = mDocument.switchCell(kSwitchY, n);
    if (x != QStringLiteral("0") && y != QStringLiteral("0")) {
        const int cellY = StrToInt(y);
        const int cellX = StrToInt(x);
        LevelEditPlan floor(mDocument);
        floor.writeCell(cellX, cellY, kFloor);
        if (!push(text, placement, floor, LevelRedraw::Level))
            mDrawing.drawlevel();
    }
    LevelEditPlan placeholders(mDocument);
    placeholders.setTableCell(LevelTable::Switches, kSwitchX, n, kMausX);
    placeholders.setTableCell(LevelTable::Switches, kSwitchY, n, kMausY);
    push(text, placement, placeholders, LevelRedraw::Nothing);
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
    LevelEditPlan plan(mDocument);
    plan.setTableCell(LevelTable::Switches, kTargetX, n, kMausX);
    plan.setTableCell(LevelTable::Switches, kTargetY, n, kMausY);
    plan.setTableCell(LevelTable::Switches, kTargetPattern, n, QString::number(leftPattern));
    push(QStringLiteral("Ziel von Schalter %1 setzen").arg(n), mPlacement, plan, LevelRedraw::Nothing);
    return LevelPage::Schalter;
}

bool LevelPlacement::levelMouseDown(LevelPage page, int x, int y, int leftPattern)
{
    const int n = mSlot;
    LevelEditPlan plan(mDocument);
    if (mMode == kMonster && page == LevelPage::Gegner) {
        plan.setTableCell(LevelTable::Monsters, kActive, n, QString::number(n));
        plan.setTableCell(LevelTable::Monsters, kPosX, n, QString::number(x));
        plan.setTableCell(LevelTable::Monsters, kPosY, n, QString::number(y));
        if (!push(QStringLiteral("Gegner %1 setzen").arg(n), mPlacement, plan, LevelRedraw::Monsters))
            mDrawing.drawMonstersIfShown();
        clear();
        return true;
    }
    if (mMode == kSchalter && page == LevelPage::Schalter) {
        plan.setTableCell(LevelTable::Switches, kSwitchX, n, QString::number(x));
        plan.setTableCell(LevelTable::Switches, kSwitchY, n, QString::number(y));
        plan.writeCell(x, y, kSwitchOff);
        if (!push(QStringLiteral("Schalter %1 setzen").arg(n), mPlacement, plan, LevelRedraw::Level))
            mDrawing.drawlevel();
        clear();
        return true;
    }
    if (mMode == kZiel && page == LevelPage::Schalter) {
        plan.setTableCell(LevelTable::Switches, kTargetX, n, QString::number(x));
        plan.setTableCell(LevelTable::Switches, kTargetY, n, QString::number(y));
        plan.setTableCell(LevelTable::Switches, kTargetPattern, n, QString::number(leftPattern));
        if (!push(QStringLiteral("Ziel von Schalter %1 setzen").arg(n), mPlacement, plan, LevelRedraw::Level))
            mDrawing.drawlevel();
        clear();
        return true;
    }
    return false;
}

void LevelPlacement::resetTable(LevelTable table)
{
    if (LevelEditCommand* reset = TableResetCommand(mDocument, table))
        mDocument.push(reset);
}

void LevelPlacement::Aktualisiere()
{
    mDrawing.drawlevel();
}
