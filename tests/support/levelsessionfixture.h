// A level editing session as the level editor holds it: a document, its picture and the session, opened
// on a pattern store and colour registers, its log lines collected.
#pragma once

#include "level/leveleditsession.h"
#include "level/patterngrid.h"
#include "pattern/colorregisterset.h"
#include "pattern/patternstore.h"

#include <QStringList>
#include <functional>

// The patterns of a rectangle of a level, row by row, read cell by cell.
inline PatternGrid LevelCells(const LevelDocument& doc, int x, int y, int w, int h)
{
    PatternGrid grid;
    for (int r = y; r < y + h; ++r) {
        std::vector<int>& row = grid.emplace_back();
        for (int c = x; c < x + w; ++c)
            row.push_back(doc.cellPattern(c, r));
    }
    return grid;
}

struct LevelSessionFixture {
    PatternStore store;
    ColorRegisterSet registers;
    LevelDocument doc;
    LevelPicture picture{doc, registers};
    LevelEditSession session{doc, picture};
    QStringList logged;

    // prepare runs before the session opens: the patterns and colours a test needs it to open with.
    explicit LevelSessionFixture(const std::function<void(PatternStore&, ColorRegisterSet&)>& prepare = {})
    {
        session.log = [this](const QString& line) { logged << line; };
        if (prepare)
            prepare(store, registers);
        session.open(store, registers);
        picture.drawAllCells(); // as the window does when it becomes visible
    }

    // A point inside level cell (x, y) of the picture, off its corner.
    static QPoint cell(int x, int y) { return {32 * x + 5, 32 * y + 7}; }
    // A press and release of the buttons on level cell (x, y).
    void click(int x, int y, unsigned buttons, bool shift = false)
    {
        session.levelMouseDown(cell(x, y), buttons, shift);
        session.levelMouseUp();
    }
    // The patterns of a rectangle, row by row.
    PatternGrid cells(int x, int y, int w, int h) const { return LevelCells(doc, x, y, w, h); }
};
