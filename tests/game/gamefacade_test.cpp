#include "game/gamefacade.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "notation/gametags.h"
#include "notation/moveparser.h"

namespace {

void EnterAll(CGameFacade& facade, std::initializer_list<const char*> moves) {
    for (const char* move : moves) ASSERT_STREQ(facade.EnterMove(move), "") << move;
}

std::unique_ptr<CGameFacade> FacadeFromFen(const char* fen) {
    CPosition start{};
    EXPECT_EQ(start.SetupFen(fen), "") << fen;
    return std::make_unique<CGameFacade>(start);
}

// Lengths and continuation bytes of every UTF-8 sequence.
bool IsValidUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

}  // namespace

TEST(GameFacadeTest, NewGameWaitsForWhiteWithTwentyMoves) {
    CGameFacade facade;
    char text[CGameFacade::kTextSize];
    EXPECT_STREQ(facade.StatusText(), "It's white turn");
    EXPECT_EQ(facade.GameOver(text), 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(facade.LegalMoveCount(), 20);
    EXPECT_STREQ(facade.LegalMoveText(0), "b1a3");
    EXPECT_STREQ(facade.LegalMoveText(19), "h2h4");
    for (int outside : {20, -1, 65536}) EXPECT_STREQ(facade.LegalMoveText(outside), "ierr") << outside;
}

TEST(GameFacadeTest, AcceptedMovePassesTheTurn) {
    CGameFacade facade;
    EXPECT_STREQ(facade.EnterMove("e2e4"), "");
    EXPECT_EQ(facade.GetGame()->GetPly(), 1);
    EXPECT_STREQ(facade.StatusText(), "It's black turn");
}

TEST(GameFacadeTest, RefusedMovesChangeNothing) {
    const struct {
        const char* move;
        const char* answer;
    } cases[] = {
        {"--", "Format des Zugs ungültig"}, {"", "Format des Zugs ungültig"},
        {"äö", "Format des Zugs ungültig"}, {"e2e5", "Ungültiger Zug: e2e5"},
        {"Ke2", "Ungültiger Zug: Ke2"},
    };
    for (const auto& c : cases) {
        CGameFacade facade;
        EXPECT_STREQ(facade.EnterMove(c.move), c.answer) << c.move;
        EXPECT_EQ(facade.GetGame()->GetPly(), 0) << c.move;
    }
}

TEST(GameFacadeTest, FoolsMateEndsTheGameAndSetsTheResultTag) {
    CGameFacade facade;
    EnterAll(facade, {"f3", "e5", "g4", "Qh4"});
    char text[CGameFacade::kTextSize];
    EXPECT_STREQ(facade.StatusText(), "0-1 {Black mates}");
    EXPECT_EQ(facade.GameOver(text), 1);
    EXPECT_STREQ(text, "0-1 {Black mates}");
    EXPECT_STREQ(facade.EnterMove("e4"), "0-1 {Black mates}");
    EXPECT_EQ(facade.GetGame()->GetPly(), 4);

    // The new-game step: the first update finds no Result line, the defaults add one.
    CGameTags* tags = facade.UpdateResultTag();
    ASSERT_NE(tags, nullptr);
    EXPECT_EQ(tags->First(), nullptr);
    tags->SetDefaults();
    ASSERT_EQ(facade.UpdateResultTag(), tags);
    int lines = 0, resultLines = 0;
    for (const char* line = tags->First(); line != nullptr; line = tags->Next(), ++lines) {
        if (std::strncmp(line, "[Result ", 8) != 0) continue;
        EXPECT_STREQ(line, "[Result \"0-1\"]");
        ++resultLines;
    }
    EXPECT_EQ(lines, 7);
    EXPECT_EQ(resultLines, 1);
}

TEST(GameFacadeTest, DrawEndsTheGameButMovesAreStillTaken) {
    CGameFacade facade;
    for (int round = 0; round < 4; ++round) EnterAll(facade, {"Nf3", "Nf6", "Ng1", "Ng8"});
    char text[CGameFacade::kTextSize];
    EXPECT_EQ(facade.GameOver(text), 1);
    EXPECT_STREQ(text, "1/2-1/2 {Draw by repetition}");
    EXPECT_STREQ(facade.StatusText(), "1/2-1/2 {Draw by repetition}");
    EXPECT_STREQ(facade.EnterMove("e4"), "");
}

TEST(GameFacadeTest, CheckAndStalemateStatus) {
    auto check = FacadeFromFen("4k3/8/8/8/8/8/8/4K2r w - - 0 1");
    EXPECT_GT(check->LegalMoveCount(), 0);
    EXPECT_STREQ(check->StatusText(), "chess !");

    auto stalemate = FacadeFromFen("8/8/8/8/8/6q1/5k2/7K w - - 0 1");
    EXPECT_STREQ(stalemate->StatusText(), "1/2-1/2 {Stalemate}");
    EXPECT_STREQ(stalemate->EnterMove("Kg1"), "1/2-1/2 {Stalemate}");
}

TEST(GameFacadeTest, FullHistoryEndsAsTooManyMovesAndRefusesMoreMoves) {
    CGameFacade facade;
    CGame* game = facade.GetGame();
    const char* cycle[] = {"Nf3", "Nf6", "Ng1", "Ng8"};
    char text[CGame::kTextSize];
    while (game->HasRoom()) {
        ASSERT_NE(game->MakeMove(ParseMove(*game->Current(), cycle[game->GetPly() % 4])), nullptr);
        // Repetition has held for thousands of plies; the move limit takes over at 5599.
        if (game->GetPly() == 5598 || game->GetPly() == 5599) {
            game->DrawCheck(text);
            EXPECT_STREQ(text, game->GetPly() == 5598 ? "1/2-1/2 {Draw by repetition}"
                                                      : "1/2-1/2 {Too many moves --> 50 move rule}");
        }
    }
    ASSERT_EQ(game->GetPly(), CGame::kMaxPositions - 1);
    CMoveGen* last = game->Current();
    EXPECT_EQ(game->MakeMove(0), nullptr);
    // Black to move, and Nf6 is legal: only the full history stands in the way.
    EXPECT_STREQ(facade.EnterMove("Nf6"), "Partie zu lang: kein weiterer Zug möglich");
    EXPECT_EQ(game->GetPly(), CGame::kMaxPositions - 1);
    EXPECT_EQ(game->Current(), last);
}

TEST(GameFacadeTest, LongInvalidMoveIsCutBetweenCharacters) {
    const std::string prefix = "Ungültiger Zug: ";
    CGameFacade facade;
    const std::string plain(300, 'z');
    EXPECT_EQ(facade.EnterMove(plain.c_str()), prefix + plain.substr(0, CGameFacade::kTextSize - 1 - prefix.size()));

    // Pads of 0 to 3 bytes move the cut through every byte of the wide characters.
    for (const char* wide : {"ä", "€", "😀"}) {
        for (int pad = 0; pad < 4; ++pad) {
            std::string move(pad + 1, 'z');
            while (move.size() < 300) move += wide;
            const std::string answer = facade.EnterMove(move.c_str());
            const std::string label = std::string(wide) + " pad " + std::to_string(pad);
            EXPECT_LT(answer.size(), size_t(CGameFacade::kTextSize)) << label;
            EXPECT_GE(answer.size(), size_t(CGameFacade::kTextSize) - 4) << label;
            EXPECT_EQ(answer, prefix + move.substr(0, answer.size() - prefix.size())) << label;
            EXPECT_TRUE(IsValidUtf8(answer)) << label;
        }
    }
}
