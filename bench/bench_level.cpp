// Level editor speed: the full level redraw, reading and writing a level file, and a paste.
#include "level/leveldocument.h"
#include "level/leveleditsession.h"
#include "level/patterngrid.h"
#include "level/levelpicture.h"
#include "level/levelfile.h"
#include "pattern/colorregisterset.h"
#include "pattern/patternstore.h"

#include <QUndoStack>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Every pattern somewhere in the level and every byte value in the graphics.
void FillLevel(LevelDocument& doc, LevelPicture& picture)
{
    PatternStore store;
    for (int bank = 1; bank <= 2; ++bank)
        for (int c = 0; c < 128; ++c)
            for (int r = 0; r < 8; ++r)
                store.setEntry(bank, c, r, QString::number((c * 37 + r * 11 + bank) % 256));
    picture.pixels().fill(store);
    for (int x = 0; x < LevelDocument::kColumns; ++x)
        for (int y = 0; y < LevelDocument::kRows; ++y)
            doc.writeCell(x, y, (x + 13 * y) % 128);
    for (int line = 1; line <= 10; ++line)
        for (int c = 0; c < 5; ++c)
            doc.setColorEntry(c, line, {QStringLiteral("1E"), PackRgb(20 * line, 40 * c, 7), kWhite});
    doc.setAuthor(QStringLiteral("Bench"));
}

// A filled level with its picture.
struct BenchLevel {
    LevelDocument doc;
    ColorRegisterSet registers;
    LevelPicture picture{doc, registers};
    BenchLevel() { FillLevel(doc, picture); }
};

// Budget: 5 ms for all 1280 cells.
void BM_DrawLevel(benchmark::State& state)
{
    BenchLevel level;
    LevelPicture& picture = level.picture;
    for (auto _ : state) {
        picture.drawlevel(false, false);
        benchmark::DoNotOptimize(picture.level().constBits());
    }
    state.counters["cells/s"] = benchmark::Counter(1280.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DrawLevel)->Unit(benchmark::kMillisecond);

// Both overlays with ten monsters walking and eight switches, on top of the full redraw.
void BM_DrawLevelWithOverlays(benchmark::State& state)
{
    BenchLevel level;
    LevelDocument& doc = level.doc;
    LevelPicture& picture = level.picture;
    doc.InitEmptyLevel(1);
    for (int n = 1; n <= 10; ++n) {
        doc.setTableCell(LevelTable::Monsters, 2, n, QString::number(10 * n));
        doc.setTableCell(LevelTable::Monsters, 3, n, QString::number(n - 1));
    }
    for (int n = 1; n <= 8; ++n) {
        doc.setTableCell(LevelTable::Switches, 1, n, QString::number(12 * n));
        doc.setTableCell(LevelTable::Switches, 3, n, QString::number(12 * n + 3));
    }
    for (auto _ : state)
        picture.drawlevel(true, true);
}
BENCHMARK(BM_DrawLevelWithOverlays)->Unit(benchmark::kMillisecond);

// Budget: 2 ms to load a level file into the document.
void BM_LoadLevelFile(benchmark::State& state)
{
    QTemporaryDir dir;
    BenchLevel level;
    LevelDocument& doc = level.doc;
    const QString name = dir.filePath(QStringLiteral("bench.la8"));
    SaveLevelFile(doc, name);
    for (auto _ : state)
        LoadLevelFile(doc, name);
}
BENCHMARK(BM_LoadLevelFile)->Unit(benchmark::kMillisecond);

// Budget: 2 ms to save a level file.
void BM_SaveLevelFile(benchmark::State& state)
{
    QTemporaryDir dir;
    BenchLevel level;
    for (auto _ : state)
        SaveLevelFile(level.doc, dir.filePath(QStringLiteral("bench.la8")));
}
BENCHMARK(BM_SaveLevelFile)->Unit(benchmark::kMillisecond);


// A paste of a clipboard of short lines ("5 6" and a line feed), the text already taken from the
// clipboard, answered in full: read, refused or pasted, and the log line made. Budget: 0.1 s for any
// clipboard, 40 MB included.
void BM_PasteClipboard(benchmark::State& state)
{
    BenchLevel level;
    PatternStore store;
    LevelEditSession session(level.doc, level.picture);
    session.open(store, level.registers);
    QStringList logged;
    session.log = [&](const QString& line) { logged << line; };
    const qsizetype characters = state.range(0);
    QString text;
    text.reserve(characters);
    while (text.size() + 4 <= characters)
        text += QStringLiteral("5 6\n");
    session.cursor().moveTo({120, 2});
    for (auto _ : state) {
        session.paste(text);
        level.doc.undoStack().clear();
    }
    state.counters["MB"] = double(text.size()) / 1e6;
    state.counters["refused"] = double(!logged.isEmpty());
}
BENCHMARK(BM_PasteClipboard)
    ->Arg(40'000'000)
    ->Arg(10'000'000)
    ->Arg(kMaxPatternGridText)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);
} // namespace
