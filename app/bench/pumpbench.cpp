// Cost of the message pump inside a search: the same fixed-depth walk over
// the legal move tree, asking the pump once per node, with no platform (as
// the command-line tool runs) and with the wx platform inside a running
// event loop. Needs a display: run it under xvfb-run.
#include <benchmark/benchmark.h>
#include <wx/app.h>

#include <cstdio>

#include "app/wxpumpplatform.h"
#include "engine/messagepump.h"
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
