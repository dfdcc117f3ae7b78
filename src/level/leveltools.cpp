// The painting tools, the selection and the placement, and the box that hands the level picture to one of them.
#include "level/leveltools.h"

#include "level/leveleditsession.h"
#include "level/levelplacement.h"

#include <algorithm>

namespace {

template <class Tool>
std::unique_ptr<LevelTool> Make(const LevelToolContext& context)
{
    return std::make_unique<Tool>(context);
}

QPoint CellPoint(QPoint cell) { return cell * LevelPicture::kCell; }

QPoint InLevel(QPoint cell)
{
    return {std::clamp(cell.x(), 0, LevelDocument::kColumns - 1), std::clamp(cell.y(), 0, LevelDocument::kRows - 1)};
}

// Rounds down, also below zero.
int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

} // namespace

const std::vector<PaintToolEntry>& PaintTools()
{
    static const std::vector<PaintToolEntry> tools = {
        {PaintToolId::Pen, QStringLiteral("Stift"), "Stift", Qt::Key_B,
         QStringLiteral("Stift: malt mit dem Pattern der gedrückten Maustaste"), Make<PenTool>},
        {PaintToolId::Rectangle, QStringLiteral("Rechteck"), "Rechteck", Qt::Key_R,
         QStringLiteral("Rechteck: drücken, ziehen, loslassen füllt das Rechteck mit dem Pattern der Maustaste"),
         Make<RectangleTool>},
        {PaintToolId::Area, QStringLiteral("Fläche"), "Flaeche", 0,
         QStringLiteral("Fläche: ein Klick füllt die zusammenhängende Fläche des Patterns mit dem der Maustaste"),
         Make<AreaTool>},
        {PaintToolId::Stamp, QStringLiteral("Stempel"), "Stempel", Qt::Key_S,
         QStringLiteral("Stempel: ein Klick setzt die zuletzt kopierten Zellen; Ziehen wiederholt sie"), Make<StampTool>},
    };
    return tools;
}

const PaintToolEntry& PaintToolOf(PaintToolId id)
{
    const auto& tools = PaintTools();
    return *std::find_if(tools.begin(), tools.end(), [id](const PaintToolEntry& e) { return e.id == id; });
}

// --- what the painting tools share -------------------------------------------------------------------------

bool PaintingTool::key(LevelKey key)
{
    LevelEditSession& session = mContext.session;
    switch (key) {
    case LevelKey::Paint:
        press({CellPoint(session.cursor().cell()), LevelEditSession::LeftBit, false});
        release();
        return true;
    case LevelKey::Pick: session.pickAtCursor(); return true;
    case LevelKey::Fill: session.fill(); return true;
    case LevelKey::Delete: session.erase(); return true;
    default: return false;
    }
}

// --- pen ---------------------------------------------------------------------------------------------------

void PenTool::press(const LevelPointer& pointer)
{
    mContext.session.levelMouseDown(pointer.point, pointer.buttons, pointer.shift);
}

void PenTool::move(const LevelPointer& pointer) { mContext.session.levelMouseMove(pointer.point, pointer.buttons, true); }

void PenTool::release() { mContext.session.levelMouseUp(); }

// --- rectangle ---------------------------------------------------------------------------------------------

void RectangleTool::press(const LevelPointer& pointer)
{
    mStart = InLevel(pointer.cell());
    mEnd = *mStart;
    mPattern = mContext.session.paintPattern(pointer.buttons);
}

void RectangleTool::move(const LevelPointer& pointer)
{
    mContext.session.hover(pointer.point, QStringLiteral("Rechteck: drücken, ziehen, loslassen in:    "));
    if (mStart && pointer.buttons)
        mEnd = InLevel(pointer.cell());
}

void RectangleTool::release()
{
    const std::optional<QRect> cells = outline();
    mStart.reset();
    if (cells)
        mContext.session.fillRectangle(*cells, mPattern);
}

std::optional<QRect> RectangleTool::outline() const
{
    if (!mStart)
        return std::nullopt;
    return QRect(QPoint(std::min(mStart->x(), mEnd.x()), std::min(mStart->y(), mEnd.y())),
                 QPoint(std::max(mStart->x(), mEnd.x()), std::max(mStart->y(), mEnd.y())));
}

// --- area --------------------------------------------------------------------------------------------------

void AreaTool::press(const LevelPointer& pointer)
{
    mContext.session.fillArea(InLevel(pointer.cell()), mContext.session.paintPattern(pointer.buttons));
}

void AreaTool::move(const LevelPointer& pointer)
{
    mContext.session.hover(pointer.point, QStringLiteral("Fläche: Klicke, um die Fläche zu füllen in:    "));
}

// --- stamp -------------------------------------------------------------------------------------------------

void StampTool::press(const LevelPointer& pointer)
{
    LevelEditSession& session = mContext.session;
    const PatternGridParse parsed =
        ParsePatternGrid(mContext.copiedText ? mContext.copiedText() : QString(), LevelDocument::kRows, LevelDocument::kColumns);
    if (!parsed.ok()) {
        if (session.log)
            session.log(QStringLiteral("Stempeln nicht möglich: ") + parsed.error);
        return;
    }
    // A stroke of its own: the stamps of this drag are one step.
    session.levelMouseUp();
    mGrid = parsed.grid;
    mOrigin = InLevel(pointer.cell());
    mStamped.clear();
    stampAt(mOrigin);
}

void StampTool::move(const LevelPointer& pointer)
{
    mContext.session.hover(pointer.point, QStringLiteral("Stempel: Klicke, um die Kopie zu setzen in:    "));
    if (mGrid.empty() || !pointer.buttons)
        return;
    // The stamp under the pointer in the pattern of stamps that starts at the pressed cell.
    const QPoint cell = InLevel(pointer.cell());
    const int w = int(mGrid.front().size());
    const int h = int(mGrid.size());
    stampAt(mOrigin + QPoint(FloorDiv(cell.x() - mOrigin.x(), w) * w, FloorDiv(cell.y() - mOrigin.y(), h) * h));
}

void StampTool::release()
{
    mGrid.clear();
    mContext.session.levelMouseUp();
}

void StampTool::stampAt(QPoint cell)
{
    if (std::find(mStamped.begin(), mStamped.end(), cell) != mStamped.end())
        return;
    mStamped.push_back(cell);
    mContext.session.stamp(mGrid, cell);
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
