// The position record: set-up, applying moves, position text, FEN set-up.
#include <gtest/gtest.h>

#include <cstring>

#include "rules/chess.h"
#include "rules/position.h"
#include "testutil.h"

using namespace chess;

namespace {

std::string Text(const CPosition& p) {
    char text[CPosition::kTextSize];
    return p.ToText(text);
}

CPosition FromFen(const char* fen) {
    CPosition p;
    EXPECT_EQ(p.SetupFen(fen), "");
    return p;
}

TEST(Position, InitialPositionTextAndMaterial) {
    CPosition p;
    p.SetupInitial();
    EXPECT_EQ(Text(p), "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    EXPECT_EQ(p.m_whiteMaterial, 183);
    EXPECT_EQ(p.m_blackMaterial, 183);
    EXPECT_EQ(p.m_flags, 15);
    EXPECT_TRUE(p.IsWhiteToMove());
}

TEST(Position, MoveNumberStepsAndTextAfterMoves) {
    CPosition p;
    p.SetupInitial();
    p.Apply(Move{12, 28, kPawn, 15});
    EXPECT_EQ(Text(p), "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1");
    EXPECT_EQ(p.m_moveNumber, -1);
    EXPECT_FALSE(p.IsWhiteToMove());
    EXPECT_EQ(p.m_lastFrom, 12);
    EXPECT_EQ(p.m_lastTo, 28);
    EXPECT_EQ(p.m_lastPiece, kPawn);
    p.Apply(Move{52, 36, kPawn | kBlack, 15});
    EXPECT_EQ(p.m_moveNumber, 2);
    EXPECT_EQ(Text(p), "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq - 0 2");
}

TEST(Position, TextFieldsAfterTheBoardAreFixed) {
    // Rights, en passant and clock never show: the text only keys repetitions.
    EXPECT_EQ(Text(FromFen("r6r/8/8/8/8/8/8/1K5k b - - 12 40")), "r6r/8/8/8/8/8/8/1K5k b KQkq - 0 40");
}

struct CastlingCase {
    const char* fen;
    Move move;
    uint8_t king, rookFrom, rookTo;
};

TEST(Position, CastlingMovesTheRookToo) {
    const CastlingCase cases[] = {
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", {kE1, kG1, kKing, 0}, kG1, kH1, kF1},
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", {kE1, kC1, kKing, 0}, kC1, kA1, kD1},
        {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", {kE8, kG8, kKing | kBlack, 0}, kG8, kH8, kF8},
        {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", {kE8, kC8, kKing | kBlack, 0}, kC8, kA8, kD8},
    };
    for (const CastlingCase& c : cases) {
        CPosition p = FromFen(c.fen);
        const uint8_t colour = p.m_board[c.move.from] & kBlack;
        p.Apply(c.move);
        EXPECT_EQ(p.m_board[c.king], kKing | colour);
        EXPECT_EQ(p.m_board[c.rookTo], kRook | colour);
        EXPECT_EQ(p.m_board[c.rookFrom], kEmpty);
        EXPECT_EQ(p.m_board[c.move.from], kEmpty);
    }
}

TEST(Position, EnPassantRemovesThePawnBesideTheFromSquare) {
    CPosition p = FromFen("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
    const uint8_t black = p.m_blackMaterial;
    p.Apply(Move{36, 43, kPawn, kCaptureFlag});  // e5xd6
    EXPECT_EQ(p.m_board[43], kPawn);
    EXPECT_EQ(p.m_board[35], kEmpty);
    EXPECT_EQ(p.m_board[36], kEmpty);
    EXPECT_EQ(p.m_blackMaterial, black - 1);
}

TEST(Position, PromotionAndCapturesChangeMaterial) {
    CPosition p = FromFen("3r1n1k/4P3/8/8/8/8/8/K7 w - - 0 1");
    const uint8_t white = p.m_whiteMaterial, black = p.m_blackMaterial;
    CPosition quiet = p;
    quiet.Apply(Move{52, 60, kQueen, kPromotionFlag});
    EXPECT_EQ(quiet.m_board[60], kQueen);
    EXPECT_EQ(quiet.m_whiteMaterial, white + 8);
    EXPECT_EQ(quiet.m_blackMaterial, black);

    CPosition capture = p;
    capture.Apply(Move{52, 59, kKnight, kPromotionFlag | kCaptureFlag});  // exd8=N
    EXPECT_EQ(capture.m_board[59], kKnight);
    EXPECT_EQ(capture.m_whiteMaterial, white + 2);
    EXPECT_EQ(capture.m_blackMaterial, black - 5);
}

TEST(Position, CapturingAKingTakes144) {
    // Only a pseudo-legal search can get here, so place the rook by hand.
    CPosition p = FromFen("8/8/8/8/8/1k6/8/K7 w - - 0 1");
    p.m_board[1] = kRook;
    const uint8_t black = p.m_blackMaterial;
    p.Apply(Move{1, 17, kRook, kCaptureFlag});
    EXPECT_EQ(p.m_blackMaterial, static_cast<uint8_t>(black - 144));
}

TEST(Position, FenSetsRightsEnPassantAndMoveNumber) {
    int half = -1;
    CPosition p;
    ASSERT_EQ(p.SetupFen("rnbqkbnr/ppp1pppp/8/8/3pP3/8/PPPP1PPP/RNBQKBNR b Kq e3 7 12", &half), "");
    EXPECT_EQ(p.m_flags, kWhiteKingSide | kBlackQueenSide);
    EXPECT_EQ(p.m_lastFrom, 12);
    EXPECT_EQ(p.m_lastTo, 28);
    EXPECT_EQ(p.m_lastPiece, kPawn);
    EXPECT_EQ(p.m_moveNumber, -12);
    EXPECT_EQ(half, 7);
    EXPECT_EQ(p.m_whiteMaterial, 183);
    EXPECT_EQ(p.m_blackMaterial, 183);

    // Rights whose rook or king is gone can never be used and are dropped.
    ASSERT_EQ(p.SetupFen("4k3/8/8/8/8/8/8/R3K3 w KQkq - 0 1"), "");
    EXPECT_EQ(p.m_flags, kWhiteQueenSide);
    // Only the board and the side to move are required.
    ASSERT_EQ(p.SetupFen("4k3/8/8/8/8/8/8/4K3 b"), "");
    EXPECT_EQ(p.m_moveNumber, -1);
}

TEST(Position, MalformedFenIsRejectedAndChangesNothing) {
    const struct {
        const char* fen;
        const char* mentions;
    } cases[] = {
        {"", "at least"},
        {"8/8/8/8/8/8/8/8", "at least"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w KQkq - 0 1", "8 ranks"},
        {"rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "unknown character '9'"},
        {"rnbqkbnr/pppppppp/7/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "does not have 8 squares"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNRR w KQkq - 0 1", "more than 8 squares"},
        {"rnbqkbnr/pppxpppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "unknown character 'x'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1", "side to move"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQxq - 0 1", "castling"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KKQ - 0 1", "repeats"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e4 0 1", "en-passant"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e6 0 1", "double step"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - x 1", "half-move"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 0", "full-move"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 99999", "full-move"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1 extra", "more than six"},
        {"rnbq1bnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQ - 0 1", "one king"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBKKBNR w kq - 0 1", "one king"},
        {"P3k3/8/8/8/8/8/8/4K3 w - - 0 1", "pawn on rank 8"},
    };
    for (const auto& c : cases) {
        CPosition p;
        p.SetupInitial();
        const CPosition before = p;
        const std::string error = p.SetupFen(c.fen);
        EXPECT_NE(error.find(c.mentions), std::string::npos) << c.fen << " -> " << error;
        EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0) << c.fen;
    }
    CPosition p;
    EXPECT_NE(p.SetupFen("4k2R/8/8/8/8/8/8/4K3 w - - 0 1").find("not to move is in check"), std::string::npos);
}

}  // namespace
