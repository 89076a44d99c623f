#include "app/core/access/boardspeech.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/core/access/boardcursor.h"
#include "app/core/access/boardkeys.h"
#include "game/gamefacade.h"

namespace {

std::unique_ptr<CGameFacade> SpeechGame(const char* fen) {
    CPosition start{};
    EXPECT_EQ(start.SetupFen(fen), "") << fen;
    return std::make_unique<CGameFacade>(start);
}

const char* const kStart = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
const char* const kSparse = "4k3/8/8/8/8/8/8/R3K3 w Q - 0 1";

// Every kind of move, as it is announced when played.
TEST(BoardSpeech, EveryKindOfMoveIsAnnouncedWithItsSideAndItsEnding) {
    struct Case {
        const char* fen;
        const char* move;
        const char* spoken;
    };
    const Case cases[] = {
        {kStart, "e2e4", "Weiß: Bauer e2 nach e4"},
        {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", "g8f6", "Schwarz: Springer g8 nach f6"},
        {"r1bqkbnr/pppp1ppp/2n5/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 0 4", "c4f7",
         "Weiß: Läufer c4 schlägt Bauer f7, Schach"},
        {"r1bqkbnr/pppp1ppp/2n5/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 0 4", "e1g1", "Weiß: kurze Rochade"},
        {"r3k3/8/8/8/8/8/8/4K3 b q - 0 1", "e8c8", "Schwarz: lange Rochade"},
        {"8/4P1k1/8/8/8/8/8/4K3 w - - 0 1", "e7e8q", "Weiß: Bauer e7 nach e8, wird Dame"},
        {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", "e5d6", "Weiß: Bauer e5 schlägt d6 en passant"},
        {"rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq g3 0 2", "d8h4",
         "Schwarz: Dame d8 nach h4. Spielende: Schwarz setzt matt und gewinnt"},
        {"k7/8/8/8/8/8/8/2Q4K w - - 0 1", "c1c7", "Weiß: Dame c1 nach c7. Spielende: Patt"},
    };
    for (const Case& c : cases) {
        auto game = SpeechGame(c.fen);
        ASSERT_STREQ(game->EnterMove(c.move), "") << c.move;
        EXPECT_EQ(CBoardSpeech::Move(*game, game->GetGame()->GetPly()), c.spoken) << c.fen;
    }
}

// Squares are screen squares: the board turned names them from the other side.
TEST(BoardSpeech, SquaresTheBoardAndItsLinesAreReadFromThePlayersSide) {
    auto start = SpeechGame(kStart);
    EXPECT_EQ(CBoardSpeech::Square(*start, 0, 0, false, false), "a8, schwarzer Turm");
    EXPECT_EQ(CBoardSpeech::Square(*start, 0, 0, true, true), "h1, weißer Turm, ausgewählt");
    EXPECT_EQ(CBoardSpeech::Square(*start, 3, 0, false, false), "d8, schwarze Dame");
    EXPECT_EQ(CBoardSpeech::Square(*start, 4, 4, false, false), "e4, leer");
    EXPECT_EQ(CBoardSpeech::Board(*start), "Schachbrett, Weiß am Zug");
    EXPECT_EQ(CBoardSpeech::LastMove(*start), "Noch kein Zug. Weiß am Zug");
    EXPECT_EQ(CBoardSpeech::Pieces(*start),
              "Weiß: König e1, Dame d1, Türme a1 h1, Läufer c1 f1, Springer b1 g1, Bauern a2 b2 c2 d2 e2 f2 g2 h2. "
              "Schwarz: König e8, Dame d8, Türme a8 h8, Läufer c8 f8, Springer b8 g8, Bauern a7 b7 c7 d7 e7 f7 g7 h7");

    auto sparse = SpeechGame(kSparse);
    EXPECT_EQ(CBoardSpeech::Rank(*sparse, 7, false), "Reihe 1: a1 weißer Turm, e1 weißer König");
    EXPECT_EQ(CBoardSpeech::Rank(*sparse, 0, true), "Reihe 1: e1 weißer König, a1 weißer Turm");
    EXPECT_EQ(CBoardSpeech::Rank(*sparse, 3, false), "Reihe 5: leer");
    EXPECT_EQ(CBoardSpeech::File(*sparse, 4, false), "Linie e: e1 weißer König, e8 schwarzer König");
    EXPECT_EQ(CBoardSpeech::File(*sparse, 3, true), "Linie e: e8 schwarzer König, e1 weißer König");
    ASSERT_STREQ(sparse->EnterMove("a1a8"), "");
    EXPECT_EQ(CBoardSpeech::Status(*sparse), "Zug 1, Schwarz am Zug, Schach");
    EXPECT_EQ(CBoardSpeech::LastMove(*sparse), "Weiß: Turm a1 nach a8, Schach. Schwarz am Zug");
    EXPECT_EQ(CBoardSpeech::Pieces(*sparse), "Weiß: König e1, Turm a8. Schwarz: König e8");
}

// P reads the game's moves with their numbers; of a long game only the
// last ones, after the count of the rest.
TEST(BoardSpeech, TheGamesMovesAreReadWithTheCountOfTheEarlierOnes) {
    const struct {
        std::vector<const char*> moves;
        const char* spoken;
    } cases[] = {
        {{}, "Noch kein Zug"},
        {{"e2e4", "e7e5", "g1f3"},
         "Zug 1, Weiß: Bauer e2 nach e4. Schwarz: Bauer e7 nach e5. Zug 2, Weiß: Springer g1 nach f3"},
        {{"g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1"},
         "1 früherer Halbzug. Zug 1, Schwarz: Springer g8 nach f6. Zug 2, Weiß: Springer f3 nach g1. "
         "Schwarz: Springer f6 nach g8. Zug 3, Weiß: Springer g1 nach f3. Schwarz: Springer g8 nach f6. "
         "Zug 4, Weiß: Springer f3 nach g1. Schwarz: Springer f6 nach g8. Zug 5, Weiß: Springer g1 nach f3. "
         "Schwarz: Springer g8 nach f6. Zug 6, Weiß: Springer f3 nach g1"},
        {{"g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1", "f6g8"},
         "2 frühere Halbzüge. Zug 2, Weiß: Springer f3 nach g1. Schwarz: Springer f6 nach g8. "
         "Zug 3, Weiß: Springer g1 nach f3. Schwarz: Springer g8 nach f6. Zug 4, Weiß: Springer f3 nach g1. "
         "Schwarz: Springer f6 nach g8. Zug 5, Weiß: Springer g1 nach f3. Schwarz: Springer g8 nach f6. "
         "Zug 6, Weiß: Springer f3 nach g1. Schwarz: Springer f6 nach g8"},
    };
    for (const auto& c : cases) {
        auto game = SpeechGame(kStart);
        for (const char* move : c.moves) ASSERT_STREQ(game->EnterMove(move), "") << move;
        EXPECT_EQ(CBoardSpeech::Game(*game), c.spoken) << c.moves.size();
    }
    EXPECT_EQ(CBoardSpeech::Turned(true), "Brett gedreht, Schwarz unten");
    EXPECT_EQ(CBoardSpeech::Turned(false), "Brett gedreht, Weiß unten");
}

// The cursor starts on the king's pawn of the side to move or the last
// move's square, moves in the screen's directions and stops at the edges.
TEST(BoardCursor, StartsWhereThePlayerLooksAndStopsAtTheEdges) {
    auto start = SpeechGame(kStart);
    CBoardCursor cursor;
    cursor.Start(*start, false);
    EXPECT_EQ(std::make_pair(cursor.Column(), cursor.Row()), std::make_pair(4, 6)) << "e2";
    cursor.Start(*start, true);
    EXPECT_EQ(std::make_pair(cursor.Column(), cursor.Row()), std::make_pair(3, 1)) << "e2, board turned";
    cursor.Flip();
    EXPECT_EQ(std::make_pair(cursor.Column(), cursor.Row()), std::make_pair(4, 6)) << "turned back, still e2";
    ASSERT_STREQ(start->EnterMove("e2e4"), "");
    cursor.Start(*start, false);
    EXPECT_EQ(std::make_pair(cursor.Column(), cursor.Row()), std::make_pair(4, 4)) << "the last move's e4";

    struct Step {
        int column, row;
        CBoardCursor::Direction direction;
        bool moves;
        int toColumn, toRow;
    };
    const Step steps[] = {
        {0, 0, CBoardCursor::kUp, false, 0, 0},   {0, 0, CBoardCursor::kLeft, false, 0, 0},
        {7, 7, CBoardCursor::kDown, false, 7, 7}, {7, 7, CBoardCursor::kRight, false, 7, 7},
        {3, 3, CBoardCursor::kUp, true, 3, 2},    {3, 3, CBoardCursor::kDown, true, 3, 4},
        {3, 3, CBoardCursor::kLeft, true, 2, 3},  {3, 3, CBoardCursor::kRight, true, 4, 3},
    };
    for (const Step& s : steps) {
        cursor.Place(s.column, s.row);
        EXPECT_EQ(cursor.Move(s.direction), s.moves);
        EXPECT_EQ(std::make_pair(cursor.Column(), cursor.Row()), std::make_pair(s.toColumn, s.toRow));
    }
}

// A player without sight learns the keys from the help alone.
TEST(BoardKeys, TheSpokenHelpNamesEveryKeyOfTheBoard) {
    const std::string help = CBoardKeys::HelpText();
    for (const char* key :
         {"Pfeiltasten", "Eingabe oder Leertaste", "Escape", "Z:", "F:", "R:", "L:", "S:", "P:", "H oder F1", "Notation"})
        EXPECT_NE(help.find(key), std::string::npos) << key;
}

}  // namespace
