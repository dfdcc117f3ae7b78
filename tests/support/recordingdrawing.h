// A LevelDrawing that records what it was asked to draw, for the tests of the level operations.
#pragma once

#include "common/errors.h"
#include "level/leveldrawing.h"

#include <QStringList>

class RecordingDrawing : public LevelDrawing {
public:
    QStringList calls;
    // When set, drawlevel throws the conversion error of this text after recording the call.
    QString failDrawlevelWith;
    bool failDrawlevel = false;

    void drawlevel() override
    {
        calls << QStringLiteral("drawlevel");
        if (failDrawlevel)
            throw ConversionError(failDrawlevelWith);
    }
    void drawCell(int x, int y) override { calls << QStringLiteral("cell %1,%2").arg(x).arg(y); }
    void updateline(int y) override { calls << QStringLiteral("line %1").arg(y); }
    void drawMonstersIfShown() override { calls << QStringLiteral("monsters"); }
};
