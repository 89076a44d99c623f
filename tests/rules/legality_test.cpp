// The legal list: filtering, its exchange order, check, mate and stalemate.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "rules/chess.h"
#include "rules/movegen.h"
#include "testutil.h"

using namespace chess;
using testutil::CoordTexts;
using testutil::Legal;
using Texts = std::vector<std::string>;

namespace {

// Legality decided the slow, literal way: generate every reply and look for a
// king capture, then apply the castling permissions and sweep.
void ReferenceFilter(CMoveGen& g) {
    CMoveGen flipped = g;
    flipped.m_moveNumber = static_cast<int16_t>(-flipped.m_moveNumber);
    flipped.Generate();
    bool kingSide = !flipped.KingCapturable(), queenSide = kingSide;
    for (int i = 0; i < g.m_count; ++i) {
        Move& m = g.m_moves[i];
        CMoveGen child;
        child.CopyApplyGenerate(g, m);
        if (!child.KingCapturable()) continue;
        if ((m.from == kE1 && m.to == kF1 && m.piece == kKing) || (m.from == kE8 && m.to == kF8 && m.piece == 0x81))
            kingSide = false;
        if ((m.from == kE1 && m.to == kD1 && m.piece == kKing) || (m.from == kE8 && m.to == kD8 && m.piece == 0x81))
            queenSide = false;
        m.to = kNoSquare;
    }
    for (int i = 0; i < g.m_count; ++i) {
        Move& m = g.m_moves[i];
        if (!((m.from == kE1 && m.piece == kKing) || (m.from == kE8 && m.piece == 0x81))) continue;
        if ((!kingSide && (m.to == kG1 || m.to == kG8)) || (!queenSide && (m.to == kC1 || m.to == kC8)))
            m.to = kNoSquare;
    }
    for (int i = 0; i < g.m_count;) {
        if (g.m_moves[i].to == kNoSquare)
            g.RemoveMove(i);
        else
            ++i;
    }
}

TEST(Legality, FastFilterMatchesTheLiteralRuleOnRandomGames) {
    const char* starts[] = {
        nullptr,
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
        "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
        "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
    };
    std::mt19937 random(20261208);
    int compared = 0;
    for (const char* fen : starts) {
        for (int game = 0; game < 40; ++game) {
            CMoveGen g = Legal(fen);
            for (int ply = 0; ply < 120 && g.m_count > 0; ++ply) {
                CMoveGen child;
                const int16_t pick = static_cast<int16_t>(random() % g.m_count);
                child.CopyApplyGenerate(g, g.m_moves[pick]);
                CMoveGen reference = child;
                child.FilterLegal();
                ReferenceFilter(reference);
                ASSERT_EQ(child.m_count, reference.m_count);
                for (int i = 0; i < child.m_count; ++i) ASSERT_EQ(child.m_moves[i], reference.m_moves[i]);
                ASSERT_EQ(child.InCheck(), [&] {
                    CMoveGen flipped = child;
                    flipped.m_moveNumber = static_cast<int16_t>(-flipped.m_moveNumber);
                    flipped.Generate();
                    return flipped.KingCapturable();
                }());
                g = child;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 10000);
}

TEST(Legality, InitialPositionKeepsAllTwentyInOrder) {
    CMoveGen pseudo;
    pseudo.SetupInitial();
    pseudo.Generate();
    EXPECT_EQ(CoordTexts(Legal()), CoordTexts(pseudo));
}

TEST(Legality, RemovalMovesTheLastEntryIntoTheGap) {
    // King on a1 with the b-file covered: only a1b1 of these five is illegal.
    CMoveGen g;
    ASSERT_EQ(g.SetupFen("1r2k3/8/8/8/8/8/8/K6R w - - 0 1"), "");
    g.m_count = 0;
    g.AddMove(0, 8, kKing, 0);
    g.AddMove(0, 1, kKing, 0);
    g.AddMove(7, 15, kRook, 0);
    g.AddMove(7, 23, kRook, 0);
    g.AddMove(7, 31, kRook, 0);
    g.FilterLegal();
    EXPECT_EQ(CoordTexts(g), (Texts{"a1a2", "h1h4", "h1h2", "h1h3"}));
}

bool Has(const CMoveGen& g, const char* move) { return testutil::IndexOf(g, move) >= 0; }

TEST(Legality, CastlingNeedsNoCheckAndSafeKingSquares) {
    const struct {
        const char* fen;
        bool kingSide, kingStepF1, queenSide;
    } cases[] = {
        {"3k4/8/8/8/8/8/8/R3K2R w KQ - 0 1", true, true, true},
        {"3kr3/8/8/8/8/8/8/R3K2R w KQ - 0 1", false, true, false},  // in check
        {"3k4/8/8/8/8/8/7b/R3K2R w KQ - 0 1", false, true, true},   // g1 attacked
        {"3k4/8/8/8/b7/8/8/R3K2R w KQ - 0 1", true, true, false},   // d1 attacked
        {"3k4/8/8/8/8/3b4/8/R3K2R w KQ - 0 1", false, false, true},  // f1 and b1 attacked
    };
    for (const auto& c : cases) {
        const CMoveGen g = Legal(c.fen);
        EXPECT_EQ(Has(g, "e1g1"), c.kingSide) << c.fen;
        EXPECT_EQ(Has(g, "e1f1"), c.kingStepF1) << c.fen;
        EXPECT_EQ(Has(g, "e1c1"), c.queenSide) << c.fen;
    }
}

TEST(Legality, PinnedPieceMovesOnlyAlongThePin) {
    // Rook e4 pinned by the rook on e8; bishop d2 pinned by the bishop on a5.
    CMoveGen g = Legal("k3r3/8/8/b7/4R3/8/3B4/4K3 w - - 0 1");
    Texts pinned;
    for (const std::string& t : CoordTexts(g))
        if (t[0] == 'e' && t[1] == '4') pinned.push_back(t);
    // The sweep reorders what stays, so compare as sets.
    std::sort(pinned.begin(), pinned.end());
    EXPECT_EQ(pinned, (Texts{"e4e2", "e4e3", "e4e5", "e4e6", "e4e7", "e4e8"}));
    Texts bishop;
    for (const std::string& t : CoordTexts(g))
        if (t[0] == 'd' && t[1] == '2') bishop.push_back(t);
    std::sort(bishop.begin(), bishop.end());
    EXPECT_EQ(bishop, (Texts{"d2a5", "d2b4", "d2c3"}));
}

TEST(Legality, MateStalemateAndResultTexts) {
    char text[100];
    CMoveGen g = testutil::Play(Legal(), {"f2f3", "e7e5", "g2g4", "d8h4"});
    EXPECT_EQ(g.m_count, 0);
    EXPECT_TRUE(g.InCheck());
    EXPECT_STREQ(g.ResultText(text), "0-1 {Black mates}");

    g = testutil::Play(Legal(), {"e2e4", "f7f6", "d2d4", "g7g5", "d1h5"});
    EXPECT_STREQ(g.ResultText(text), "1-0 {White mates}");

    g = Legal("8/8/8/8/8/6q1/5k2/7K w - - 0 1");
    EXPECT_EQ(g.m_count, 0);
    EXPECT_FALSE(g.InCheck());
    EXPECT_STREQ(g.ResultText(text), "1/2-1/2 {Stalemate}");

    EXPECT_STREQ(Legal().ResultText(text), "");
    EXPECT_STREQ(Legal("4r2k/8/8/8/8/8/8/4K3 w - - 0 1").ResultText(text), "");
}

TEST(Legality, CoordTextOfIndexAndPromotion) {
    char text[CMoveGen::kCoordTextSize];
    CMoveGen g = Legal();
    EXPECT_STREQ(g.CoordText(0, text), "b1a3");
    EXPECT_STREQ(g.CoordText(19, text), "h2h4");
    EXPECT_STREQ(g.CoordText(20, text), "ierr");
    EXPECT_STREQ(g.CoordText(-1, text), "ierr");
    g = Legal("4k3/8/8/8/8/8/p7/4K3 b - - 0 1");
    EXPECT_EQ(CoordTexts(g)[0], "a2a1q");
    EXPECT_EQ(CoordTexts(g)[3], "a2a1n");
}

}  // namespace
