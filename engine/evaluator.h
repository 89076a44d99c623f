// Static evaluation and the exchange search on the last move's square.
#pragma once

#include <cstdint>

#include "rules/bitboards.h"
#include "rules/move.h"

class CMoveGen;
class CPosition;
class CReplyCounter;

class CEvaluator {
public:
    // One pawn of material in score units.
    static constexpr int kPawnScore = 32;
    // Beyond any score: the widest window a search or a list build gives.
    static constexpr int kInfinity = 999999;
    // Development counts during full moves 1 to 31 only.
    static constexpr int kDevelopmentMoves = 32;

    // Moves tried by this evaluator: children of a list build plus exchange moves.
    int32_t m_nodes = 0;

    // Score of pos for its side to move; parentCount is the move count one ply earlier.
    static int Evaluate(const CMoveGen& pos, int16_t parentCount);
    static int Evaluate(const CPosition& pos, int16_t count, int16_t parentCount);
    // Score of pos after the chain of recaptures on its m_lastTo, up to depth plies.
    int ExchangeValue(const CMoveGen& pos, int16_t parentCount, int depth, int alpha, int beta);
    // The same for the position after parent's move, from the side to move
    // there; the child's replies are counted, never listed, by counter, made
    // on parent.
    int ExchangeValueAfter(const CReplyCounter& counter, const CPosition& parent, Move move, int16_t parentCount,
                           int depth, int alpha, int beta);

private:
    // pos is counter's base with the pieces on vacated gone to pos's m_lastTo.
    int Exchange(const CReplyCounter& counter, const CPosition& pos, bitboards::Mask vacated, int16_t count,
                 const Move* recaptures, int16_t recaptureCount, int16_t parentCount, int depth, int alpha,
                 int beta);
};
