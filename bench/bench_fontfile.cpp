// Loading and saving a full pattern file (budget 5 ms each).
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// An editor whose store holds varied bytes, as a drawn file does.
void FillStore(PatternEditor& editor)
{
    for (int i = 1; i <= PatternStore::kSlotsI; ++i)
        for (int j = 1; j <= PatternStore::kBanks; ++j)
            editor.store.setSlot(i, j, QString::number((i * 37 + j * 11) % 256));
}

void BM_SaveFontFile(benchmark::State& state)
{
    QTemporaryDir dir;
    PatternEditor editor;
    FillStore(editor);
    const QString file = dir.filePath(QStringLiteral("bench.fa8"));
    for (auto _ : state)
        SaveFontFile(editor, file);
}
BENCHMARK(BM_SaveFontFile)->Unit(benchmark::kMillisecond);

void BM_LoadFontFile(benchmark::State& state)
{
    QTemporaryDir dir;
    PatternEditor editor;
    FillStore(editor);
    const QString file = dir.filePath(QStringLiteral("bench.fa8"));
    SaveFontFile(editor, file);
    for (auto _ : state)
        LoadFontFile(editor, file);
}
BENCHMARK(BM_LoadFontFile)->Unit(benchmark::kMillisecond);

} // namespace
