// Level byte view speed: opening it with both tables painted, and painting after a scroll.
#include "app/ui/qtuserdialogs.h"
#include "level/leveldocument.h"
#include "level/levelpixeltable.h"
#include "level/ui/Mapdata.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <benchmark/benchmark.h>

namespace {

// Creating the window, handing it the tables and painting it once.
void BM_OpenByteView(benchmark::State& state)
{
    QtUserDialogs dialogs; // asks nothing here
    LevelDocument document;
    document.InitEmptyLevel(1);
    LevelPixelTable pixels;
    for (auto _ : state) {
        TFormMapData window(dialogs);
        window.setSources(document, pixels);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_OpenByteView)->Unit(benchmark::kMillisecond);

// One scroll step of the pixel table and the repaint it causes.
void BM_ScrollPixelTable(benchmark::State& state)
{
    QtUserDialogs dialogs; // asks nothing here
    LevelDocument document;
    document.InitEmptyLevel(1);
    LevelPixelTable pixels;
    TFormMapData window(dialogs);
    window.setSources(document, pixels);
    window.show();
    QScrollBar* bar = window.GridBit->horizontalScrollBar();
    int position = 0;
    for (auto _ : state) {
        position = (position + 97) % (bar->maximum() + 1);
        bar->setValue(position);
        benchmark::DoNotOptimize(window.GridBit->viewport()->grab());
    }
}
BENCHMARK(BM_ScrollPixelTable)->Unit(benchmark::kMillisecond);

} // namespace
