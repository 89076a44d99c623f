// Micro-benchmarks of the engine's inner steps: counting replies, the
// exchange search, building a node list, one shallow search.
#include <benchmark/benchmark.h>


#include "bench/benchpositions.h"
#include "engine/blockpool.h"
#include "engine/evaluator.h"
#include "engine/nodelist.h"
#include "engine/search.h"
#include "rules/movegen.h"
#include "rules/replycounter.h"

namespace {

using benchpositions::kMiddlegame;
using benchpositions::Legal;

void BM_CountReplies(benchmark::State& state) {
    const CMoveGen g = Legal(kMiddlegame);
    CPosition child = g;
    child.Apply(g.m_moves[0]);
    Move onto[CMoveGen::kMaxMovesOnto];
    int16_t kept = 0;
    for (auto _ : state) benchmark::DoNotOptimize(CMoveGen::CountReplies(child, child.m_lastTo, onto, &kept));
}
BENCHMARK(BM_CountReplies);

void BM_ExchangeValueAfterEveryMove(benchmark::State& state) {
    const CMoveGen g = Legal(kMiddlegame);
    for (auto _ : state) {
        CEvaluator e;
        const CReplyCounter counter(g);
        const CEvaluator::Base base = CEvaluator::BaseOf(counter, g);
        for (int16_t i = 0; i < g.m_count; ++i)
            benchmark::DoNotOptimize(e.ExchangeValueAfter(base, g, g.m_moves[i], g.m_count, 4, -999999, 999999));
    }
    state.SetItemsProcessed(state.iterations() * g.m_count);
}
BENCHMARK(BM_ExchangeValueAfterEveryMove);

void BM_RootListInitial(benchmark::State& state) {
    const CMoveGen g = Legal(nullptr);
    CBlockPool pool;
    for (auto _ : state) {
        CNodeList* list = CNodeList::Make(g, pool);
        benchmark::DoNotOptimize(list->m_best);
        CNodeList::Free(list, pool);
    }
}
BENCHMARK(BM_RootListInitial);

void BM_RootListMiddlegame(benchmark::State& state) {
    const CMoveGen g = Legal(kMiddlegame);
    CBlockPool pool;
    for (auto _ : state) {
        CNodeList* list = CNodeList::Make(g, pool);
        benchmark::DoNotOptimize(list->m_best);
        CNodeList::Free(list, pool);
    }
}
BENCHMARK(BM_RootListMiddlegame);

void BM_SearchDepth3Middlegame(benchmark::State& state) {
    const CMoveGen g = Legal(kMiddlegame);
    for (auto _ : state) {
        const int64_t before = g_searchNodes;
        CSearch search(g, nullptr);
        search.SetInfoStream(nullptr);
        while (search.LastDone() < 3) search.Iterate();
        benchmark::DoNotOptimize(search.BestMoveIndex());
        state.counters["nodes"] = double(g_searchNodes - before);
    }
}
BENCHMARK(BM_SearchDepth3Middlegame)->Unit(benchmark::kMillisecond);

}  // namespace
