// A game window redrawn at a new size, as a corner drag asks it: each pass
// resizes the shown window by a few pixels and paints it whole. Run for 300
// passes, so that no size comes twice.
#pragma once

#include "bench/window.h"
#include "platform/platform.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

template <class Window>
void redrawAtNewSizes(benchmark::State &state)
{
    startWindowBench();
    platform::Desktop desktop;
    Window window(desktop.platform());
    window.show();
    const QSize start = window.size();
    int step = 0;
    for (auto _ : state) {
        ++step;
        window.resize(start + QSize(3 * step, 2 * step));
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
}
