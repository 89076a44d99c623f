// The move number's sign is the side to move, and every reader of it agrees:
// generation, check, the position text, the move parser, the status text and
// the move number's step.
#include <gtest/gtest.h>

#include <string>

#include "game/gamefacade.h"
#include "notation/moveparser.h"
#include "rules/chess.h"
#include "rules/movegen.h"
#include "rules/testutil.h"

using namespace chess;

namespace {

struct SideCase {
    int16_t moveNumber;
    bool white;
};

TEST(SideToMove, EveryReaderTakesItFromTheSignOfTheMoveNumber) {
    // 0 is never reached by a game; it counts as Black, as the generator has always read it.
    const SideCase cases[] = {{1, true}, {37, true}, {-1, false}, {-37, false}, {0, false}};
    for (const SideCase& c : cases) {
        CMoveGen g = testutil::Legal("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
        g.m_moveNumber = c.moveNumber;
        g.Generate();
        g.FilterLegal();
        const std::string label = "move number " + std::to_string(c.moveNumber);

        EXPECT_EQ(g.IsWhiteToMove(), c.white) << label;
        ASSERT_GT(g.m_count, 0) << label;
        const uint8_t mover = c.white ? 0 : kBlack;
        for (int i = 0; i < g.m_count; ++i) EXPECT_EQ(g.m_board[g.m_moves[i].from] & kBlack, mover) << label;

        char text[CPosition::kTextSize];
        const std::string positionText = g.ToText(text);
        EXPECT_EQ(positionText.substr(positionText.find(' '), 3), c.white ? " w " : " b ") << label;

        const int16_t castling = ParseMove(g, "O-O");
        ASSERT_GE(castling, 0) << label;
        EXPECT_EQ(g.m_moves[castling].to, c.white ? kG1 : kG8) << label;

        CGameFacade facade(g);
        EXPECT_STREQ(facade.StatusText(), c.white ? "It's white turn" : "It's black turn") << label;

        CPosition after = g;
        after.Apply(g.m_moves[0]);
        EXPECT_EQ(after.IsWhiteToMove(), !c.white) << label;
    }
}

}  // namespace
