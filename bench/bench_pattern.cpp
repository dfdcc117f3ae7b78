// Pattern editor speed: the full overview redraw and reading and writing a pattern file.
#include "benchpattern.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"

#include <algorithm>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

namespace {

// Budget: 5 ms for all 512 patterns.
void BM_UpdateAllPatterns(benchmark::State& state)
{
    PatternEditor editor;
    bench::FillDistinctStore(editor);
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
    bench::FillDistinctStore(editor);
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
    bench::FillDistinctStore(editor);
    for (auto _ : state)
        SaveFontFile(editor, dir.filePath(QStringLiteral("bench.fa8")));
}
BENCHMARK(BM_SaveFontFile)->Unit(benchmark::kMillisecond);

// --- a huge file offered as pattern file ------------------------------------------------------------

// A figure of /proc/self/status in MB ("VmRSS", "VmHWM").
double StatusMB(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == key + ":") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
    }
    return 0;
}

// Starts the peak resident figure (VmHWM) afresh from the present one.
void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// LongLines is the costliest for memory: every line is kept at the longest a line may be.
enum class HugeKind { RandomBytes, ShortLines, OneLine, LongLines };

QByteArray HugeContent(HugeKind kind, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    switch (kind) {
    case HugeKind::RandomBytes:
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
        break;
    case HugeKind::ShortLines:
        for (qsizetype i = 0; i < size; ++i)
            bytes[i] = "12\r\n"[i % 4];
        break;
    case HugeKind::OneLine:
        bytes.fill('7');
        break;
    case HugeKind::LongLines:
        for (qsizetype i = 0; i < size; ++i)
            bytes[i] = i % 2000 == 1999 ? '\n' : static_cast<char>('0' + i % 10);
        break;
    }
    return bytes;
}

// Budget: a 50 MB file offered as pattern file loads (or is refused) in under 100 ms, takes under
// 60 MB above the program's own at its peak, and what it took is given back once a proper file is
// loaded again. Counters: peak_MB above the state before, kept_MB after reloading the proper file.
void BM_LoadHugeFileAsPatternFile(benchmark::State& state)
{
    QTemporaryDir dir;
    PatternEditor editor;
    bench::FillDistinctStore(editor);
    const QString proper = dir.filePath(QStringLiteral("proper.fa8"));
    SaveFontFile(editor, proper);
    const QString huge = dir.filePath(QStringLiteral("huge.fa8"));
    {
        QFile file(huge);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(HugeContent(static_cast<HugeKind>(state.range(0)), 50 * 1000 * 1000)) != 50 * 1000 * 1000) {
            state.SkipWithError("cannot write the huge file");
            return;
        }
    }
    LoadFontFile(editor, proper);
    const double before = StatusMB("VmRSS");
    double peak = 0;
    for (auto _ : state) {
        ResetPeak();
        try {
            LoadFontFile(editor, huge);
        } catch (const std::exception&) {
            // A file of junk is refused with the conversion error of its first colour line.
        }
        peak = std::max(peak, StatusMB("VmHWM") - before);
    }
    LoadFontFile(editor, proper);
    state.counters["peak_MB"] = peak;
    state.counters["kept_MB"] = StatusMB("VmRSS") - before;
}
BENCHMARK(BM_LoadHugeFileAsPatternFile)
    ->ArgName("kind")
    ->Arg(static_cast<int>(HugeKind::RandomBytes))
    ->Arg(static_cast<int>(HugeKind::ShortLines))
    ->Arg(static_cast<int>(HugeKind::OneLine))
    ->Arg(static_cast<int>(HugeKind::LongLines))
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
