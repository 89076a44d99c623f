// Counts the pseudo-legal moves of positions that differ from one base
// position only by moves onto one square: a list's children and the
// recaptures behind them. What every piece of the base reaches is worked out
// once; a derived position looks again only at the pieces whose reach its
// changed squares touch.
#pragma once

#include <cstdint>

#include "rules/bitboards.h"
#include "rules/move.h"
#include "rules/position.h"

class CReplyCounter {
public:
    // Room for the moves onto one square: 16 pieces, and a promotion counts four times.
    static constexpr int kMaxMovesOnto = 64;

    explicit CReplyCounter(const CPosition& base);

    // The number of pseudo-legal moves of position, as the generator would
    // list them. position is the base with the pieces on the vacated squares
    // gone (moved onto target and taken there) and target, if any (0 to 63,
    // else -1), held by the side that moved last, whose piece is the one of
    // position. The moves onto target go to onTarget in generation order,
    // their number to kept; a null onTarget asks for the count alone. A base's castlings and captures en passant move
    // more than that: their children need a base of their own.
    int16_t Count(const CPosition& position, bitboards::Mask vacated, int target, Move* onTarget,
                  int16_t* kept) const;

private:
    struct Side {
        bitboards::Mask own;     // every piece of the side
        bitboards::Mask pieces;  // its pieces but the pawns
        bitboards::Mask pawns;
        int moves;               // the moves of pieces, castling apart
    };

    bitboards::PieceSets m_sets;
    Side m_side[2];  // White, Black
    // What each piece of the base reaches, up to and including the first
    // occupied square, and its moves there.
    bitboards::Mask m_reach[64];
    uint8_t m_moves[64];
    // The pieces but pawns, of either side, whose reach takes in each square.
    bitboards::Mask m_watchers[64];
};
