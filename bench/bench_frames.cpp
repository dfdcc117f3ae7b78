// Actions that must fit one 60 Hz frame (16.7 ms CPU), each from the user's event to the repaint of
// what it changed: the level editor's first opening, the byte view's first opening and reopening, and
// painting a cell and undoing a 20-cell stroke with the byte view open; whole-level edits with the byte
// view open and closed; the level view's zoom, grid and painting tools at 100 % and 25 %. The window set is built as the
// program builds it, with the start-up file; what an action needs before it is set up outside the timing.
#include "benchwindows.h"

#include "app/systemdesktopopener.h"
#include "app/qtuserdialogs.h"
#include "app/windowset.h"
#include "level/leveldocument.h"
#include "level/levelzoom.h"
#include "level/patterngrid.h"
#include "gui/level/levelwindow.h"
#include "gui/level/levelbyteview.h"
#include "gui/level/levelpictureview.h"
#include "gui/pattern/patternwindow.h"

#include <QApplication>
#include <QClipboard>
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

// An edit of all 1,280 cells, by key as the user makes it, and its repaint, with the byte view open
// (second argument 1) or closed (0): 0 "F" on a level of one pattern, 1 Ctrl+V of a whole level at
// its top left, 2 the undo of such a paste.
enum class WholeLevelEdit { Fill, Paste, Undo };

void BM_WholeLevelEdit(benchmark::State& state)
{
    const auto edit = static_cast<WholeLevelEdit>(state.range(0));
    const bool byteViewOpen = state.range(1) != 0;
    Program program;
    if (byteViewOpen) {
        program.openForPainting();
    } else {
        program.openLevelEditor();
        program.control<QTabWidget>(program.levelEditor(), "PageControl1")->setCurrentIndex(kElementsPage);
        QCoreApplication::processEvents();
    }
    LevelEditSession& session = program.windows.levelWindow()->session();
    QWidget* view = program.levelView();
    view->setFocus();
    const auto wholeLevel = [](int pattern) {
        return PatternGridText(PatternGrid(LevelDocument::kRows, std::vector<int>(LevelDocument::kColumns, pattern)));
    };
    session.cursor().moveTo({0, 0});
    session.paste(wholeLevel(2));
    QCoreApplication::processEvents();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const int pattern = ++n % 2 ? 4 : 2; // every edit changes every cell
        if (edit == WholeLevelEdit::Fill)
            session.setCarried(LevelEditSession::Left, pattern);
        else if (edit == WholeLevelEdit::Paste)
            QGuiApplication::clipboard()->setText(wholeLevel(pattern));
        else
            session.paste(wholeLevel(4)); // over the level of 2 that the last undo left
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (edit == WholeLevelEdit::Fill)
            QTest::keyClick(view, Qt::Key_F);
        else if (edit == WholeLevelEdit::Paste)
            QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
        else
            QTest::mouseClick(program.control<QPushButton>(program.levelEditor(), "ButtonUndo"), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    LevelDocument& document = program.windows.levelWindow()->document();
    state.counters["cell0"] = document.cellPattern(0, 0);
    state.counters["steps"] = document.undoStack().count();
}
BENCHMARK(BM_WholeLevelEdit)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->ArgNames({"edit", "byteview"})
    ->Unit(benchmark::kMillisecond);

// The level view's actions, each from the user's event to the repaint, at 100 % and at 25 % (second
// argument): 0 a zoom step by key (in and out by turns), 1 the grid by G (on and off by turns), 2 a
// rectangle of 20 x 8 cells dragged with the mouse, 3 a click of "Fläche" that fills the whole level,
// 4 a stamp of 4 x 2 cells dragged over four places, 5 a pen stroke over 20 cells. Every stroke changes
// every cell it reaches (the patterns take turns).
enum class ViewAction { Zoom, Grid, Rectangle, Area, Stamp, Pen };

void BM_LevelViewAction(benchmark::State& state)
{
    const auto action = static_cast<ViewAction>(state.range(0));
    // The level editor reads the zoom when it is made; the user's own settings come back at the end.
    const LevelViewSettings kept = LevelViewSettings::load();
    LevelViewSettings{double(state.range(1)), false}.save();
    {
        Program program;
        program.openLevelEditor();
        QWidget* editor = program.levelEditor();
        program.control<QTabWidget>(editor, "PageControl1")->setCurrentIndex(kElementsPage);
        editor->activateWindow();
        (void)QTest::qWaitForWindowActive(editor); // keys go to the focused view either way
        LevelWindow* window = program.windows.levelWindow();
        LevelEditSession& session = window->session();
        auto* view = program.control<LevelPictureView>(editor, "paintboxLevel");
        view->setFocus();
        const char* tools[] = {nullptr, nullptr, "ButtonRechteck", "ButtonFlaeche", "ButtonStempel", "ButtonStift"};
        if (const char* tool = tools[state.range(0)])
            QTest::mouseClick(program.control<QPushButton>(editor, tool), Qt::LeftButton);
        session.cursor().moveTo({0, 0});
        session.paste(PatternGridText(PatternGrid(LevelDocument::kRows, std::vector<int>(LevelDocument::kColumns, 2))));
        QCoreApplication::processEvents();
        const double scale = view->scale();
        const auto at = [scale](int x, int y) { return QPoint(int((kCell * x + kCell / 2) * scale), int((kCell * y + kCell / 2) * scale)); };
        const auto stroke = [view, &at](QPoint from, QPoint to, int moves) {
            QTest::mousePress(view, Qt::LeftButton, {}, at(from.x(), from.y()));
            for (int i = 1; i <= moves; ++i) {
                const QPoint cell = from + (to - from) * i / moves;
                const QPoint p = at(cell.x(), cell.y());
                QMouseEvent move(QEvent::MouseMove, p, view->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(view, &move);
            }
            QTest::mouseRelease(view, Qt::LeftButton, {}, at(to.x(), to.y()));
        };
        int n = 0;
        for (auto _ : state) {
            state.PauseTiming();
            const int pattern = ++n % 2 ? 4 : 2;
            session.setCarried(LevelEditSession::Left, pattern);
            QGuiApplication::clipboard()->setText(PatternGridText(PatternGrid(2, std::vector<int>(4, pattern))));
            QCoreApplication::processEvents();
            state.ResumeTiming();
            switch (action) {
            case ViewAction::Zoom: QTest::keyClick(view, n % 2 ? Qt::Key_Plus : Qt::Key_Minus, Qt::ControlModifier); break;
            case ViewAction::Grid: QTest::keyClick(view, Qt::Key_G); break;
            case ViewAction::Rectangle: stroke({3, 1}, {22, 8}, 8); break;
            case ViewAction::Area: QTest::mouseClick(view, Qt::LeftButton, {}, at(50, 5)); break;
            case ViewAction::Stamp: stroke({5, 3}, {20, 3}, 15); break;
            case ViewAction::Pen: stroke({6, 4}, {25, 4}, 19); break;
            }
            QCoreApplication::processEvents();
        }
        state.counters["zoom"] = view->scale() * 100;
        state.counters["steps"] = window->document().undoStack().count();
    }
    kept.save();
}
BENCHMARK(BM_LevelViewAction)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {100, 25}})
    ->ArgNames({"action", "zoom"})
    ->Unit(benchmark::kMillisecond);

} // namespace
