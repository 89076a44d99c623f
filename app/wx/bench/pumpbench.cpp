// Cost of the message pump inside a search, with the wx platform inside a
// running event loop against no platform (as the command-line tool runs):
// the real search to a fixed depth on a few positions, and a bare walk over
// the legal move tree that asks the pump at every node. Needs a display: run
// it under xvfb-run.
#include <benchmark/benchmark.h>
#include <wx/app.h>

#include <cstdio>

#include "app/wx/wxpumpplatform.h"
#include "engine/messagepump.h"
#include "engine/search.h"
#include "rules/movegen.h"

namespace {

constexpr int kDepth = 4;

uint64_t Walk(const CMoveGen& node, int depth) {
    if (TheMessagePump().PumpOne()) return 0;
    if (depth == 0) return 1;
    uint64_t nodes = 1;
    for (int16_t i = 0; i < node.m_count; ++i) {
        CMoveGen child;
        child.MakeChild(node, i);
        nodes += Walk(child, depth - 1);
    }
    return nodes;
}

void RunWalk(benchmark::State& state, CMessagePump::Platform* platform) {
    CMoveGen root;
    root.SetupInitial();
    root.Generate();
    root.FilterLegal();
    TheMessagePump().SetPlatform(platform);
    TheMessagePump().SetThinking(1);
    uint64_t nodes = 0;
    for (auto _ : state) nodes += Walk(root, kDepth);
    TheMessagePump().SetThinking(0);
    TheMessagePump().SetPlatform(nullptr);
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

void BM_WalkWithoutPlatform(benchmark::State& state) { RunWalk(state, nullptr); }

void BM_WalkWithWxPump(benchmark::State& state) {
    CWxPumpPlatform platform;
    RunWalk(state, &platform);
}

// The same without skipping calls: every node asks the toolkit for events.
void BM_WalkWithWxPumpLookingEveryCall(benchmark::State& state) {
    CWxPumpPlatform platform(1);
    RunWalk(state, &platform);
}

void BM_DispatchOneEveryCall(benchmark::State& state) {
    CWxPumpPlatform platform(1);
    for (auto _ : state) platform.DispatchOne();
}

// A few of torvo-cli bench's positions: an opening, a middlegame, an ending.
constexpr const char* kSearchPositions[] = {
    "r1bqkbnr/pppp1ppp/2n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "r2q1rk1/1b2bppp/p2ppn2/1p6/3NP3/1BN1Q3/PPP2PPP/R4RK1 w - - 0 14",
    "8/pp3k2/2p5/3p4/3P4/2P5/PP3K2/8 w - - 0 30",
};
constexpr int kSearchDepth = 4;

// The search as the program's thinking runs it, without a time limit.
void RunSearch(benchmark::State& state, CMessagePump* pump, CMessagePump::Platform* platform) {
    TheMessagePump().SetPlatform(platform);
    TheMessagePump().SetThinking(CMessagePump::kThinkingOn);
    const int64_t before = g_searchNodes;
    for (auto _ : state) {
        for (const char* fen : kSearchPositions) {
            CMoveGen root;
            root.SetupFen(fen);
            root.Generate();
            root.FilterLegal();
            CSearch search(root, pump);
            search.SetInfoStream(nullptr);
            while (search.LastDone() < kSearchDepth && !search.IsAborted()) search.Iterate();
            benchmark::DoNotOptimize(search.BestMoveIndex());
            search.Release();
        }
    }
    TheMessagePump().SetThinking(CMessagePump::kThinkingOff);
    TheMessagePump().SetPlatform(nullptr);
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(g_searchNodes - before), benchmark::Counter::kIsRate);
}

// As torvo-cli bench: no pump at all.
void BM_SearchWithoutPump(benchmark::State& state) { RunSearch(state, nullptr, nullptr); }

// The pump asked at every node, but no platform behind it.
void BM_SearchWithoutPlatform(benchmark::State& state) { RunSearch(state, &TheMessagePump(), nullptr); }

// The desktop program's case: the wx platform inside the running event loop.
void BM_SearchWithWxPump(benchmark::State& state) {
    CWxPumpPlatform platform;
    RunSearch(state, &TheMessagePump(), &platform);
    state.counters["looks"] = static_cast<double>(platform.Looks());
}

BENCHMARK(BM_SearchWithoutPump)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SearchWithoutPlatform)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SearchWithWxPump)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WalkWithoutPlatform)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkWithWxPump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkWithWxPumpLookingEveryCall)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DispatchOneEveryCall);

// Runs the benchmarks from inside the running event loop, as a search does.
class CPumpBenchApp : public wxApp {
public:
    bool OnInit() override {
        CallAfter([this] {
            benchmark::RunSpecifiedBenchmarks();
            ExitMainLoop();
        });
        return true;
    }
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(CPumpBenchApp);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    return wxEntry(argc, argv);
}
