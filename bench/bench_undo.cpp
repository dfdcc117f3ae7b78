// Pattern editor undo history: paint steps pushed and undone, and the memory the history holds.
#include "benchpattern.h"
#include "pattern/patterneditor.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <malloc.h>

namespace {

constexpr int kSteps = 10000;

// CPU seconds of this thread: the machine is shared, so wall time says little.
double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// Bytes the heap hands out at the moment.
double HeapBytes()
{
    return static_cast<double>(mallinfo2().uordblks);
}

// One stroke of three cells in row `n` mod 16, with a paint value other than the one before, so
// that every stroke changes texts and becomes a step.
void PaintStep(PatternEditor& editor, int n)
{
    editor.selectRegister(1 + n % 3);
    const int y = 16 * (n % 16) + 3;
    editor.surfaceMouseMove(3, y, false);
    editor.surfaceMousePress();
    editor.surfaceMouseMove(32 + 3, y, true);
    editor.surfaceMouseMove(64 + 3, y, true);
    editor.surfaceMouseRelease(64 + 3, y);
}

// Budget: a fraction of a millisecond per step, pushed or undone. One iteration pushes 10,000
// strokes on an empty history and undoes them all; "bytes/step" is the heap the history holds
// per step once they are pushed.
void BM_PaintStepsPushedAndUndone(benchmark::State& state)
{
    double pushSeconds = 0;
    double undoSeconds = 0;
    double bytesPerStep = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PatternEditor editor;
        editor.history().setLimit(kSteps);
        bench::PrepareEditor(editor);
        const double heapBefore = HeapBytes();
        state.ResumeTiming();
        const double pushStart = CpuSeconds();
        for (int n = 0; n < kSteps; ++n)
            PaintStep(editor, n);
        pushSeconds += CpuSeconds() - pushStart;
        state.PauseTiming();
        bytesPerStep = (HeapBytes() - heapBefore) / kSteps;
        if (editor.historySize() != kSteps)
            state.SkipWithError("not every stroke became a step");
        state.ResumeTiming();
        const double undoStart = CpuSeconds();
        while (editor.canUndo())
            editor.undo();
        undoSeconds += CpuSeconds() - undoStart;
    }
    const double steps = static_cast<double>(kSteps) * static_cast<double>(state.iterations());
    // CPU microseconds per step.
    state.counters["push_us/step"] = 1e6 * pushSeconds / steps;
    state.counters["undo_us/step"] = 1e6 * undoSeconds / steps;
    state.counters["bytes/step"] = bytesPerStep;
}
BENCHMARK(BM_PaintStepsPushedAndUndone)->Unit(benchmark::kMillisecond)->Iterations(3);

// The history at its limit: pushing goes on at the same speed and the heap stays where it is, as
// the oldest steps are dropped.
void BM_HistoryAtItsLimit(benchmark::State& state)
{
    PatternEditor editor;
    bench::PrepareEditor(editor);
    int n = 0;
    for (int i = 0; i < PatternEditor::kHistoryLimit; ++i)
        PaintStep(editor, n++);
    const double heapAtLimit = HeapBytes();
    for (auto _ : state)
        PaintStep(editor, n++);
    state.counters["steps kept"] = editor.historySize();
    state.counters["heap growth KB"] = (HeapBytes() - heapAtLimit) / 1024.0;
}
BENCHMARK(BM_HistoryAtItsLimit)->Unit(benchmark::kMicrosecond)->Iterations(20000);

} // namespace
