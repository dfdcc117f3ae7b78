// Level byte view speed: painting after a scroll (opening it: bench_frames.cpp).
#include "app/qtuserdialogs.h"
#include "level/leveldocument.h"
#include "level/levelpixeltable.h"
#include "gui/level/levelbyteview.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <benchmark/benchmark.h>

namespace {

// One scroll step of the pixel table and the repaint it causes.
void BM_ScrollPixelTable(benchmark::State& state)
{
    QtUserDialogs dialogs; // asks nothing here
    LevelDocument document;
    document.InitEmptyLevel(1);
    LevelPixelTable pixels;
    LevelByteView window(dialogs);
    window.setSources(document, pixels);
    window.show();
    auto* grid = window.findChild<QTableView*>(QStringLiteral("GridBit"));
    QScrollBar* bar = grid->horizontalScrollBar();
    int position = 0;
    for (auto _ : state) {
        position = (position + 97) % (bar->maximum() + 1);
        bar->setValue(position);
        benchmark::DoNotOptimize(grid->viewport()->grab());
    }
}
BENCHMARK(BM_ScrollPixelTable)->Unit(benchmark::kMillisecond);

} // namespace
