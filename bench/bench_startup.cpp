// Start-up speed. The budget compares whole program starts: a child process that builds the window set
// as the program does and quits on the main window's first paint, against a child that shows a bare
// QMainWindow and quits on its first paint (at most 4 times that). A warm in-process build of the
// window set is measured too, to show where the time goes once Qt itself is loaded.
#include "app/desktopopener.h"
#include "app/ui/qtuserdialogs.h"
#include "app/ui/windowset.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"
#include "pattern/ui/main.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

const char* const kChildVariable = "TAVREL_BENCH_CHILD";   // "full" or "bare": run as a child
const char* const kFolderVariable = "TAVREL_BENCH_FOLDER"; // the child's program folder
constexpr int kPaintedExitCode = 42;

// Notes the first paint event of the watched window.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Runs the event loop until the window has painted; false if it never does.
bool WaitForPaint(const PaintWatch& watch)
{
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (!watch.painted && Clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return watch.painted;
}

// A program folder with a full start-up pattern file, as shipped next to the program.
std::unique_ptr<QTemporaryDir> MakeProgramFolder()
{
    auto folder = std::make_unique<QTemporaryDir>();
    PatternEditor art;
    for (int i = 1; i <= PatternStore::kSlotsI; ++i)
        for (int j = 1; j <= PatternStore::kBanks; ++j)
            art.document().setSlot(i, j, QString::number((i * 37 + j * 11) % 256));
    SaveFontFile(art, folder->filePath(QStringLiteral("Vorarado.fa8")));
    return folder;
}

// Builds the window set as the program does and returns once the main window has painted.
bool StartWindowSet(const QString& programFolder)
{
    static QtUserDialogs dialogs;
    static SystemDesktopOpener opener;
    WindowSet windows(dialogs, opener, programFolder);
    PaintWatch watch;
    windows.main()->installEventFilter(&watch);
    windows.showMain();
    return WaitForPaint(watch);
}

bool ShowBareWindow()
{
    QMainWindow window;
    PaintWatch watch;
    window.installEventFilter(&watch);
    window.resize(1029, 734);
    window.show();
    return WaitForPaint(watch);
}

// --- child side: registered only in a child process, which ends at the first paint -----------------

void ChildStartup(benchmark::State& state)
{
    const bool full = qgetenv(kChildVariable) == "full";
    for (auto _ : state) {
        const bool painted = full ? StartWindowSet(QString::fromLocal8Bit(qgetenv(kFolderVariable))) : ShowBareWindow();
        // Quit at once, as the measured program would end its start-up here; teardown is not start-up.
        // A code of its own, so that a child which ran nothing is not taken for a success.
        std::_Exit(painted ? kPaintedExitCode : 3);
    }
}

[[maybe_unused]] const bool kChildRegistered = qEnvironmentVariableIsSet(kChildVariable)
    && benchmark::RegisterBenchmark("ChildStartup", ChildStartup)->Iterations(1) != nullptr;

// --- parent side --------------------------------------------------------------------------------

double ChildSeconds(const char* kind, const QString& folder, benchmark::State& state)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildVariable), QString::fromLatin1(kind));
    env.insert(QString::fromLatin1(kFolderVariable), folder);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setStandardOutputFile(QProcess::nullDevice());
    child.setStandardErrorFile(QProcess::nullDevice());
    const auto start = Clock::now();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--benchmark_filter=^ChildStartup")});
    if (!child.waitForFinished(20000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != kPaintedExitCode)
        state.SkipWithError("the child start-up failed");
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The budget check: a program start with the window set, and, interleaved so that both see the same
// machine load, a bare main window's program start. Counters: bare_ms and ratio (budget: ratio <= 4).
void BM_ProgramStartToFirstPaint(benchmark::State& state)
{
    const auto folder = MakeProgramFolder();
    double full = 0;
    double bare = 0;
    for (auto _ : state) {
        const double f = ChildSeconds("full", folder->path(), state);
        full += f;
        state.SetIterationTime(f);
        bare += ChildSeconds("bare", folder->path(), state);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = 1000.0 * bare / n;
    state.counters["ratio"] = bare > 0 ? full / bare : 0;
}

// The window set built again inside a running program: Qt, fonts and styles already loaded.
void BM_WarmWindowSetToFirstPaint(benchmark::State& state)
{
    const auto folder = MakeProgramFolder();
    for (auto _ : state) {
        const auto start = Clock::now();
        if (!StartWindowSet(folder->path()))
            state.SkipWithError("the main window never painted");
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}

} // namespace

BENCHMARK(BM_ProgramStartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_WarmWindowSetToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);
