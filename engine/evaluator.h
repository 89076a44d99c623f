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
    // The position a chain of captures starts from: its reply counter and
    // its development term, which stays while no changed square is one the
    // term reads.
    struct Base {
        const CReplyCounter& counter;
        int development;
    };
    // counter is made on pos.
    static Base BaseOf(const CReplyCounter& counter, const CPosition& pos);
    // The same for the position after parent's move, from the side to move
    // there; the child's replies are counted, never listed, from base, made
    // on parent.
    int ExchangeValueAfter(const Base& base, const CPosition& parent, Move move, int16_t parentCount, int depth,
                           int alpha, int beta);

private:
    // The score with the development term given rather than read off the board.
    static int Score(const CPosition& pos, int16_t count, int16_t parentCount, int development);
    // pos is the base with the pieces on vacated gone to pos's m_lastTo.
    int Exchange(const Base& base, const CPosition& pos, bitboards::Mask vacated, int16_t count,
                 const Move* recaptures, int16_t recaptureCount, int16_t parentCount, int depth, int alpha,
                 int beta);
};
