#include "bench/redraw.h"
#include "poker/mainform.h"

BENCHMARK(redrawAtNewSizes<poker::TMainForm>)->Unit(benchmark::kMillisecond)->Iterations(300);
