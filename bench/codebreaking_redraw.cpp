#include "bench/redraw.h"
#include "codebreaking/mainform.h"

BENCHMARK(redrawAtNewSizes<codebreaking::TMainForm>)->Unit(benchmark::kMillisecond)->Iterations(300);
