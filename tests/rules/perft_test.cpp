// Leaf counts of the legal move tree from well-known positions.
#include <gtest/gtest.h>

#include "rules/movegen.h"
#include "rules/perft.h"

namespace {

struct PerftCase {
    const char* name;
    const char* fen;  // nullptr: the initial position
    int depth;
    uint64_t leaves;
};

const PerftCase kCases[] = {
    {"Initial1", nullptr, 1, 20},
    {"Initial2", nullptr, 2, 400},
    {"Initial3", nullptr, 3, 8902},
    {"Initial4", nullptr, 4, 197281},
    {"Initial5", nullptr, 5, 4865609},
    // Castling, pins, en passant and promotions all in one.
    {"Kiwipete4", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 4, 4085603},
    // En passant that would expose the king along the rank.
    {"RookEndgame5", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 5, 674624},
    {"Promotions4", "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", 4, 422333},
    {"KnightOnF2", "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8", 4, 2103487},
    {"Symmetric4", "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10", 4, 3894594},
};

class PerftTest : public ::testing::TestWithParam<PerftCase> {};

TEST_P(PerftTest, CountsLeavesOfTheLegalTree) {
    const PerftCase& c = GetParam();
    CMoveGen root;
    if (c.fen)
        ASSERT_EQ(root.SetupFen(c.fen), "");
    else
        root.SetupInitial();
    root.Generate();
    root.FilterLegal();
    EXPECT_EQ(Perft(root, c.depth), c.leaves);
}

INSTANTIATE_TEST_SUITE_P(KnownPositions, PerftTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PerftCase>& info) { return info.param.name; });

}  // namespace
