#include "engine/evaluator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/blockpool.h"
#include "engine/nodelist.h"
#include "engine/search.h"
#include "reference.h"
#include "rules/chess.h"
#include "rules/testutil.h"

namespace {

using testutil::Legal;
using testutil::Play;

// The child after a move as the exchange search sees it: pseudo-legal replies.
CMoveGen PseudoChild(const CMoveGen& parent, const char* coord) {
    const int16_t index = testutil::IndexOf(parent, coord);
    EXPECT_GE(index, 0) << coord << " is not in the list";
    CMoveGen child;
    if (index >= 0) child.CopyApplyGenerate(parent, parent.m_moves[index]);
    return child;
}

TEST(Evaluate, InitialPositionBalances) {
    EXPECT_EQ(CEvaluator::Evaluate(Legal(), 20), 0);
}

TEST(Evaluate, DevelopmentAfterKingsPawnCountsForWhite) {
    const CMoveGen after = PseudoChild(Legal(), "e2e4");
    EXPECT_EQ(after.AdjustForDevelopment(0), 9);
    EXPECT_EQ(CEvaluator::Evaluate(after, 20), -9);
    CEvaluator evaluator;
    EXPECT_EQ(evaluator.ExchangeValue(after, 20, 4, -999999, 999999), -9);
    EXPECT_EQ(evaluator.m_nodes, 0);
}

TEST(Evaluate, DevelopmentTableSquares) {
    struct Case {
        const char* fen;
        int value;
    };
    const Case cases[] = {
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 0},
        // Both castled short: -7 * 4 - 9 + 28 for White, the mirror for Black.
        {"rnbq1rk1/pppppppp/8/8/8/8/PPPPPPPP/RNBQ1RK1 w - - 0 1", 0},
        {"4k3/8/8/8/8/8/8/6K1 w - - 0 1", -7 + 28},
        {"4k3/8/8/8/8/8/8/2K5 w - - 0 1", -7 + 28},
        {"6k1/8/8/8/8/8/8/4K3 w - - 0 1", 7 - 28},
        {"2k5/4p3/8/8/8/8/4P3/2K5 w - - 0 1", (-7 - 9 + 28) + (7 + 9 - 28)},
        // Any piece makes a square occupied, the opponent's too; d-pawn and rooks play no part.
        {"4k3/8/8/8/8/8/3P4/1n2KBr1 w - - 0 1", -7 - 7 - 7},
        {"1Q2k1R1/4P3/8/8/8/8/8/4K3 b - - 0 1", 7 + 7 + 9},
    };
    for (const Case& c : cases) {
        CPosition p{};
        ASSERT_EQ(p.SetupFen(c.fen), "") << c.fen;
        EXPECT_EQ(p.AdjustForDevelopment(100), 100 + c.value) << c.fen;
    }
}

TEST(Evaluate, DevelopmentStopsAtFullMoveThirtyTwo) {
    // White has developed nothing, Black everything: only the material counts from move 32.
    const char* early = "4k3/8/8/8/8/8/4P3/1NB1KBN1 w - - 0 31";
    const char* late = "4k3/8/8/8/8/8/4P3/1NB1KBN1 w - - 0 32";
    CMoveGen a = Legal(early), b = Legal(late);
    const int material = (a.m_whiteMaterial - a.m_blackMaterial) * 32;
    EXPECT_EQ(CEvaluator::Evaluate(a, 0), a.m_count + material - 37);
    EXPECT_EQ(CEvaluator::Evaluate(b, 0), b.m_count + material);
}

TEST(Evaluate, MaterialCountsAgainstBlackToMove) {
    const CMoveGen pos = Legal("4k3/8/8/8/8/8/8/3QK3 b - - 0 40");
    EXPECT_EQ(CEvaluator::Evaluate(pos, 10), pos.m_count - 9 * 32 - 10);
}

TEST(ExchangeValue, TriesOnlyRecapturesOnTheLastSquareInListOrder) {
    // exd5 can be answered by c6xd5 and Nf6xd5; nothing else is tried.
    const CMoveGen before = Legal("rn1qkb1r/pp1b1ppp/2p2n2/3p4/4P3/2N5/PPPP1PPP/R1BQKBNR w KQkq - 0 4");
    const CMoveGen after = PseudoChild(before, "e4d5");
    CEvaluator evaluator;
    evaluator.ExchangeValue(after, before.m_count, 1, -999999, 999999);
    EXPECT_EQ(evaluator.m_nodes, 2);

    // Depth 1: the best of standing pat and the negated static score after each recapture.
    int expected = CEvaluator::Evaluate(after, before.m_count);
    for (int16_t i = 0; i < after.m_count; ++i) {
        if (after.m_moves[i].to != after.m_lastTo) continue;
        CMoveGen child;
        child.CopyApplyGenerate(after, after.m_moves[i]);
        expected = std::max(expected, -CEvaluator::Evaluate(child, after.m_count));
    }
    CEvaluator again;
    EXPECT_EQ(again.ExchangeValue(after, before.m_count, 1, -999999, 999999), expected);
}

TEST(ExchangeValue, KingRecaptureIntoAttackLosesTheKing) {
    // ...Re2+ with the queen behind: Kxe2 wins a rook, and then Qxe2 takes the king.
    const CMoveGen before = Legal("4k3/8/8/1q6/8/8/r7/4K3 b - - 0 40");
    const CMoveGen after = PseudoChild(before, "a2e2");
    const CMoveGen afterKing = PseudoChild(after, "e1e2");
    CEvaluator e;
    const int kingLost = e.ExchangeValue(afterKing, after.m_count, 1, -999999, 999999) -
                         CEvaluator::Evaluate(afterKing, after.m_count);
    EXPECT_GT(kingLost, 144 * 32 - 100);
    const int stand = CEvaluator::Evaluate(after, before.m_count);
    EXPECT_GT(e.ExchangeValue(after, before.m_count, 1, -999999, 999999), stand + 4 * 32);
    EXPECT_EQ(e.ExchangeValue(after, before.m_count, 2, -999999, 999999), stand);
}

TEST(NodeList, InitialPositionOrder) {
    const CMoveGen root = Legal();
    CBlockPool pool;
    const CNodeList& list = *CNodeList::Make(root, pool);
    std::vector<std::string> texts;
    std::vector<int> scores;
    char text[CMoveGen::kCoordTextSize];
    for (const CSearchNode* n = list.First(); n != list.End(); ++n) {
        texts.push_back(root.CoordText(n->m_moveIndex, text));
        scores.push_back(n->m_score);
    }
    ASSERT_EQ(texts.size(), 20u);
    const std::vector<std::string> head = {"e2e3", "e2e4", "b1a3", "b1c3", "g1f3", "g1h3"};
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 6), head);
    EXPECT_EQ(std::vector<int>(scores.begin(), scores.begin() + 6), (std::vector<int>{9, 9, 7, 7, 7, 7}));
    for (size_t i = 6; i < scores.size(); ++i) EXPECT_EQ(scores[i], 0) << texts[i];
    EXPECT_EQ(list.m_best, list.First());
}

// Random games give positions of every kind; the counted replies and the
// list builds must match the plain way move for move.
std::vector<CMoveGen> RandomPositions(int games, int plies, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<CMoveGen> positions;
    for (int g = 0; g < games; ++g) {
        CMoveGen pos = Legal();
        for (int p = 0; p < plies && pos.m_count > 0; ++p) {
            positions.push_back(pos);
            CMoveGen child;
            child.MakeChild(pos, int16_t(random() % unsigned(pos.m_count)));
            pos = child;
        }
    }
    return positions;
}

TEST(CountReplies, MatchesTheListedRepliesOnRandomPositions) {
    for (const CMoveGen& pos : RandomPositions(40, 120, 7)) {
        for (int16_t i = 0; i < pos.m_count; ++i) {
            CMoveGen listed;
            listed.CopyApplyGenerate(pos, pos.m_moves[i]);
            Move onto[CMoveGen::kMaxMovesOnto];
            int16_t kept = 0;
            const int16_t count = CMoveGen::CountReplies(listed, listed.m_lastTo, onto, &kept);
            ASSERT_EQ(count, listed.m_count);
            std::vector<Move> expected;
            for (int16_t k = 0; k < listed.m_count; ++k)
                if (listed.m_moves[k].to == listed.m_lastTo) expected.push_back(listed.m_moves[k]);
            ASSERT_EQ(std::vector<Move>(onto, onto + kept), expected);
        }
    }
}

// Counted and listed replies on one target square, compared move for move.
void ExpectCountedAsListed(const CMoveGen& listed, uint8_t target) {
    Move onto[CMoveGen::kMaxMovesOnto];
    int16_t kept = 0;
    const int16_t count = CMoveGen::CountReplies(listed, target, onto, &kept);
    ASSERT_EQ(count, listed.m_count);
    std::vector<Move> expected;
    for (int16_t k = 0; k < listed.m_count; ++k)
        if (listed.m_moves[k].to == target) expected.push_back(listed.m_moves[k]);
    ASSERT_EQ(std::vector<Move>(onto, onto + kept), expected);
}

// The exchange search plays on without a legality filter, into positions with
// a king en prise or already taken; castling and promotions are frequent here.
TEST(CountReplies, MatchesTheListedRepliesOnPseudoLegalWalks) {
    const char* starts[] = {
        "r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R w KQkq - 0 1",
        "r3k2r/PP4PP/8/8/8/8/pp4pp/R3K2R w KQkq - 0 1",
        "rn2k2r/1P4P1/8/3pP3/8/8/1p4p1/RN2K2R w KQkq d6 0 1",
    };
    std::mt19937 random(5);
    for (const char* fen : starts) {
        for (int game = 0; game < 6; ++game) {
            CMoveGen pos = Legal(fen);
            for (int ply = 0; ply < 80 && pos.m_count > 0; ++ply) {
                for (int16_t i = 0; i < pos.m_count; ++i) {
                    CMoveGen listed;
                    listed.CopyApplyGenerate(pos, pos.m_moves[i]);
                    ExpectCountedAsListed(listed, listed.m_lastTo);
                    ExpectCountedAsListed(listed, uint8_t(random() % 64));
                }
                // Pawn moves first, so that promotions come often.
                int16_t pick = int16_t(random() % unsigned(pos.m_count));
                for (int16_t i = 0; i < pos.m_count; ++i)
                    if (chess::KindOf(pos.m_board[pos.m_moves[i].from]) == chess::kPawn && random() % 3 == 0) pick = i;
                CMoveGen next;
                next.CopyApplyGenerate(pos, pos.m_moves[pick]);
                pos = next;
            }
        }
    }
}

TEST(NodeList, ScoresAndNodesMatchThePlainWayOnRandomPositions) {
    CBlockPool pool;
    for (const CMoveGen& pos : RandomPositions(12, 100, 11)) {
        long referenceNodes = 0;
        auto expected = reference::Build(pos, &referenceNodes);
        const int64_t before = g_searchNodes;
        CNodeList& list = *CNodeList::Make(pos, pool);
        EXPECT_EQ(g_searchNodes - before, referenceNodes);
        size_t k = 0;
        char text[CMoveGen::kCoordTextSize];
        for (const CSearchNode* n = list.First(); n != list.End(); ++n, ++k) {
            ASSERT_LT(k, expected->nodes.size());
            EXPECT_EQ(n->m_moveIndex, expected->nodes[k].index);
            EXPECT_EQ(n->m_score, expected->nodes[k].score);
            EXPECT_EQ(pos.CoordText(n->m_moveIndex, text), expected->nodes[k].text);
        }
        EXPECT_EQ(k, expected->nodes.size());
        CNodeList::Free(&list, pool);
    }
}

}  // namespace
