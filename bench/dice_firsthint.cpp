// The first hint and the first rating of a run. The hint is of the slowest
// kind (two rolls to come): from the Hint command to the text under the
// board, every table the advisor builds and the first pages of the stored
// values included. Once per process: run the program a few times for a
// spread.
#include "bench/window.h"
#include "dice/mainform.h"
#include "platform/platform.h"

#include <QAction>
#include <QLabel>

#include <benchmark/benchmark.h>

namespace {

void FirstHint(benchmark::State &state)
{
    startWindowBench();
    platform::Desktop desktop;
    kubolo::TMainForm window(desktop.platform());
    window.setRollPace(0);
    window.show();
    window.turn().markHinted(); // no training question to answer
    window.rollClick();
    while (window.sheet().RollNumber() == 0)
        QApplication::processEvents();
    for (auto _ : state)
        window.Hint1->trigger();
    if (window.hintLabel->text().isEmpty())
        state.SkipWithError("no hint was given");
}
BENCHMARK(FirstHint)->Unit(benchmark::kMillisecond)->Iterations(1);

// The first rating of a run: from the roll that keeps the dice held to the
// rating back from the coach's thread, ready for the status line.
void FirstRating(benchmark::State &state)
{
    startWindowBench();
    platform::Desktop desktop;
    kubolo::TMainForm window(desktop.platform());
    window.setRollPace(0);
    window.show();
    window.rollClick();
    while (window.sheet().RollNumber() == 0)
        QApplication::processEvents();
    for (auto _ : state) {
        window.rollClick();
        while (window.coach().ratings().empty())
            QApplication::processEvents();
    }
}
BENCHMARK(FirstRating)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
