// Micro-benchmarks of the rules' inner loop: generation, filtering, perft.
#include <benchmark/benchmark.h>

#include "rules/movegen.h"
#include "rules/perft.h"

namespace {

const char* const kMiddlegame = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";

CMoveGen Position(const char* fen) {
    CMoveGen g;
    if (fen)
        g.SetupFen(fen);
    else
        g.SetupInitial();
    g.Generate();
    g.FilterLegal();
    return g;
}

void BM_Generate(benchmark::State& state) {
    CMoveGen g = Position(kMiddlegame);
    for (auto _ : state) {
        g.Generate();
        benchmark::DoNotOptimize(g.m_count);
    }
}
BENCHMARK(BM_Generate);

void BM_GenerateAndFilter(benchmark::State& state) {
    CMoveGen g = Position(kMiddlegame);
    for (auto _ : state) {
        g.Generate();
        g.FilterLegal();
        benchmark::DoNotOptimize(g.m_count);
    }
}
BENCHMARK(BM_GenerateAndFilter);

void BM_InCheck(benchmark::State& state) {
    CMoveGen g = Position(kMiddlegame);
    for (auto _ : state) benchmark::DoNotOptimize(g.InCheck());
}
BENCHMARK(BM_InCheck);

void BM_MakeChild(benchmark::State& state) {
    const CMoveGen g = Position(kMiddlegame);
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
    const CMoveGen g = Position(nullptr);
    uint64_t leaves = 0;
    for (auto _ : state) leaves = Perft(g, static_cast<int>(state.range(0)));
    state.counters["leaves/s"] =
        benchmark::Counter(static_cast<double>(leaves), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PerftInitial)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace
