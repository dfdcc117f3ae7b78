// Pattern editor speed of the whole-pattern tools: "Leeren", "Invertieren", "Fläche füllen", the framed
// run on the clipboard and the duplicate search. Budget: one frame (16.7 ms CPU) each; each action is
// undone outside the timing so that every round starts from the same state.
#include "benchpattern.h"
#include "pattern/patterneditor.h"

#include <benchmark/benchmark.h>
#include <functional>

namespace {

void RunUndone(benchmark::State& state, PatternEditor& editor, const std::function<void()>& action)
{
    for (auto _ : state) {
        action();
        state.PauseTiming();
        editor.undo();
        state.ResumeTiming();
    }
}

void BM_Leeren(benchmark::State& state)
{
    PatternEditor editor;
    bench::PrepareEditor(editor);
    RunUndone(state, editor, [&] { editor.clearPattern(); });
}
BENCHMARK(BM_Leeren)->Unit(benchmark::kMicrosecond);

void BM_Invertieren(benchmark::State& state)
{
    PatternEditor editor;
    bench::PrepareEditor(editor);
    RunUndone(state, editor, [&] { editor.invertPattern(); });
}
BENCHMARK(BM_Invertieren)->Unit(benchmark::kMicrosecond);

// The largest area: every pixel of an empty pattern.
void BM_FlaecheFuellen(benchmark::State& state)
{
    PatternEditor editor;
    bench::PrepareEditor(editor);
    editor.clearPattern();
    editor.clearHistory();
    editor.setPaintText(QStringLiteral("2"));
    RunUndone(state, editor, [&] { editor.fillArea(3, 7); });
}
BENCHMARK(BM_FlaecheFuellen)->Unit(benchmark::kMicrosecond);

// A whole set of 64 patterns: copied, cut, pasted over another set.
void BM_CopyRunOf64(benchmark::State& state)
{
    PatternEditor editor;
    bench::PrepareEditor(editor);
    editor.extendRunTo(64);
    for (auto _ : state) {
        benchmark::DoNotOptimize(editor.copyPatterns());
        benchmark::DoNotOptimize(editor.runPicture());
    }
}
BENCHMARK(BM_CopyRunOf64)->Unit(benchmark::kMicrosecond);

void BM_CutRunOf64(benchmark::State& state)
{
    PatternEditor editor;
    bench::PrepareEditor(editor);
    editor.extendRunTo(64);
    RunUndone(state, editor, [&] { benchmark::DoNotOptimize(editor.cutPatterns()); });
}
BENCHMARK(BM_CutRunOf64)->Unit(benchmark::kMicrosecond);

void BM_PasteRunOf64(benchmark::State& state)
{
    PatternEditor editor;
    bench::PrepareEditor(editor);
    editor.extendRunTo(64);
    const QString text = editor.copyPatterns();
    editor.setCurrentSet(3);
    editor.setCurrentPattern(1);
    RunUndone(state, editor, [&] { editor.pastePatterns(text); });
}
BENCHMARK(BM_PasteRunOf64)->Unit(benchmark::kMicrosecond);

// All 8 sets of 64 patterns searched.
void BM_DuplicatePatterns(benchmark::State& state)
{
    PatternEditor editor;
    bench::PrepareEditor(editor);
    for (auto _ : state)
        benchmark::DoNotOptimize(editor.duplicatePatterns());
}
BENCHMARK(BM_DuplicatePatterns)->Unit(benchmark::kMicrosecond);

} // namespace
