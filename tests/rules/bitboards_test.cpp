// Slider attacks read from line tables, against walking the rays square by square.
#include <gtest/gtest.h>

#include <random>

#include "rules/bitboards.h"
#include "rules/geometry.h"

namespace {

using bitboards::Mask;

// Each ray in the generator's directions, up to and including the first occupied square.
Mask Walked(int sq, Mask occupied, int firstDirection, int lastDirection) {
    const geometry::Tables& g = geometry::kTables;
    Mask reach = 0;
    for (int d = firstDirection; d < lastDirection; ++d) {
        for (int i = 0; i < g.rayLength[sq][d]; ++i) {
            const int to = g.ray[sq][d][i];
            reach |= Mask(1) << to;
            if (occupied & (Mask(1) << to)) break;
        }
    }
    return reach;
}

TEST(Bitboards, LineAttacksMatchTheRaysOnEverySquare) {
    std::mt19937_64 random(32);
    for (int sq = 0; sq < 64; ++sq) {
        for (int trial = 0; trial < 300; ++trial) {
            // Sparse and dense boards alike.
            Mask occupied = random() & random();
            if (trial % 3 == 0) occupied |= random();
            ASSERT_EQ(bitboards::DiagonalAttacks(sq, occupied),
                      Walked(sq, occupied, 0, geometry::kFirstStraight))
                << sq << " " << occupied;
            ASSERT_EQ(bitboards::StraightAttacks(sq, occupied),
                      Walked(sq, occupied, geometry::kFirstStraight, geometry::kDirections))
                << sq << " " << occupied;
        }
    }
}

}  // namespace
