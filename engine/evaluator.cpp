#include "engine/evaluator.h"

#include "rules/castling.h"
#include "rules/movegen.h"
#include "rules/replycounter.h"

int CEvaluator::Score(const CPosition& pos, int16_t count, int16_t parentCount, int development) {
    int material = (int(pos.m_whiteMaterial) - int(pos.m_blackMaterial)) * kPawnScore;
    if (pos.FullMoveNumber() < kDevelopmentMoves) material += development;
    return pos.IsWhiteToMove() ? count + material - parentCount : count - material - parentCount;
}

int CEvaluator::Evaluate(const CPosition& pos, int16_t count, int16_t parentCount) {
    return Score(pos, count, parentCount, pos.AdjustForDevelopment(0));
}

CEvaluator::Base CEvaluator::BaseOf(const CReplyCounter& counter, const CPosition& pos) {
    return Base{counter, pos.AdjustForDevelopment(0)};
}

int CEvaluator::Evaluate(const CMoveGen& pos, int16_t parentCount) {
    return Evaluate(pos, pos.m_count, parentCount);
}

int CEvaluator::ExchangeValue(const CMoveGen& pos, int16_t parentCount, int depth, int alpha, int beta) {
    Move recaptures[CMoveGen::kMaxMovesOnto];
    int16_t n = 0;
    for (int i = 0; i < pos.m_count && n < CMoveGen::kMaxMovesOnto; ++i)
        if (pos.m_moves[i].to == pos.m_lastTo) recaptures[n++] = pos.m_moves[i];
    const CReplyCounter counter(pos);
    return Exchange(BaseOf(counter, pos), pos, 0, pos.m_count, recaptures, n, parentCount, depth, alpha, beta);
}

int CEvaluator::ExchangeValueAfter(const Base& base, const CPosition& parent, Move move, int16_t parentCount,
                                   int depth, int alpha, int beta) {
    CPosition child = parent;
    child.Apply(move);
    Move recaptures[CMoveGen::kMaxMovesOnto];
    int16_t n = 0;
    if (chess::IsCastling(parent.m_board[move.from], move.from, move.to) || parent.IsEnPassant(move)) {
        // A second piece moves or goes: the child is a base of its own.
        const CReplyCounter own(child);
        const int16_t count = own.Count(child, 0, child.m_lastTo, recaptures, &n);
        return Exchange(BaseOf(own, child), child, 0, count, recaptures, n, parentCount, depth, alpha, beta);
    }
    const bitboards::Mask vacated = bitboards::Bit(move.from);
    const int16_t count = base.counter.Count(child, vacated, child.m_lastTo, recaptures, &n);
    return Exchange(base, child, vacated, count, recaptures, n, parentCount, depth, alpha, beta);
}

// Only moves onto the last move's square are tried, so every move here
// recaptures there, and the replies after it are again counted, not listed.
int CEvaluator::Exchange(const Base& base, const CPosition& pos, bitboards::Mask vacated, int16_t count,
                         const Move* recaptures, int16_t recaptureCount, int16_t parentCount, int depth, int alpha,
                         int beta) {
    constexpr bitboards::Mask kDevelopmentSquares = CPosition::DevelopmentSquares();
    const bitboards::Mask changed = vacated | bitboards::Bit(pos.m_lastTo);
    const int development = (changed & kDevelopmentSquares) ? pos.AdjustForDevelopment(0) : base.development;
    const int stand = Score(pos, count, parentCount, development);
    if (depth == 0 || count == 0) return stand;
    // Standing pat is always allowed, but it does not raise alpha.
    int best = stand;
    for (int i = 0; i < recaptureCount; ++i) {
        ++m_nodes;
        CPosition child = pos;
        child.Apply(recaptures[i]);
        Move next[CMoveGen::kMaxMovesOnto];
        int16_t n = 0;
        const bitboards::Mask left = vacated | bitboards::Bit(recaptures[i].from);
        // The recaptures after the child are only tried with depth to spare.
        const int16_t childCount = base.counter.Count(child, left, child.m_lastTo, depth > 1 ? next : nullptr, &n);
        const int v =
            -Exchange(base, child, left, childCount, next, n, count, depth - 1, -beta, -alpha);
        if (v > best) best = v;
        if (best > alpha) alpha = best;
        if (alpha >= beta) return best;
    }
    return best;
}
