// The four castlings, one row each: every rule about castling reads its row
// (generation, counting, legality, Apply, the rights a move keeps, FEN, the
// SAN writer and the parser).
#pragma once

#include <cstdint>

#include "rules/chess.h"

namespace chess {

struct Castling {
    uint8_t right;  // its bit in the castling rights
    uint8_t king;   // the king's and the rook's codes, colour included
    uint8_t rook;
    uint8_t kingFrom, kingTo;
    uint8_t rookFrom, rookTo;
    // The square the king crosses: its step there must be legal, so the king
    // passes no attacked square.
    uint8_t kingCrosses;
    // The squares between king and rook, which must be empty.
    uint8_t between[3];
    uint8_t betweenCount;
    char fenLetter;
    const char* san;
};

// In generation order: king-side before queen-side.
constexpr Castling kCastlings[] = {
    {kWhiteKingSide, kKing, kRook, kE1, kG1, kH1, kF1, kF1, {kF1, kG1}, 2, 'K', "O-O"},
    {kWhiteQueenSide, kKing, kRook, kE1, kC1, kA1, kD1, kD1, {kD1, kC1, kB1}, 3, 'Q', "O-O-O"},
    {kBlackKingSide, kKing | kBlack, kRook | kBlack, kE8, kG8, kH8, kF8, kF8, {kF8, kG8}, 2, 'k', "O-O"},
    {kBlackQueenSide, kKing | kBlack, kRook | kBlack, kE8, kC8, kA8, kD8, kD8, {kD8, kC8, kB8}, 3, 'q', "O-O-O"},
};

// The pseudo-legal part: the right is held, the own rook stands on its corner
// and the squares between are empty. Check is the legality filter's business.
constexpr bool CastlingOpen(const Castling& c, const uint8_t* board, uint8_t rights) {
    for (int i = 0; i < c.betweenCount; ++i)
        if (board[c.between[i]] != kEmpty) return false;
    return board[c.rookFrom] == c.rook && (rights & c.right);
}

// A king moving two files castles; no other move does.
constexpr bool IsCastling(uint8_t mover, int from, int to) {
    const int fileStep = FileOf(to) - FileOf(from);
    return KindOf(mover) == kKing && (fileStep == 2 || fileStep == -2);
}

// The castling whose king lands on square, or null.
constexpr const Castling* CastlingByKingTo(int square) {
    for (const Castling& c : kCastlings)
        if (c.kingTo == square) return &c;
    return nullptr;
}

// The castling a king's move from one square to another is, or null.
constexpr const Castling* CastlingByKingMove(int from, int to) {
    for (const Castling& c : kCastlings)
        if (c.kingFrom == from && c.kingTo == to) return &c;
    return nullptr;
}

constexpr const Castling* CastlingByFenLetter(char letter) {
    for (const Castling& c : kCastlings)
        if (c.fenLetter == letter) return &c;
    return nullptr;
}

// The castling rights a move keeps: a king or rook leaving its square gives
// up its rights, and a move onto a rook's corner captures or replaces that
// rook, so the corner's right goes too.
struct RightsKept {
    uint8_t leaving[kSquares];
    uint8_t landing[kSquares];
};

constexpr RightsKept MakeRightsKept() {
    RightsKept kept{};
    for (int sq = 0; sq < kSquares; ++sq) kept.leaving[sq] = kept.landing[sq] = 0xFF;
    for (const Castling& c : kCastlings) {
        kept.leaving[c.kingFrom] &= static_cast<uint8_t>(~c.right);
        kept.leaving[c.rookFrom] &= static_cast<uint8_t>(~c.right);
        kept.landing[c.rookFrom] &= static_cast<uint8_t>(~c.right);
    }
    return kept;
}

inline constexpr RightsKept kRightsKept = MakeRightsKept();

constexpr uint8_t FlagsAfter(uint8_t from, uint8_t to, uint8_t flags) {
    return flags & kRightsKept.leaving[from] & kRightsKept.landing[to];
}

}  // namespace chess
