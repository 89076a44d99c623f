// Pseudo-legal generation: the fixed order, flags and special moves.
#include <gtest/gtest.h>

#include "rules/chess.h"
#include "rules/movegen.h"
#include "testutil.h"

using namespace chess;
using testutil::CoordTexts;
using Texts = std::vector<std::string>;

namespace {

CMoveGen Pseudo(const char* fen) {
    CMoveGen g;
    EXPECT_EQ(g.SetupFen(fen), "");
    g.Generate();
    return g;
}

TEST(MoveGen, InitialPositionOrder) {
    const Texts expected = {"b1a3", "b1c3", "g1f3", "g1h3", "a2a3", "a2a4", "b2b3", "b2b4", "c2c3", "c2c4",
                            "d2d3", "d2d4", "e2e3", "e2e4", "f2f3", "f2f4", "g2g3", "g2g4", "h2h3", "h2h4"};
    CMoveGen g;
    g.SetupInitial();
    g.Generate();
    EXPECT_EQ(CoordTexts(g), expected);
    for (int i = 0; i < g.m_count; ++i) EXPECT_EQ(g.m_moves[i].flags, 15);
}

TEST(MoveGen, PiecesFollowSquareThenDirectionOrder) {
    // King steps, queen diagonals then lines (a capture ends a line), pawn push then capture.
    EXPECT_EQ(CoordTexts(Pseudo("r6k/8/8/8/2p5/1P6/Q7/K7 w - - 0 1")),
              (Texts{"a1b2", "a1b1", "a2b1", "a2b2", "a2c2", "a2d2", "a2e2", "a2f2", "a2g2", "a2h2", "a2a3",
                     "a2a4", "a2a5", "a2a6", "a2a7", "a2a8", "b3b4", "b3c4"}));
    EXPECT_EQ(CoordTexts(Pseudo("k7/8/8/8/3N4/8/8/K7 w - - 0 1")),
              (Texts{"a1b2", "a1b1", "a1a2", "d4c6", "d4e6", "d4c2", "d4e2", "d4b5", "d4f5", "d4b3", "d4f3"}));
}

TEST(MoveGen, PawnOnSeventhPromotesInOrderQueenRookBishopKnight) {
    CMoveGen g = Pseudo("3r1r1k/4P3/8/8/8/8/8/K7 w - - 0 1");
    Texts pawn;
    for (const std::string& t : CoordTexts(g))
        if (t.compare(0, 2, "e7") == 0) pawn.push_back(t);
    EXPECT_EQ(pawn, (Texts{"e7e8q", "e7e8r", "e7e8b", "e7e8n", "e7d8q", "e7d8r", "e7d8b", "e7d8n", "e7f8q",
                           "e7f8r", "e7f8b", "e7f8n"}));
    for (int i = 0; i < g.m_count; ++i) {
        const Move& m = g.m_moves[i];
        if (m.from != 52) continue;
        EXPECT_TRUE(m.flags & kPromotionFlag);
        EXPECT_EQ((m.flags & kCaptureFlag) != 0, m.to != 60);
    }
}

TEST(MoveGen, EnPassantComesFirstAndOnlyRightAfterTheDoubleStep) {
    CMoveGen g = testutil::Play(testutil::Legal("4k3/3p4/8/4P3/8/8/8/4K3 b - - 0 1"), {"d7d5"});
    const Texts pawnAfter = {"e5d6", "e5e6"};
    Texts pawn;
    for (const std::string& t : CoordTexts(g))
        if (t.compare(0, 2, "e5") == 0) pawn.push_back(t);
    EXPECT_EQ(pawn, pawnAfter);
    EXPECT_TRUE(g.m_moves[testutil::IndexOf(g, "e5d6")].flags & kCaptureFlag);

    g = testutil::Play(g, {"e1d1", "e8d8"});
    EXPECT_EQ(testutil::IndexOf(g, "e5d6"), -1);
}

TEST(MoveGen, CastlingFollowsTheKingSteps) {
    Texts king;
    for (const std::string& t : CoordTexts(Pseudo("4k3/8/8/8/8/8/8/R3K2R w KQ - 0 1")))
        if (t.compare(0, 2, "e1") == 0) king.push_back(t);
    EXPECT_EQ(king, (Texts{"e1f2", "e1f1", "e1e2", "e1d2", "e1d1", "e1g1", "e1c1"}));

    king.clear();
    for (const std::string& t : CoordTexts(Pseudo("4k3/8/8/8/8/8/8/RN2K2R w KQ - 0 1")))
        if (t.compare(0, 2, "e1") == 0) king.push_back(t);
    EXPECT_EQ(king, (Texts{"e1f2", "e1f1", "e1e2", "e1d2", "e1d1", "e1g1"}));
}

TEST(MoveGen, FlagsCarryTheRightsLeftAfterTheMove) {
    const struct {
        const char* fen;
        const char* move;
        uint8_t rights;
    } cases[] = {
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "h1h2", 15 & ~kWhiteKingSide},
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "a1a2", 15 & ~kWhiteQueenSide},
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1e2", kBlackKingSide | kBlackQueenSide},
        {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8d8", kWhiteKingSide | kWhiteQueenSide},
        // Landing on a corner takes that corner's right too.
        {"r3k2r/8/1N6/8/8/8/8/R3K2R w KQkq - 0 1", "b6a8", 15 & ~kBlackQueenSide},
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "h1h8", kWhiteQueenSide | kBlackQueenSide},
        {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "a8a1", kWhiteKingSide | kBlackKingSide},
    };
    for (const auto& c : cases) {
        CMoveGen g = Pseudo(c.fen);
        const int16_t i = testutil::IndexOf(g, c.move);
        ASSERT_GE(i, 0) << c.move;
        EXPECT_EQ(g.m_moves[i].flags & kCastlingMask, c.rights) << c.fen << " " << c.move;
    }
}

TEST(MoveGen, NoCastlingWithAnotherRookOnACornerWhoseRookWasCaptured) {
    // The black rook on h8 is taken; a different black rook later reaches h8.
    CMoveGen g = testutil::Play(testutil::Legal("4k2r/8/8/8/8/8/6r1/K6R w k - 0 1"),
                                {"h1h8", "g2g8", "h8h1", "g8h8", "a1b1"});
    EXPECT_EQ(g.m_flags & kCastlingMask, 0);
    EXPECT_EQ(testutil::IndexOf(g, "e8g8"), -1);
}

TEST(MoveGen, KingCaptureIsListedLikeAnyCapture) {
    CMoveGen g = Pseudo("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
    g.m_board[20] = kRook | kBlack;  // e3 rook gives check; make it White's move
    g.m_moveNumber = -1;
    g.Generate();
    EXPECT_GE(testutil::IndexOf(g, "e3e1"), 0);
    EXPECT_TRUE(g.KingCapturable());
}

}  // namespace
