// One chess position as a flat record, copied whole whenever a move is tried.
#pragma once

#include <cstdint>
#include <string>

#include "rules/chess.h"
#include "rules/move.h"

class CPosition {
public:
    // Large enough for every position text and every FEN-derived text we write.
    static constexpr int kTextSize = 100;

    uint8_t m_board[64];
    int16_t m_moveNumber;  // > 0 White to move, < 0 Black; |value| is the full-move number
    uint8_t m_lastFrom;
    uint8_t m_lastTo;
    uint8_t m_flags;  // flags of the move that produced this position; low bits = rights
    uint8_t m_lastPiece;
    uint8_t m_whiteMaterial;
    uint8_t m_blackMaterial;

    void SetupInitial();
    // Sets up from a FEN text. Returns the empty string on success, otherwise
    // a message naming what is wrong; the position is then left unchanged.
    std::string SetupFen(const std::string& fen, int* halfMoveClock = nullptr);

    void CopyFrom(const CPosition& other) { *this = other; }
    void Apply(Move move);
    // value plus the opening development term, both from White's side.
    int AdjustForDevelopment(int value) const;
    // The squares the development term reads: each side's minor pieces' and
    // king's pawn's home squares, where the castled king stands too.
    static constexpr uint8_t kWhiteMinorSquares[4] = {chess::kB1, chess::kC1, chess::kF1, chess::kG1};
    static constexpr uint8_t kBlackMinorSquares[4] = {chess::kB8, chess::kC8, chess::kF8, chess::kG8};
    static constexpr uint8_t kE2 = 12, kE7 = 52;
    static constexpr uint64_t DevelopmentSquares() {
        uint64_t squares = uint64_t(1) << kE2 | uint64_t(1) << kE7;
        for (uint8_t sq : kWhiteMinorSquares) squares |= uint64_t(1) << sq;
        for (uint8_t sq : kBlackMinorSquares) squares |= uint64_t(1) << sq;
        return squares;
    }
    // The move number's sign is the side to move; it is never 0.
    bool IsWhiteToMove() const { return m_moveNumber > 0; }
    // Colour bit of the side to move: 0 for White, chess::kBlack for Black.
    uint8_t SideToMove() const { return IsWhiteToMove() ? 0 : chess::kBlack; }
    // The castling rights in force: the low bits of the last move's flags.
    uint8_t CastlingRights() const { return m_flags & chess::kCastlingMask; }
    int FullMoveNumber() const { return m_moveNumber < 0 ? -m_moveNumber : m_moveNumber; }
    // Position text: board and side to move, then the fixed "KQkq - 0 " and the move number.
    char* ToText(char* out) const;

    // True when the square is attacked by a piece of the given colour (0 or 0x80).
    bool IsAttacked(int square, uint8_t byColour) const;
    // Square of the king of that colour, or -1.
    int KingSquare(uint8_t colour) const;
    // True when the king of colour, found on kingSquare, is attacked; a
    // missing king (-1) never is.
    bool KingAttacked(int kingSquare, uint8_t colour) const {
        return kingSquare >= 0 && IsAttacked(kingSquare, colour ^ chess::kBlack);
    }
    // A pawn that changes its file onto an empty square takes en passant.
    bool IsEnPassant(Move move) const {
        return chess::KindOf(m_board[move.from]) == chess::kPawn &&
               chess::FileOf(move.from) != chess::FileOf(move.to) && m_board[move.to] == chess::kEmpty;
    }
};
static_assert(sizeof(CPosition) == 72, "the position record is 72 bytes");
