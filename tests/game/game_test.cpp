#include "game/game.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "notation/moveparser.h"
#include "rules/chess.h"

namespace {

void Play(CGame& game, const std::vector<const char*>& moves) {
    for (const char* move : moves) {
        const int16_t index = ParseMove(*game.Current(), move);
        ASSERT_GE(index, 0) << move << " is not legal";
        ASSERT_NE(game.MakeMove(index), nullptr) << move;
    }
}

// A game from a FEN text, its half-move clock included.
std::unique_ptr<CGame> FromFen(const char* fen) {
    CPosition start{};
    int clock = 0;
    EXPECT_EQ(start.SetupFen(fen, &clock), "") << fen;
    return std::make_unique<CGame>(start, clock);
}

// Board and side to move: the part of the position text that tells positions apart.
std::string BoardAndSide(const CGame& game) {
    char text[CPosition::kTextSize];
    const std::string full = game.Current()->ToText(text);
    return full.substr(0, full.find(' ', full.find(' ') + 1));
}

std::string Draw(const CGame& game, int expectedResult) {
    char text[CGame::kTextSize];
    EXPECT_EQ(game.DrawCheck(text), expectedResult);
    return text;
}

}  // namespace

TEST(GameTest, NewGameHasNoMovesAndNoResult) {
    CGame game;
    char text[CGame::kTextSize];
    EXPECT_EQ(game.GetPly(), 0);
    EXPECT_EQ(game.Current()->m_count, 20);
    EXPECT_EQ(game.Position(1), nullptr);
    const char* first = game.MoveText(0, text);
    EXPECT_STREQ(first, "");
    EXPECT_NE(first, text);
    EXPECT_EQ(game.MoveText(1, text), nullptr);
    EXPECT_STREQ(game.ResultLong(text), "*");
    EXPECT_STREQ(game.Result(text), "*");
    EXPECT_EQ(Draw(game, 0), "");
}

TEST(GameTest, MoveTextsNumberOnlyWhiteMoves) {
    CGame game;
    Play(game, {"e2e4", "e7e5", "g1f3"});
    char text[CGame::kTextSize];
    EXPECT_STREQ(game.MoveText(1, text), "1.e4");
    EXPECT_STREQ(game.MoveText(2, text), "e5");
    EXPECT_STREQ(game.MoveText(3, text), "2.Nf3");
    EXPECT_EQ(game.MoveText(4, text), nullptr);

    auto fromBlack = FromFen("4k3/8/8/8/8/8/8/4K3 b - - 0 7");
    Play(*fromBlack, {"Kd7", "Kd2"});
    EXPECT_STREQ(fromBlack->MoveText(1, text), "Kd7");
    EXPECT_STREQ(fromBlack->MoveText(2, text), "8.Kd2");
}

TEST(GameTest, FourthReturnOfTheKnightsDrawsByRepetition) {
    CGame game;
    const std::string start = BoardAndSide(game);
    for (int round = 1; round <= 4; ++round) {
        Play(game, {"Nf3", "Nf6", "Ng1", "Ng8"});
        ASSERT_EQ(BoardAndSide(game), start);
        EXPECT_EQ(game.RepetitionCount(start.c_str()), round);
        const bool drawn = round >= 4;
        EXPECT_EQ(Draw(game, drawn ? 1 : 0), drawn ? "1/2-1/2 {Draw by repetition}" : "") << round;
    }
    char text[CGame::kTextSize];
    EXPECT_STREQ(game.ResultLong(text), "1/2-1/2 {Draw by repetition}");
    EXPECT_STREQ(game.Result(text), "1/2-1/2");
}

TEST(GameTest, LostCastlingRightDoesNotMakeANewPosition) {
    auto game = FromFen("4k3/8/8/8/8/8/8/R3K1N1 w Q - 0 1");
    Play(*game, {"Nf3", "Kd8"});
    const std::string withRight = BoardAndSide(*game);
    const int rightsBefore = game->Current()->m_flags & chess::kCastlingMask;
    Play(*game, {"Kd1", "Ke8", "Ke1", "Kd8"});
    ASSERT_EQ(BoardAndSide(*game), withRight);
    ASSERT_NE(game->Current()->m_flags & chess::kCastlingMask, rightsBefore);
    EXPECT_EQ(game->RepetitionCount(withRight.c_str()), 2);
}

TEST(GameTest, InsufficientMaterialNeedsTwoMinorsOnNeitherSide) {
    const struct {
        const char* fen;
        bool drawn;
    } cases[] = {
        {"4k3/8/8/8/8/8/8/4K3 w - - 0 1", true},           // kings only
        {"4k3/8/5n2/8/8/2B5/8/4K3 w - - 0 1", true},       // bishop against knight
        {"4k3/8/5b2/8/8/8/8/4K3 w - - 0 1", true},         // one black bishop
        {"4k3/8/8/8/8/8/8/1N2K1N1 w - - 0 1", false},      // two white knights
        {"2b1kb2/8/8/8/8/8/8/4K3 w - - 0 1", false},       // two black bishops
        {"4k3/8/8/8/8/8/4P3/4K3 w - - 0 1", false},        // pawn
        {"4k2r/8/8/8/8/8/8/4K3 w - - 0 1", false},         // rook
        {"4k3/8/8/8/8/8/8/3QK3 w - - 0 1", false},         // queen
    };
    for (const auto& c : cases)
        EXPECT_EQ(Draw(*FromFen(c.fen), c.drawn ? 1 : 0), c.drawn ? "1/2-1/2 {Draw by insufficient material}" : "")
            << c.fen;
}

TEST(GameTest, FiftyMoveRuleDrawsFromTheHundredAndSecondPly) {
    auto game = FromFen("r3k3/8/8/8/8/8/8/R3K3 w - - 99 60");
    ASSERT_EQ(game->FiftyCount(), 99);
    const char* moves[] = {"Kd1", "Kd8", "Kc1"};
    for (int count = 100; count <= 102; ++count) {
        Play(*game, {moves[count - 100]});
        EXPECT_EQ(game->FiftyCount(), count);
        const bool drawn = count >= 102;
        EXPECT_EQ(Draw(*game, drawn ? 1 : 0), drawn ? "1/2-1/2 {Draw by 50 move rule}" : "") << count;
    }
}

TEST(GameTest, PawnMoveCaptureAndPromotionResetTheFiftyCount) {
    const struct {
        const char* move;
        int countAfter;
    } cases[] = {{"Ke2", 41}, {"h3", 0}, {"h4", 0}, {"Qxd5", 0}, {"b8=Q", 0}, {"bxa8=N", 0}};
    for (const auto& c : cases) {
        auto game = FromFen("r3k3/1P6/8/3n4/8/8/7P/R2QK3 w - - 40 50");
        Play(*game, {c.move});
        EXPECT_EQ(game->FiftyCount(), c.countAfter) << c.move;
    }
}

TEST(GameTest, MateEndsTheGameButADrawingRuleComesFirst) {
    char text[CGame::kTextSize];
    CGame foolsMate;
    Play(foolsMate, {"f3", "e5", "g4", "Qh4"});
    EXPECT_EQ(Draw(foolsMate, 0), "");
    EXPECT_STREQ(foolsMate.ResultLong(text), "0-1 {Black mates}");
    EXPECT_STREQ(foolsMate.Result(text), "0-1");

    // The mating rook move is also the 102nd ply without capture or pawn move.
    auto lateMate = FromFen("6k1/5ppp/8/8/8/8/8/R5K1 w - - 101 80");
    Play(*lateMate, {"Ra8"});
    ASSERT_EQ(lateMate->Current()->m_count, 0);
    EXPECT_STREQ(lateMate->ResultLong(text), "1/2-1/2 {Draw by 50 move rule}");
    EXPECT_STREQ(lateMate->Result(text), "1/2-1/2");
}

namespace {

TEST(GameTest, DrawingRulesAreTriedInTheirOrder) {
    // Knight against king: insufficient material from the first move on, and
    // the clock is past the fifty-move limit; repetition outranks both.
    auto game = FromFen("4k3/8/8/8/8/8/8/4K1N1 w - - 150 1");
    const std::vector<const char*> round = {"Nf3", "Kd8", "Ng1", "Ke8"};
    Play(*game, round);
    EXPECT_EQ(Draw(*game, 1), "1/2-1/2 {Draw by insufficient material}");
    for (int i = 0; i < 3; ++i) Play(*game, round);
    EXPECT_EQ(Draw(*game, 1), "1/2-1/2 {Draw by repetition}");
}

}  // namespace
