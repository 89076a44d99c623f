#include <gtest/gtest.h>

#include <iterator>

#include "engine/search.h"
#include "residentsize.h"
#include "rules/testutil.h"

namespace {

using testutil::Legal;

// Positions with few and with many moves, so that lists of every length are
// built: whatever one search leaves behind, the next cannot reuse it all.
const char* const kPositions[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "2rq1rk1/pp1bppbp/3p1np1/8/3NP3/1BN1BP2/PPPQ2PP/2KR3R w - - 0 13",
    "1K1k4/1P6/8/8/8/8/r7/2R5 w - - 0 60",
    "r2q1rk1/1b2bppp/p2ppn2/1p6/3NP3/1BN1Q3/PPP2PPP/R4RK1 w - - 0 14",
    "8/pp3k2/2p5/3p4/3P4/2P5/PP3K2/8 w - - 0 30",
    "r1bq1rk1/pp2nppp/2n1p3/3pP3/1b1P4/2NB1N2/PP3PPP/R1BQK2R w KQ - 0 9",
    "8/8/8/4k3/8/8/8/3QK3 w - - 0 70",
    "r1bqkbnr/pppp1ppp/2n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3",
};
constexpr int kDepth = 3;
// Room for what the heap keeps of the searches' small records and the
// measurement's own noise; the trees of these searches take far more.
constexpr std::size_t kSlack = std::size_t(3) << 20;

void SearchTo(const char* fen, int depth) {
    CSearch search(Legal(fen), nullptr);
    search.SetInfoStream(nullptr);
    while (search.LastDone() < depth) search.Iterate();
}

// Searches one after another: the program's resident size comes back after
// each, to within a few MB of what the first left.
TEST(SearchMemory, ResidentSizeComesBackAfterEverySearch) {
    SearchTo(kPositions[0], kDepth);
    const std::size_t afterOne = ResidentBytes();
    ASSERT_GT(afterOne, 0u);
    for (int round = 0; round < 2; ++round)
        for (const char* fen : kPositions) SearchTo(fen, kDepth);
    EXPECT_LT(ResidentBytes(), afterOne + kSlack) << "bytes resident after all, against after the first";
}

}  // namespace
