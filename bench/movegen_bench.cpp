// Micro-benchmarks of the rules' inner loop: generation, filtering, perft.
#include <benchmark/benchmark.h>

#include "bench/benchpositions.h"
#include "rules/movegen.h"
#include "rules/perft.h"

namespace {

using benchpositions::kMiddlegame;
using benchpositions::Legal;

void BM_Generate(benchmark::State& state) {
    CMoveGen g = Legal(kMiddlegame);
    for (auto _ : state) {
        g.Generate();
        benchmark::DoNotOptimize(g.m_count);
    }
}
BENCHMARK(BM_Generate);

void BM_GenerateAndFilter(benchmark::State& state) {
    CMoveGen g = Legal(kMiddlegame);
    for (auto _ : state) {
        g.Generate();
        g.FilterLegal();
        benchmark::DoNotOptimize(g.m_count);
    }
}
BENCHMARK(BM_GenerateAndFilter);

void BM_InCheck(benchmark::State& state) {
    CMoveGen g = Legal(kMiddlegame);
    for (auto _ : state) benchmark::DoNotOptimize(g.InCheck());
}
BENCHMARK(BM_InCheck);

void BM_MakeChild(benchmark::State& state) {
    const CMoveGen g = Legal(kMiddlegame);
    CMoveGen child;
    int16_t i = 0;
    for (auto _ : state) {
        child.MakeChild(g, i);
        benchmark::DoNotOptimize(child.m_count);
        if (++i == g.m_count) i = 0;
    }
}
BENCHMARK(BM_MakeChild);

void BM_PerftInitial(benchmark::State& state) {
    const CMoveGen g = Legal(nullptr);
    uint64_t leaves = 0;
    for (auto _ : state) leaves = Perft(g, static_cast<int>(state.range(0)));
    state.counters["leaves/s"] =
        benchmark::Counter(static_cast<double>(leaves), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PerftInitial)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace
