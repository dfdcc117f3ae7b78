// The level's pictures follow its steps: what a step's announcement says to draw is drawn, for its
// first run as for an undo or redo. Nobody else draws after a step.
#pragma once

#include "level/leveldocument.h"

#include <QMetaObject>

class LevelDrawing;

class StepRedraw {
public:
    StepRedraw(LevelDocument& document, LevelDrawing& drawing);
    ~StepRedraw();
    StepRedraw(const StepRedraw&) = delete;
    StepRedraw& operator=(const StepRedraw&) = delete;

private:
    void draw(const LevelChange& change);
    // One drawing call; a failure goes to the document (the push reports it) and the rest is drawn.
    template <typename Call> void attempt(Call call);

    LevelDocument& mDocument;
    LevelDrawing& mDrawing;
    QMetaObject::Connection mConnection;
};
