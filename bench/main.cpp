#include <benchmark/benchmark.h>

// Every bench/*.cpp registers its own benchmarks; this file only runs them.
BENCHMARK_MAIN();
