// Each sound conversion of the largest sample file the converter takes.
#include "sound/soundconverter.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using Conversion = QStringList (SoundConverter::*)();

void BM_SoundConversion(benchmark::State& state, Conversion conversion)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("largest.snd"));
    {
        QByteArray samples(SoundConverter::kSampleCapacity, Qt::Uninitialized);
        for (int i = 0; i < samples.size(); ++i)
            samples[i] = static_cast<char>((i * 37) ^ (i >> 7));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(samples) != samples.size()) {
            state.SkipWithError("cannot write the sample file");
            return;
        }
    }
    SoundConverter converter;
    for (auto _ : state) {
        // Every conversion changes the current length, so each round starts from a fresh load.
        state.PauseTiming();
        converter.Soundladen(path);
        state.ResumeTiming();
        benchmark::DoNotOptimize((converter.*conversion)());
        benchmark::ClobberMemory();
    }
}

BENCHMARK_CAPTURE(BM_SoundConversion, LowNibble, &SoundConverter::LowNibble)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SoundConversion, Packed, &SoundConverter::Packed)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SoundConversion, Shuffled4, &SoundConverter::Shuffled4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SoundConversion, Shuffled8, &SoundConverter::Shuffled8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SoundConversion, Modul, &SoundConverter::Modul)->Unit(benchmark::kMillisecond);

} // namespace
