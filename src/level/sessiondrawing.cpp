// Drawing through the level editing session.
#include "level/sessiondrawing.h"

#include "level/leveleditsession.h"

void SessionDrawing::drawlevel()
{
    mSession.drawlevel();
}

void SessionDrawing::drawCell(int x, int y)
{
    mSession.picture().drawCell(x, y);
}

void SessionDrawing::updateline(int y)
{
    mSession.picture().updateline(y);
}

void SessionDrawing::drawMonstersIfShown()
{
    if (mSession.showMonsters)
        mSession.picture().drawMonsters();
}
