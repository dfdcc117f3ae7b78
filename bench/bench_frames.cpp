// Actions that must fit one 60 Hz frame (16.7 ms CPU), each from the user's event to the repaint of
// what it changed: the level editor's first opening, the byte view's first opening and reopening, and
// painting a cell and undoing a 20-cell stroke with the byte view open. The window set is built as the
// program builds it, with the start-up file; what an action needs before it is set up outside the timing.
#include "benchwindows.h"

#include "app/systemdesktopopener.h"
#include "app/qtuserdialogs.h"
#include "app/windowset.h"
#include "level/leveldocument.h"
#include "gui/level/levelwindow.h"
#include "gui/level/levelbyteview.h"
#include "gui/pattern/patternwindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>
#include <QUndoStack>

namespace {

using bench::PaintWatch;
using bench::WaitForPaint;

constexpr int kCell = 32;      // a level cell on the screen, in pixels
constexpr int kElementsPage = 1;

QString ProgramFolder()
{
    static const auto folder = bench::MakeProgramFolder();
    return folder->path();
}

// The program's windows with the main window shown and painted.
struct Program {
    QtUserDialogs dialogs;
    SystemDesktopOpener opener;
    WindowSet windows{dialogs, opener, ProgramFolder()};

    Program()
    {
        PaintWatch watch;
        windows.patternWindow()->installEventFilter(&watch);
        windows.showMain();
        WaitForPaint(watch);
    }
    template <class T>
    T* control(QWidget* window, const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    // Clicks the button and runs the event loop until the window has painted.
    static bool clickAndWaitForPaint(QPushButton* button, QWidget* window)
    {
        PaintWatch watch;
        window->installEventFilter(&watch);
        QTest::mouseClick(button, Qt::LeftButton);
        const bool painted = WaitForPaint(watch);
        window->removeEventFilter(&watch);
        return painted;
    }
    // The windows as the program has them, found by name: asking the window set for them would build
    // all their controls first.
    static QWidget* window(const char* name)
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name))
                return w;
        return nullptr;
    }
    QWidget* levelEditor() const { return window("Formmap"); }
    QWidget* byteView() const { return window("FormMapData"); }
    bool openLevelEditor() { return clickAndWaitForPaint(control<QPushButton>(windows.patternWindow(), "ButtonMap"), levelEditor()); }
    bool openByteView() { return clickAndWaitForPaint(control<QPushButton>(levelEditor(), "Button30"), byteView()); }
    // Level editor and byte view open, the elements page showing for painting.
    void openForPainting()
    {
        openLevelEditor();
        control<QTabWidget>(levelEditor(), "PageControl1")->setCurrentIndex(0);
        openByteView();
        control<QTabWidget>(levelEditor(), "PageControl1")->setCurrentIndex(kElementsPage);
        QCoreApplication::processEvents();
    }
    QWidget* levelView() const { return control<QWidget>(levelEditor(), "paintboxLevel"); }
    static QPoint cellCentre(int x, int y) { return QPoint(kCell * x + kCell / 2, kCell * y + kCell / 2); }
};

void BM_OpenLevelEditorFirst(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>();
        state.ResumeTiming();
        if (!program->openLevelEditor()) {
            state.SkipWithError("the level editor never painted");
            break;
        }
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenLevelEditorFirst)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_OpenByteViewFirst(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>();
        program->openLevelEditor();
        program->control<QTabWidget>(program->levelEditor(), "PageControl1")->setCurrentIndex(0);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (!program->openByteView()) {
            state.SkipWithError("the byte view never painted");
            break;
        }
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenByteViewFirst)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ReopenByteView(benchmark::State& state)
{
    Program program;
    program.openLevelEditor();
    program.control<QTabWidget>(program.levelEditor(), "PageControl1")->setCurrentIndex(0);
    program.openByteView();
    for (auto _ : state) {
        state.PauseTiming();
        program.byteView()->hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (!program.openByteView()) {
            state.SkipWithError("the byte view never painted");
            break;
        }
    }
}
BENCHMARK(BM_ReopenByteView)->Unit(benchmark::kMillisecond);

// Walks the visible cells of the level, painting each with the chosen element; the level is laid
// anew (outside the timing) once every cell was painted.
void BM_PaintCellByteViewOpen(benchmark::State& state)
{
    Program program;
    program.openForPainting();
    LevelDocument& document = program.windows.levelWindow()->document();
    QWidget* view = program.levelView();
    document.InitEmptyLevel(2); // the chosen element differs, so that every click changes a cell
    QCoreApplication::processEvents();
    int n = 0;
    for (auto _ : state) {
        const int x = 6 + n % 20;
        const int y = (n / 20) % LevelDocument::kRows;
        if (++n % 200 == 0) {
            state.PauseTiming();
            document.InitEmptyLevel(2);
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        QTest::mouseClick(view, Qt::LeftButton, {}, Program::cellCentre(x, y));
        QCoreApplication::processEvents();
    }
    state.counters["steps"] = document.undoStack().count();
}
BENCHMARK(BM_PaintCellByteViewOpen)->Unit(benchmark::kMillisecond);

// A stroke over 20 cells (outside the timing), then its undo with the repaint it causes.
void BM_UndoStrokeByteViewOpen(benchmark::State& state)
{
    Program program;
    program.openForPainting();
    LevelDocument& document = program.windows.levelWindow()->document();
    QWidget* view = program.levelView();
    auto* undo = program.control<QPushButton>(program.levelEditor(), "ButtonUndo");
    for (auto _ : state) {
        state.PauseTiming();
        document.InitEmptyLevel(2);
        QTest::mousePress(view, Qt::LeftButton, {}, Program::cellCentre(6, 4));
        for (int x = 7; x < 26; ++x) {
            QMouseEvent move(QEvent::MouseMove, Program::cellCentre(x, 4), view->mapToGlobal(Program::cellCentre(x, 4)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(view, &move);
        }
        QTest::mouseRelease(view, Qt::LeftButton, {}, Program::cellCentre(25, 4));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QTest::mouseClick(undo, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_UndoStrokeByteViewOpen)->Unit(benchmark::kMillisecond);

} // namespace
