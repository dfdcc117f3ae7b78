// The pen, the selection and the placement, and the box that hands the level picture to one of them.
#include "level/leveltools.h"

#include "level/leveleditsession.h"
#include "level/levelplacement.h"

#include <algorithm>

const std::vector<PaintToolEntry>& PaintTools()
{
    static const std::vector<PaintToolEntry> tools = {
        {PaintToolId::Pen, QStringLiteral("Stift"), Qt::Key_B,
         [](const LevelToolContext& context) { return std::make_unique<PenTool>(context); }},
    };
    return tools;
}

// --- pen ---------------------------------------------------------------------------------------------------

void PenTool::press(const LevelPointer& pointer)
{
    mContext.session.levelMouseDown(pointer.point, pointer.buttons, pointer.shift);
}

void PenTool::move(const LevelPointer& pointer) { mContext.session.levelMouseMove(pointer.point, pointer.buttons, true); }

void PenTool::release() { mContext.session.levelMouseUp(); }

bool PenTool::key(LevelKey key)
{
    LevelEditSession& session = mContext.session;
    switch (key) {
    case LevelKey::Paint: session.paintAtCursor(); return true;
    case LevelKey::Pick: session.pickAtCursor(); return true;
    case LevelKey::Fill: session.fill(); return true;
    case LevelKey::Delete: session.erase(); return true;
    default: return false;
    }
}

// --- selection ---------------------------------------------------------------------------------------------

void SelectionTool::press(const LevelPointer& pointer) { mContext.session.cursor().beginDrag(pointer.cell()); }

void SelectionTool::move(const LevelPointer& pointer) { mContext.session.cursor().dragTo(pointer.cell()); }

void SelectionTool::release() { mContext.session.cursor().endDrag(); }

// --- placement ---------------------------------------------------------------------------------------------

void PlacementTool::press(const LevelPointer& pointer) { placeAt(pointer.cell()); }

void PlacementTool::move(const LevelPointer& pointer) { mContext.session.levelMouseMove(pointer.point, 0, false); }

bool PlacementTool::key(LevelKey key)
{
    if (key != LevelKey::Paint)
        return false;
    placeAtCursor();
    return true;
}

void PlacementTool::placeAtCursor() { placeAt(mContext.session.cursor().cell()); }

void PlacementTool::placeAt(QPoint cell)
{
    mContext.placement.levelMouseDown(mContext.page(), cell.x(), cell.y(),
                                      mContext.session.carried(LevelEditSession::Left));
}

// --- the box -----------------------------------------------------------------------------------------------

LevelToolBox::LevelToolBox(LevelToolContext context)
    : mContext(std::move(context)), mSelection(mContext), mPlacement(mContext)
{
    choosePaintTool(PaintToolId::Pen);
}

LevelToolBox::~LevelToolBox() = default;

void LevelToolBox::choosePaintTool(PaintToolId id)
{
    const auto& tools = PaintTools();
    const auto entry = std::find_if(tools.begin(), tools.end(), [id](const PaintToolEntry& e) { return e.id == id; });
    if (entry == tools.end() || (mPaint && id == mPaintId))
        return;
    if (mDrag == mPaint.get())
        release();
    mPaint = entry->make(mContext);
    mPaintId = id;
}

LevelTool& LevelToolBox::active()
{
    if (mContext.page() == LevelPage::Spielelemente)
        return *mPaint;
    return mPlacement;
}

void LevelToolBox::press(const LevelPointer& pointer, bool control)
{
    if (mDrag)
        release();
    mDrag = (control && (pointer.buttons & LevelEditSession::LeftBit)) ? static_cast<LevelTool*>(&mSelection) : &active();
    if (mDrag != &mSelection)
        mContext.session.cursor().moveTo(pointer.cell());
    mDrag->press(pointer);
}

void LevelToolBox::move(const LevelPointer& pointer)
{
    if (mDrag == &mSelection) {
        // The banner tells the cell as a pointer over it would, without painting.
        active().move({pointer.point, 0, false});
        mSelection.move(pointer);
        return;
    }
    (mDrag ? *mDrag : active()).move(pointer);
}

void LevelToolBox::release()
{
    LevelTool* drag = mDrag;
    mDrag = nullptr;
    if (drag)
        drag->release();
}
