#include "notation/santext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/testutil.h"

namespace {

using testutil::IndexOf;
using testutil::Legal;

// SAN of one legal move, written the way the game does it: from the child.
std::string San(const CMoveGen& before, const char* coord) {
    const int16_t index = IndexOf(before, coord);
    if (index < 0) return std::string("illegal ") + coord;
    CMoveGen child;
    child.MakeChild(before, index);
    char out[100];
    SanText(child, out, before);
    return out;
}

struct SanCase {
    const char* move;
    const char* san;
};

void CheckSan(const char* fen, const std::vector<SanCase>& cases) {
    const CMoveGen before = Legal(fen);
    for (const SanCase& c : cases) EXPECT_EQ(San(before, c.move), c.san) << c.move << " in " << fen;
}

TEST(SanText, WritesOpeningMovesWithoutDisambiguation) {
    const CMoveGen initial = Legal();
    EXPECT_EQ(San(initial, "e2e4"), "e4");
    EXPECT_EQ(San(initial, "g1f3"), "Nf3");
    EXPECT_EQ(San(initial, "b1c3"), "Nc3");
}

TEST(SanText, DisambiguatesByFileThenRankThenBoth) {
    CheckSan("4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", {{"b1d2", "Nbd2"}, {"f3d2", "Nfd2"}});
    CheckSan("4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", {{"a1a3", "R1a3"}, {"a5a3", "R5a3"}});
    CheckSan("4k3/8/8/8/8/8/8/R4RK1 w - - 0 1", {{"a1d1", "Rad1"}, {"f1d1", "Rfd1"}});
    // Queens on h4, e4 and h1 all reach e1.
    CheckSan("2k5/8/8/8/4Q2Q/8/K7/7Q w - - 0 1", {{"h4e1", "Qh4e1"}});
    CheckSan("2k5/8/8/8/4Q2Q/8/K7/4n2Q w - - 0 1",
             {{"h4e1", "Qh4xe1"}, {"e4e1", "Qexe1"}, {"h1e1", "Q1xe1"}});
}

TEST(SanText, OnlyLegalMovesOfThePieceKindAreRivals) {
    // The knight on e2 also reaches d4 but is pinned by the rook on e7.
    CheckSan("4k3/4r3/8/1N6/8/8/4N3/4K3 w - - 0 1", {{"b5d4", "Nd4"}});
    CheckSan("4k3/8/8/1N6/8/8/4N3/4K3 w - - 0 1", {{"b5d4", "Nbd4"}});
    // A pawn promoting to a knight on e8 is no knight.
    CheckSan("4r2k/3P4/5N2/8/8/8/8/K7 w - - 0 1", {{"f6e8", "Nxe8"}, {"d7e8n", "dxe8=N"}});
}

TEST(SanText, WritesKingMovesAndCastling) {
    CheckSan("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1",
             {{"e1g1", "O-O"}, {"e1c1", "O-O-O"}, {"e1f1", "Kf1"}});
    CheckSan("r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1",
             {{"e8g8", "O-O"}, {"e8c8", "O-O-O"}, {"e8d8", "Kd8"}});
    CheckSan("4k3/8/8/8/8/8/8/4Kn2 w - - 0 1", {{"e1f1", "Kxf1"}});
}

TEST(SanText, WritesPawnMovesCapturesAndPromotions) {
    CheckSan("3r1r2/4P3/8/8/8/8/8/4K2k w - - 0 1",
             {{"e7e8q", "e8=Q"}, {"e7e8n", "e8=N"}, {"e7d8r", "exd8=R"}, {"e7f8b", "exf8=B"}});
    CheckSan("4k3/8/8/8/8/8/1p6/R3K3 b - - 0 1", {{"b2a1q", "bxa1=Q"}, {"b2b1r", "b1=R"}});
    CheckSan("4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1", {{"e4d5", "exd5"}, {"e4e5", "e5"}});
}

TEST(SanText, WritesEnPassantLikeAnyPawnCapture) {
    const CMoveGen before = testutil::Play(Legal(), {"e2e4", "a7a6", "e4e5", "d7d5"});
    EXPECT_EQ(San(before, "e5d6"), "exd6");
}

TEST(SanText, WritesNothingForAPositionNoMoveProduced) {
    const CMoveGen initial = Legal();
    char out[100] = "stale";
    SanText(initial, out, initial);
    EXPECT_STREQ(out, "");
}

}  // namespace
