#include "bench/bench_setup.h"

// The library's cases need nothing beyond the machine.
void SetUpBenchmarks(int, char**) {}
