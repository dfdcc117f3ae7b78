// Pattern editor speed: the full overview redraw and reading and writing a pattern file.
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A store with every byte value in it, so that all four colours are drawn.
void FillStore(PatternEditor& editor)
{
    for (int i = 1; i <= PatternStore::kSlotsI; ++i)
        for (int j = 1; j <= PatternStore::kBanks; ++j)
            editor.document().setSlot(i, j, QString::number((i * 37 + j * 11) % 256));
}

// Budget: 5 ms for all 512 patterns.
void BM_UpdateAllPatterns(benchmark::State& state)
{
    PatternEditor editor;
    FillStore(editor);
    for (auto _ : state) {
        editor.updateAllPatterns();
        benchmark::DoNotOptimize(editor.overview().constBits());
    }
    state.counters["patterns/s"] = benchmark::Counter(512.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_UpdateAllPatterns)->Unit(benchmark::kMillisecond);

// Budget: 5 ms to load a pattern file, the overview redraw included.
void BM_LoadFontFile(benchmark::State& state)
{
    QTemporaryDir dir;
    PatternEditor editor;
    FillStore(editor);
    const QString name = dir.filePath(QStringLiteral("bench.fa8"));
    SaveFontFile(editor, name);
    for (auto _ : state)
        LoadFontFile(editor, name);
}
BENCHMARK(BM_LoadFontFile)->Unit(benchmark::kMillisecond);

// Budget: 5 ms to save a pattern file.
void BM_SaveFontFile(benchmark::State& state)
{
    QTemporaryDir dir;
    PatternEditor editor;
    FillStore(editor);
    for (auto _ : state)
        SaveFontFile(editor, dir.filePath(QStringLiteral("bench.fa8")));
}
BENCHMARK(BM_SaveFontFile)->Unit(benchmark::kMillisecond);

} // namespace
