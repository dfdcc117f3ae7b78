// The level editor's tools: painting with the pen, rectangle, area and stamp, selecting with a Ctrl drag,
// placing monsters and switches.
#pragma once

#include "level/leveltool.h"
#include "level/patterngrid.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class LevelEditSession;
class LevelPlacement;
enum class LevelPage;

// What every tool may work with.
struct LevelToolContext {
    LevelEditSession& session;
    LevelPlacement& placement;
    // The page in front of the level editor.
    std::function<LevelPage()> page;
    // The text of the last copied cells (the clipboard), which the stamp paints.
    std::function<QString()> copiedText = {};
};

// The painting tools the page "Spielelemente setzen" offers, in the order of their buttons.
enum class PaintToolId { Pen, Rectangle, Area, Stamp };

// One painting tool: its id, its name as buttons and menus show it, the name its controls are named by
// (ButtonStift, actionStift), its key on the level (0: none), what it does, and how it is made. A new
// painting tool is a class and one entry of PaintTools().
struct PaintToolEntry {
    PaintToolId id;
    QString name;
    const char* controlName;
    int key; // Qt::Key
    QString tip;
    std::function<std::unique_ptr<LevelTool>(const LevelToolContext&)> make;
};
const std::vector<PaintToolEntry>& PaintTools();
const PaintToolEntry& PaintToolOf(PaintToolId id);

// What the painting tools share: the keys at the cursor. Space is the tool's left click on the
// cursor's cell; P picks, F fills the selection or region, Entf deletes, as with the pen.
class PaintingTool : public LevelTool {
public:
    explicit PaintingTool(const LevelToolContext& context) : mContext(context) {}
    bool key(LevelKey key) override;

protected:
    LevelToolContext mContext;
};

// Paints with the pattern the held buttons carry; Shift picks the pressed cell's pattern first.
class PenTool : public PaintingTool {
public:
    using PaintingTool::PaintingTool;
    void press(const LevelPointer& pointer) override;
    void move(const LevelPointer& pointer) override;
    void release() override;
    Qt::CursorShape cursorShape() const override { return Qt::CrossCursor; }
};

// "Rechteck": press, drag, release fills the spanned rectangle with the pressed button's pattern, one
// undo step; the picture frames the rectangle while the drag lasts.
class RectangleTool : public PaintingTool {
public:
    using PaintingTool::PaintingTool;
    void press(const LevelPointer& pointer) override;
    void move(const LevelPointer& pointer) override;
    void release() override;
    Qt::CursorShape cursorShape() const override { return Qt::SizeFDiagCursor; }
    std::optional<QRect> outline() const override;

private:
    std::optional<QPoint> mStart;
    QPoint mEnd;
    int mPattern = 0;
};

// "Fläche": a click fills the 4-connected region of the clicked cell's pattern with the button's
// pattern, as F does at the cursor.
class AreaTool : public PaintingTool {
public:
    using PaintingTool::PaintingTool;
    void press(const LevelPointer& pointer) override;
    void move(const LevelPointer& pointer) override;
    Qt::CursorShape cursorShape() const override { return Qt::PointingHandCursor; }
};

// "Stempel": a click paints the last copied cells with their top left at the cell; a drag repeats them
// side by side and row under row from there; one undo step per stroke.
class StampTool : public PaintingTool {
public:
    using PaintingTool::PaintingTool;
    void press(const LevelPointer& pointer) override;
    void move(const LevelPointer& pointer) override;
    void release() override;
    Qt::CursorShape cursorShape() const override { return Qt::DragCopyCursor; }

private:
    void stampAt(QPoint cell);
    PatternGrid mGrid; // empty while no stroke is under way
    QPoint mOrigin;
    std::vector<QPoint> mStamped; // the stroke's stamps, by their top left
};

// A Ctrl drag: selects the cells from the pressed one to the one under the pointer; paints nothing.
class SelectionTool : public LevelTool {
public:
    explicit SelectionTool(const LevelToolContext& context) : mContext(context) {}
    void press(const LevelPointer& pointer) override;
    void move(const LevelPointer& pointer) override;
    void release() override;

private:
    LevelToolContext mContext;
};

// On the monster and switch pages: a press completes the placement the page's position button armed;
// Space does it at the cursor.
class PlacementTool : public LevelTool {
public:
    explicit PlacementTool(const LevelToolContext& context) : mContext(context) {}
    void press(const LevelPointer& pointer) override;
    void move(const LevelPointer& pointer) override;
    bool key(LevelKey key) override;
    // A position button pressed by key places at once, at the cursor's cell.
    void placeAtCursor();

private:
    void placeAt(QPoint cell);
    LevelToolContext mContext;
};

// The tools of one level editor and which of them has the picture: the chosen painting tool on the page
// "Spielelemente setzen", the placement on the other pages, the selection for a Ctrl drag on any.
class LevelToolBox {
public:
    explicit LevelToolBox(LevelToolContext context);
    ~LevelToolBox();

    PaintToolId paintTool() const { return mPaintId; }
    void choosePaintTool(PaintToolId id);
    // The tool the page in front gives the picture.
    LevelTool& active();
    PlacementTool& placement() { return mPlacement; }

    // The picture's events. A press with the left button and Ctrl selects; every other press goes to
    // the active tool, whose drag it is until the release. A move also sets the banner of the active tool.
    void press(const LevelPointer& pointer, bool control);
    void move(const LevelPointer& pointer);
    void release();
    bool dragging() const { return mDrag != nullptr; }

private:
    LevelToolContext mContext;
    PaintToolId mPaintId = PaintToolId::Pen;
    std::unique_ptr<LevelTool> mPaint;
    SelectionTool mSelection;
    PlacementTool mPlacement;
    LevelTool* mDrag = nullptr;
};
