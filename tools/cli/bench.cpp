#include "tools/cli/bench.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/levels.h"
#include "engine/messagepump.h"
#include "engine/search.h"
#include "engine/thinkingdriver.h"
#include "tools/cli/cliargs.h"
#include "tools/cli/consolehost.h"
#include "tools/cli/platform.h"

using namespace cli;

namespace {

constexpr int64_t kDefaultDepth = 5;
constexpr int64_t kMaxDepth = CSearch::kMaxIterations - 2;

struct BenchPosition {
    const char* name;
    const char* fen;
};

// Openings, middlegames with tactics, endgames, a mate in two and a
// promotion race. Changing the set changes the signature.
constexpr BenchPosition kPositions[] = {
    {"initial", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1"},
    {"spanish", "r1bqkbnr/pppp1ppp/2n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3"},
    {"sicilian", "rnbqkb1r/pp2pppp/3p1n2/8/3NP3/8/PPP2PPP/RNBQKB1R w KQkq - 1 5"},
    {"queens-gambit", "rnbqkb1r/ppp2ppp/4pn2/3p4/2PP4/2N5/PP2PPPP/R1BQKBNR w KQkq - 2 4"},
    {"italian-castled", "r1bq1rk1/ppp2ppp/2np1n2/2b1p3/2B1P3/2NP1N2/PPP2PPP/R1BQ1RK1 w - - 0 7"},
    {"kiwipete", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"},
    {"greek-gift", "r1bq1rk1/pp2nppp/2n1p3/3pP3/1b1P4/2NB1N2/PP3PPP/R1BQK2R w KQ - 0 9"},
    {"dragon", "2rq1rk1/pp1bppbp/3p1np1/8/3NP3/1BN1BP2/PPPQ2PP/2KR3R w - - 0 13"},
    {"mate-in-two", "r2qkb1r/pp2nppp/3p4/2pNN1B1/2BnP3/3P4/PPP2PPP/R2bK2R w KQkq - 1 10"},
    {"promotion-race", "8/5P2/8/8/8/8/2p5/K5k1 w - - 0 50"},
    {"rook-ending", "1K1k4/1P6/8/8/8/8/r7/2R5 w - - 0 60"},
    {"pawn-ending", "8/pp3k2/2p5/3p4/3P4/2P5/PP3K2/8 w - - 0 30"},
    {"queen-mates", "8/8/8/4k3/8/8/8/3QK3 w - - 0 70"},
    {"open-middlegame", "r2q1rk1/1b2bppp/p2ppn2/1p6/3NP3/1BN1Q3/PPP2PPP/R4RK1 w - - 0 14"},
};

}  // namespace

namespace {

void KeepDepth(CSearch& search, void* context) { *static_cast<int*>(context) = search.LastDone(); }

// Each position thought about as the program does at the level, on the
// calendar clock: how deep the level gets on this machine.
int RunLevel(EngineLevel level) {
    for (const BenchPosition& position : kPositions) {
        CMoveGen root;
        root.SetupFen(position.fen);
        CGameFacade facade(root);
        CConsoleHost host(&facade, &TheMessagePump());
        CThinkingDriver driver(host);
        int depth = -1;
        driver.SetSearchHook(KeepDepth, &depth);
        const auto start = std::chrono::steady_clock::now();
        const std::string move = driver.Think(LevelLimits(level));
        const auto millis =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-16s depth %2d  time %5lld ms  bestmove %s\n", position.name, depth,
                    static_cast<long long>(millis), move.c_str());
    }
    return 0;
}

}  // namespace

int RunBench(int argc, char** argv) {
    int64_t depth = kDefaultDepth;
    EngineLevel level = EngineLevel::kNone;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--depth") == 0 && i + 1 < argc) {
            if (!ReadNumber(argv[++i], 0, kMaxDepth, &depth))
                return UsageError(std::string("depth '") + argv[i] + "' is not a number from 0 to " +
                                  std::to_string(kMaxDepth));
        } else if (std::strcmp(argv[i], "--level") == 0 && i + 1 < argc) {
            if (!ReadLevel(argv[++i], &level)) return UsageError(std::string("--level needs ") + kLevelChoices);
        } else {
            return UsageError(std::string("unknown argument '") + argv[i] + "'");
        }
    }

    if (level != EngineLevel::kNone) return RunLevel(level);

    const int64_t before = g_searchNodes;
    int64_t totalMicros = 0;
    char text[CMoveGen::kCoordTextSize];
    for (const BenchPosition& position : kPositions) {
        CMoveGen root;
        const std::string error = root.SetupFen(position.fen);
        if (!error.empty()) {
            WriteError(std::string("torvo-cli: bench position ") + position.name + ": " + error + "\n");
            return 1;
        }
        root.Generate();
        root.FilterLegal();
        const int64_t nodesBefore = g_searchNodes;
        const auto start = std::chrono::steady_clock::now();
        CSearch search(root, nullptr);
        search.SetInfoStream(nullptr);
        while (search.LastDone() < depth) search.Iterate();
        const int16_t best = search.BestMoveIndex();
        search.Release();
        const int64_t micros =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
        totalMicros += micros;
        std::printf("%-16s nodes %10lld  time %7lld ms  bestmove %s\n", position.name,
                    static_cast<long long>(g_searchNodes - nodesBefore), static_cast<long long>(micros / 1000),
                    best >= 0 ? root.CoordText(best, text) : "(none)");
    }
    const int64_t total = g_searchNodes - before;
    std::printf("signature %lld\n", static_cast<long long>(total));
    std::printf("nps %lld\n", static_cast<long long>(totalMicros > 0 ? total * 1000000 / totalMicros : 0));
    return 0;
}
