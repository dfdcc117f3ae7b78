// Drawing what the level's steps change.
#include "level/stepredraw.h"

#include "common/errors.h"
#include "level/leveldrawing.h"

#include <exception>

StepRedraw::StepRedraw(LevelDocument& document, LevelDrawing& drawing) : mDocument(document), mDrawing(drawing)
{
    mConnection = QObject::connect(&mDocument, &LevelDocument::changed, [this](const LevelChange& change) { draw(change); });
}

StepRedraw::~StepRedraw() { QObject::disconnect(mConnection); }

template <typename Call> void StepRedraw::attempt(Call call)
{
    try {
        call();
    } catch (const TavrelError&) {
        mDocument.drawFailed(std::current_exception());
    }
}

void StepRedraw::draw(const LevelChange& change)
{
    switch (change.redraw) {
    case LevelRedraw::Nothing:
        return;
    case LevelRedraw::Level:
        attempt([this] { mDrawing.drawlevel(); });
        return;
    case LevelRedraw::Changed:
    case LevelRedraw::Monsters:
        break;
    }
    if (change.has(LevelChange::Grid)) {
        for (int y = 0; y < LevelDocument::kRows; ++y)
            attempt([this, y] { mDrawing.updateline(y); });
    } else {
        for (int line : change.colorLines)
            attempt([this, line] { mDrawing.updateline(line - 1); });
        for (const QPoint& cell : change.cells)
            attempt([this, cell] { mDrawing.drawCell(cell.x(), cell.y()); });
    }
    if (change.redraw == LevelRedraw::Monsters)
        attempt([this] { mDrawing.drawMonstersIfShown(); });
}
