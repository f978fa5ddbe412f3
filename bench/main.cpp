// The entry point of brul_bench; every file in bench/ only registers benchmarks.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
