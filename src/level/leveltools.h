// The level editor's tools: painting with the pen, selecting with a Ctrl drag, placing monsters and switches.
#pragma once

#include "level/leveltool.h"

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
};

// The painting tools the page "Spielelemente setzen" offers, in the order of their buttons.
enum class PaintToolId { Pen };

// One painting tool: its id, its name as buttons and menus show it, its key on the level, and how it
// is made. A new painting tool is a class and one entry of PaintTools().
struct PaintToolEntry {
    PaintToolId id;
    QString name;
    int key; // Qt::Key
    std::function<std::unique_ptr<LevelTool>(const LevelToolContext&)> make;
};
const std::vector<PaintToolEntry>& PaintTools();

// Paints with the pattern the held buttons carry; Shift picks the pressed cell's pattern first.
class PenTool : public LevelTool {
public:
    explicit PenTool(const LevelToolContext& context) : mContext(context) {}
    void press(const LevelPointer& pointer) override;
    void move(const LevelPointer& pointer) override;
    void release() override;
    bool key(LevelKey key) override;

private:
    LevelToolContext mContext;
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
