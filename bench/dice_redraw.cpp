#include "bench/redraw.h"
#include "dice/mainform.h"

BENCHMARK(redrawAtNewSizes<kubolo::TMainForm>)->Unit(benchmark::kMillisecond)->Iterations(300);
