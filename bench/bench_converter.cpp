// Graphics converter speed: quantising a picture to the palette and the two analyses with their logs.
#include "app/qtuserdialogs.h"
#include "converter/graphicsconverter.h"
#include "converter/nearestpalettecolor.h"
#include "gui/converter/converterwindow.h"
#include "testpicture.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

double PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

// Budgets: 5 ms for 320 x 200, 150 ms for 1920 x 1080, the exact nearest-colour rule.
void BM_Quantize(benchmark::State& state)
{
    const QImage photo = MadeUpPhoto(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        state.PauseTiming();
        QImage picture = photo.copy();
        state.ResumeTiming();
        PaletteQuantizer quantizer;
        quantizer.quantize(picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["Mpixel/s"] =
        benchmark::Counter(static_cast<double>(photo.width()) * photo.height() * state.iterations() / 1e6,
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Quantize)->Args({320, 200})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

enum class Analysis { Compact, Isolated };

// Budgets: 50 ms for 320 x 200, 1 s for 1920 x 1080, each with its log of one line per pixel;
// reading the lines a log view shows (a screenful from the middle) is included.
void BM_Analysis(benchmark::State& state, Analysis analysis)
{
    GraphicsConverter converter;
    converter.ResetRegisterTable(GraphicsConverter::Headers::RegisterAddresses);
    converter.TakePicture(MadeUpPhoto(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    for (auto _ : state) {
        state.PauseTiming();
        // "Kompakt" adds to the table; from an empty table each round does the full work.
        converter.ResetRegisterTable(GraphicsConverter::Headers::RegisterAddresses);
        converter.log().clear();
        state.ResumeTiming();
        if (analysis == Analysis::Compact)
            converter.ErmittleFarbenKompakt();
        else
            converter.ErmittleFarbenIsoliert();
        const qsizetype middle = converter.log().lineCount() / 2;
        for (qsizetype i = middle; i < middle + 60; ++i)
            benchmark::DoNotOptimize(converter.log().line(i));
    }
    state.counters["log lines"] = static_cast<double>(converter.log().lineCount());
    state.counters["peak MB"] = PeakResidentMegabytes();
}
BENCHMARK_CAPTURE(BM_Analysis, Kompakt, Analysis::Compact)
    ->Args({320, 200})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Analysis, Isoliert, Analysis::Isolated)
    ->Args({320, 200})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond);

// For reference: every line of a 1920 x 1080 analysis log made as text at once (copying the whole log).
void BM_WholeLogText(benchmark::State& state)
{
    GraphicsConverter converter;
    converter.TakePicture(MadeUpPhoto(1920, 1080));
    converter.ErmittleFarbenIsoliert();
    for (auto _ : state)
        benchmark::DoNotOptimize(converter.log().lines());
}
BENCHMARK(BM_WholeLogText)->Unit(benchmark::kMillisecond)->Iterations(2);

// The window with a 1920 x 1080 photo: loaded through its button, both analyses and code generation
// with the table and the log on screen. Run it alone for its peak memory (the counter is the
// process's peak): --benchmark_filter=ConverterWindow
void BM_ConverterWindow1920x1080(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("foto.png"));
    if (!MadeUpPhoto(1920, 1080).save(photo)) {
        state.SkipWithError("cannot write the photo");
        return;
    }
    // Every dialog is cancelled except the open-file dialog, which names the photo.
    class PhotoDialogs : public QtUserDialogs {
    public:
        explicit PhotoDialogs(QString file) : mFile(std::move(file)) {}
        std::optional<QString> openFile(const FileDialogRequest&) override { return mFile; }
        std::optional<QString> saveFile(const FileDialogRequest&) override { return std::nullopt; }
        void error(const QString& text) override { errors << text; }
        QStringList errors;

    private:
        QString mFile;
    } dialogs(photo);
    ConverterWindow window(dialogs);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.findChild<QPushButton*>(QStringLiteral("ButtonLoadPicture"))->click();
        QApplication::processEvents();
        window.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        QApplication::processEvents();
        window.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        QApplication::processEvents();
        window.findChild<QPushButton*>(QStringLiteral("ButtonAssembler"))->click();
        QApplication::processEvents();
    }
    if (!dialogs.errors.isEmpty())
        state.SkipWithError(qPrintable(dialogs.errors.first()));
    state.counters["peak MB"] = PeakResidentMegabytes();
}
BENCHMARK(BM_ConverterWindow1920x1080)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
