// The recovery copy: what a change costs on the window's thread, and the write that runs beside it.
#include "benchpattern.h"
#include "common/recoverystore.h"
#include "common/recoverywriter.h"
#include "level/leveldocument.h"
#include "level/levelfile.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Budget: 1 ms on the window's thread per change. One iteration is one painted cell and what the
// window does for the copy after it: whether the buffer is unsaved, the snapshot handed to the writer.
void BM_RecoveryOnAPaintedCell(benchmark::State& state)
{
    QTemporaryDir dir;
    RecoveryStore store(dir.path(), CurrentProcess());
    RecoveryWriter writer(store, [](const QString&) {});
    PatternEditor editor;
    bench::PrepareEditor(editor);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.selectRegister(1 + n % 3);
        editor.surfaceMouseMove(32 * (n % 8) + 3, 16 * (n / 8 % 16) + 3, true);
        ++n;
        state.ResumeTiming();
        if (editor.bufferModified() || editor.documentModified())
            writer.changed(kPatternRecoveryKind, PatternRecoverySnapshot(editor));
    }
    writer.endCleanly();
}
BENCHMARK(BM_RecoveryOnAPaintedCell)->Unit(benchmark::kMicrosecond);

// The same for a change of the level: its file's lines are taken at once.
void BM_RecoveryOnALevelChange(benchmark::State& state)
{
    QTemporaryDir dir;
    RecoveryStore store(dir.path(), CurrentProcess());
    RecoveryWriter writer(store, [](const QString&) {});
    LevelDocument document;
    document.InitEmptyLevel(1);
    document.markModified();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        document.writeCell(n % 128, n / 128 % 10, 1 + n % 60);
        ++n;
        state.ResumeTiming();
        if (document.isModified())
            writer.changed(kLevelRecoveryKind, LevelRecoverySnapshot(document, QStringLiteral("Level: welt.la8")));
    }
    writer.endCleanly();
}
BENCHMARK(BM_RecoveryOnALevelChange)->Unit(benchmark::kMicrosecond);

// Off the window's thread: making the copy's bytes from both snapshots and writing it through the
// checked save (with its sync to the disk).
void BM_RecoveryCopyWritten(benchmark::State& state)
{
    QTemporaryDir dir;
    RecoveryStore store(dir.path(), CurrentProcess());
    PatternEditor editor;
    bench::PrepareEditor(editor);
    LevelDocument document;
    document.InitEmptyLevel(1);
    const auto pattern = PatternRecoverySnapshot(editor);
    const auto level = LevelRecoverySnapshot(document, QStringLiteral("Level: welt.la8"));
    for (auto _ : state) {
        RecoveryCopy copy{store.self(), {}};
        copy.parts.push_back({kPatternRecoveryKind, QDateTime::currentDateTimeUtc(), pattern()});
        copy.parts.push_back({kLevelRecoveryKind, QDateTime::currentDateTimeUtc(), level()});
        store.write(copy);
    }
    store.removeOwn();
}
BENCHMARK(BM_RecoveryCopyWritten)->Unit(benchmark::kMillisecond);

} // namespace
