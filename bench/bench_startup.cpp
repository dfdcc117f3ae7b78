// Start-up speed. The budget compares whole program starts in CPU time: a child process that builds the
// window set as the program does and quits on the main window's first paint, against a child that shows
// a bare QMainWindow and quits on its first paint (at most 1.8 times that). Each child reports the CPU time
// it used from its start to its first paint, so the load of other programs on the machine does not count.
// Two more children show what Qt itself needs: the bare window with one line of text (the font system's
// start and the first glyphs), and a window of the same stock controls as the main window (kinds and
// numbers) with none of the program's code, the floor under the window set.
// A warm in-process build of the window set is measured too, to show where the time goes once Qt itself
// is loaded.
#include "benchwindows.h"
#include "app/systemdesktopopener.h"
#include "app/germantranslations.h"
#include "app/qtuserdialogs.h"
#include "app/windowset.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"
#include "gui/pattern/patternwindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>

namespace {

using bench::Clock;
using bench::MakeProgramFolder;
using bench::PaintWatch;
using bench::WaitForPaint;

const char* const kChildVariable = "TAVREL_BENCH_CHILD";   // "full", "bare", "text" or "stock": run as a child
const char* const kFolderVariable = "TAVREL_BENCH_FOLDER"; // the child's program folder
constexpr int kPaintedExitCode = 42;
const char* const kCpuMarker = "TAVREL_CHILD_CPU_SECONDS=";

// The process's CPU time so far, in seconds.
double ProcessCpuSeconds()
{
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    return static_cast<double>(cpu.tv_sec) + cpu.tv_nsec / 1e9;
}

// The CPU time at a window's first paint, read before its windows are taken down again (tearing them
// down is no part of a start); nothing when it never painted.
std::optional<double> CpuAtFirstPaint(const PaintWatch& watch)
{
    if (!WaitForPaint(watch))
        return std::nullopt;
    return ProcessCpuSeconds();
}

// Builds the window set as the program does and returns once the main window has painted.
std::optional<double> StartWindowSet(const QString& programFolder)
{
    static const bool translated = InstallGermanQtTranslations();
    (void)translated;
    static QtUserDialogs dialogs;
    static SystemDesktopOpener opener;
    WindowSet windows(dialogs, opener, programFolder);
    PaintWatch watch;
    windows.patternWindow()->installEventFilter(&watch);
    windows.showMain();
    return CpuAtFirstPaint(watch);
}

std::optional<double> ShowBareWindow(bool withText)
{
    QMainWindow window;
    if (withText)
        window.setCentralWidget(new QLabel(QStringLiteral("Tavrel")));
    PaintWatch watch;
    window.installEventFilter(&watch);
    window.resize(1029, 734);
    window.show();
    return CpuAtFirstPaint(watch);
}

// The main window's stock controls, kinds and numbers, in a plain grid, without any of the program's code.
std::optional<double> ShowStockControlsWindow()
{
    QWidget window;
    window.resize(1029, 734);
    auto* grid = new QGridLayout(&window);
    int at = 0;
    const auto add = [&](QWidget* control) {
        grid->addWidget(control, at / 8, at % 8);
        ++at;
    };
    // A menu bar of 7 menus with 41 entries among them.
    auto* menus = new QMenuBar;
    for (int m = 0, entries = 41; m < 7; ++m) {
        QMenu* menu = menus->addMenu(QStringLiteral("Menü %1").arg(m));
        for (int e = 0; e < (entries + 6 - m) / (7 - m); ++e)
            menu->addAction(QStringLiteral("Eintrag %1").arg(e));
        entries -= (entries + 6 - m) / (7 - m);
    }
    grid->setMenuBar(menus);
    for (int i = 0; i < 39; ++i)
        add(new QPushButton(QStringLiteral("Knopf %1").arg(i)));
    for (int i = 0; i < 14; ++i)
        add(new QLabel(QStringLiteral("Beschriftung %1").arg(i)));
    for (int i = 0; i < 11; ++i)
        add(new QLineEdit(QString::number(7 * i)));
    for (int i = 0; i < 7; ++i)
        add(new QSpinBox);
    for (int i = 0; i < 4; ++i)
        add(new QGroupBox(QStringLiteral("Gruppe %1").arg(i)));
    for (int i = 0; i < 2; ++i) {
        auto* combo = new QComboBox;
        combo->addItems({QStringLiteral("Char"), QStringLiteral("Player")});
        add(combo);
    }
    add(new QPlainTextEdit);
    for (int i = 0; i < 2; ++i)
        add(new QScrollArea);
    for (const int columns : {8, 2}) {
        auto* table = new QTableWidget(16, columns);
        table->horizontalHeader()->hide();
        table->verticalHeader()->hide();
        for (int r = 0; r < 16; ++r)
            for (int c = 0; c < columns; ++c)
                table->setItem(r, c, new QTableWidgetItem(QStringLiteral("0")));
        add(table);
    }
    PaintWatch watch;
    window.installEventFilter(&watch);
    window.show();
    return CpuAtFirstPaint(watch);
}

// --- child side: registered only in a child process, which ends at the first paint -----------------

void ChildStartup(benchmark::State& state)
{
    const QByteArray kind = qgetenv(kChildVariable);
    for (auto _ : state) {
        const std::optional<double> cpu = kind == "full"
            ? StartWindowSet(QString::fromLocal8Bit(qgetenv(kFolderVariable)))
            : kind == "stock" ? ShowStockControlsWindow()
                              : ShowBareWindow(kind == "text");
        std::printf("\n%s%.6f\n", kCpuMarker, cpu.value_or(0));
        std::fflush(stdout);
        // Quit at once, as the measured program would end its start-up here.
        // A code of its own, so that a child which ran nothing is not taken for a success.
        std::_Exit(cpu ? kPaintedExitCode : 3);
    }
}

[[maybe_unused]] const bool kChildRegistered = qEnvironmentVariableIsSet(kChildVariable)
    && benchmark::RegisterBenchmark("ChildStartup", ChildStartup)->Iterations(1) != nullptr;

// --- parent side --------------------------------------------------------------------------------

struct ChildTimes {
    double wall = 0;
    double cpu = 0;
};

ChildTimes ChildSeconds(const char* kind, const QString& folder, benchmark::State& state)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildVariable), QString::fromLatin1(kind));
    env.insert(QString::fromLatin1(kFolderVariable), folder);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setStandardErrorFile(QProcess::nullDevice());
    const auto start = Clock::now();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--benchmark_filter=^ChildStartup")});
    if (!child.waitForFinished(20000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != kPaintedExitCode)
        state.SkipWithError("the child start-up failed");
    ChildTimes times;
    times.wall = std::chrono::duration<double>(Clock::now() - start).count();
    const QByteArray out = child.readAllStandardOutput();
    const qsizetype at = out.indexOf(kCpuMarker);
    if (at < 0)
        state.SkipWithError("the child did not report its CPU time");
    else
        times.cpu = out.mid(at + qsizetype(std::strlen(kCpuMarker))).split('\n').first().toDouble();
    return times;
}

// The budget check: a program start with the window set and, interleaved, the program starts of a bare
// main window, of the bare window with one line of text and of the stock controls. The time shown is the
// window set's CPU time to its first paint. Counters: cpu_ms, bare_cpu_ms, text_cpu_ms and stock_cpu_ms
// (means), cpu_ratio, text_ratio and stock_ratio (against the bare window), vs_stock (the window set against
// the stock controls; budget: <= 1.2; cpu_ratio's budget: <= 1.8), and the
// wall-clock figures for comparison.
void BM_ProgramStartToFirstPaint(benchmark::State& state)
{
    const auto folder = MakeProgramFolder();
    ChildTimes full;
    ChildTimes bare;
    ChildTimes text;
    ChildTimes stock;
    for (auto _ : state) {
        const ChildTimes f = ChildSeconds("full", folder->path(), state);
        const ChildTimes b = ChildSeconds("bare", folder->path(), state);
        const ChildTimes t = ChildSeconds("text", folder->path(), state);
        const ChildTimes s = ChildSeconds("stock", folder->path(), state);
        full.wall += f.wall;
        full.cpu += f.cpu;
        bare.wall += b.wall;
        bare.cpu += b.cpu;
        text.cpu += t.cpu;
        stock.cpu += s.cpu;
        state.SetIterationTime(f.cpu);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["cpu_ms"] = 1000.0 * full.cpu / n;
    state.counters["bare_cpu_ms"] = 1000.0 * bare.cpu / n;
    state.counters["text_cpu_ms"] = 1000.0 * text.cpu / n;
    state.counters["stock_cpu_ms"] = 1000.0 * stock.cpu / n;
    state.counters["cpu_ratio"] = bare.cpu > 0 ? full.cpu / bare.cpu : 0;
    state.counters["text_ratio"] = bare.cpu > 0 ? text.cpu / bare.cpu : 0;
    state.counters["stock_ratio"] = bare.cpu > 0 ? stock.cpu / bare.cpu : 0;
    state.counters["vs_stock"] = stock.cpu > 0 ? full.cpu / stock.cpu : 0;
    state.counters["wall_ms"] = 1000.0 * full.wall / n;
    state.counters["bare_wall_ms"] = 1000.0 * bare.wall / n;
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
