// What the storing generator and the reply counter share about pawns and
// the flags of a listed move, so that both see the same moves.
#pragma once

#include <cstdint>

#include "rules/castling.h"
#include "rules/chess.h"
#include "rules/move.h"

namespace chess {

constexpr uint8_t kPromotionKinds[] = {kQueen, kRook, kBishop, kKnight};

// A pawn's ranks: it moves forward, may step twice from its start, promotes
// from the rank before the last, and takes en passant on the rank the
// enemy's double step lands on.
struct PawnRanks {
    int forward;
    int doubleStep;
    int promotion;
    int passant;
    int enemyStart;
};
// Chosen once per list, as values: looked up per pawn in a table they made
// perft 4% slower.
constexpr PawnRanks PawnRanksOf(bool white) {
    return white ? PawnRanks{8, 1, 6, 4, 6} : PawnRanks{-8, 6, 1, 3, 1};
}

// A move as lists hold it: its flags keep only the castling rights that survive it.
constexpr Move ListedMove(uint8_t from, uint8_t to, uint8_t piece, uint8_t flags) {
    return Move{from, to, piece, FlagsAfter(from, to, flags)};
}

}  // namespace chess
