// The level editing session's picture and overlay boxes as the drawing of the placement and colour operations.
#pragma once

#include "level/leveldrawing.h"

class LevelEditSession;

class SessionDrawing : public LevelDrawing {
public:
    explicit SessionDrawing(LevelEditSession& session) : mSession(session) {}

    void drawlevel() override;
    void drawCell(int x, int y) override;
    void updateline(int y) override;
    void drawMonstersIfShown() override;

private:
    LevelEditSession& mSession;
};
