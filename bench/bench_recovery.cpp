// The recovery copy: what a change costs on the window's thread, and the write that runs beside it.
#include "benchpattern.h"
#include "common/recoverystore.h"
#include "common/recoverywriter.h"
#include "converter/converterrecovery.h"
#include "converter/graphicsconverter.h"
#include "level/leveldocument.h"
#include "level/levelfile.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A 1920 x 1080 picture of one colour, taken into the converter.
void TakeGreenPicture(GraphicsConverter& converter)
{
    QImage picture(1920, 1080, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    converter.TakePicture(picture);
}

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

// A pixel painted into a 1920 x 1080 picture in the converter, in the worst case: right after a copy
// was written, so that the picture shares its pixels with the snapshot and this pixel makes the
// picture copy itself. Between writes (at least a second apart) a pixel costs only its handing over.
void BM_RecoveryOnAPaintedPixelAfterAWrite(benchmark::State& state)
{
    QTemporaryDir dir;
    RecoveryStore store(dir.path(), CurrentProcess());
    RecoveryWriter writer(store, [](const QString&) {});
    GraphicsConverter converter;
    TakeGreenPicture(converter);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        writer.flush();
        state.ResumeTiming();
        converter.setPixel(n % 1920, n / 1920 % 1080, PackedColor(n & 0xFFFFFF));
        ++n;
        if (converter.pictureModified())
            writer.changedLater(kConverterRecoveryKind, [&converter] { return ConverterRecoverySnapshot(converter); });
    }
    writer.endCleanly();
}

// The worst case: a pixel painted while the copy is being encoded, so that the picture still shares its
// pixels with the snapshot and the pixel makes it copy them (once per write, at most once a second).
void BM_RecoveryOnAPaintedPixelWhileWritten(benchmark::State& state)
{
    GraphicsConverter converter;
    TakeGreenPicture(converter);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::function<QByteArray()> encoding = ConverterRecoverySnapshot(converter);
        state.ResumeTiming();
        converter.setPixel(n % 1920, n / 1920 % 1080, PackedColor(n & 0xFFFFFF));
        ++n;
        state.PauseTiming();
        encoding = {};
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RecoveryOnAPaintedPixelWhileWritten)->Unit(benchmark::kMicrosecond);

// Each iteration waits for a whole copy to be encoded and written (paused), so the count is fixed.
BENCHMARK(BM_RecoveryOnAPaintedPixelAfterAWrite)->Unit(benchmark::kMicrosecond)->Iterations(40);

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
