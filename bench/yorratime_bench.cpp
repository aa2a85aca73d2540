#include "core/YorraTime.h"

#include <benchmark/benchmark.h>

// The main window computes the game clock twenty times a second; report nanoseconds per call.
static void BM_ComputeYorraTime(benchmark::State& state) {
    TLocalDateTime now = EncodeDateTime(2026, 12, 10, 13, 0, 0, 0);
    for (auto _ : state) {
        TYorraTimeInfo info = ComputeYorraTime(now, -17);
        benchmark::DoNotOptimize(info);
        now += 50;
    }
}
BENCHMARK(BM_ComputeYorraTime);
