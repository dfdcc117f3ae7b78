// tavrel-cli render-level's arguments and files.
#pragma once

#include "level/leveldocument.h"
#include "level/levelpixeltable.h"
#include "pattern/patterndocument.h"

#include <QString>
#include <QStringList>

struct RenderLevelCall {
    QString levelFile;
    QString fontFile;
    QString outFile; // empty or "-": standard output
    bool overlays = false;
    bool png = true; // else a bitmap
};

// The arguments after "render-level"; a wrong call throws UsageError. PNG or BMP by the output file's
// extension; PNG on standard output.
RenderLevelCall ParseRenderLevel(const QStringList& argv);

// The pattern file as the pattern editor takes it, then the level editor's first opening (pixel table,
// level 1 in the registers' colours) and the level file loaded over it. Throws the files' errors.
struct RenderLevelFiles {
    PatternDocument patterns;
    LevelDocument document;
    LevelPixelTable pixels;
};
void LoadRenderLevelFiles(const RenderLevelCall& call, RenderLevelFiles& files);
