#include "engine/evaluator.h"

#include "rules/movegen.h"

int CEvaluator::Evaluate(const CPosition& pos, int16_t count, int16_t parentCount) {
    int material = (int(pos.m_whiteMaterial) - int(pos.m_blackMaterial)) * kPawnScore;
    if (pos.FullMoveNumber() < kDevelopmentMoves) material = pos.AdjustForDevelopment(material);
    return pos.IsWhiteToMove() ? count + material - parentCount : count - material - parentCount;
}

int CEvaluator::Evaluate(const CMoveGen& pos, int16_t parentCount) {
    return Evaluate(pos, pos.m_count, parentCount);
}

int CEvaluator::ExchangeValue(const CMoveGen& pos, int16_t parentCount, int depth, int alpha, int beta) {
    Move recaptures[CMoveGen::kMaxMovesOnto];
    int16_t n = 0;
    for (int i = 0; i < pos.m_count && n < CMoveGen::kMaxMovesOnto; ++i)
        if (pos.m_moves[i].to == pos.m_lastTo) recaptures[n++] = pos.m_moves[i];
    return Exchange(pos, pos.m_count, recaptures, n, parentCount, depth, alpha, beta);
}

int CEvaluator::ExchangeValueAfter(const CPosition& parent, Move move, int16_t parentCount, int depth, int alpha,
                                   int beta) {
    CPosition child = parent;
    child.Apply(move);
    Move recaptures[CMoveGen::kMaxMovesOnto];
    int16_t n = 0;
    const int16_t count = CMoveGen::CountReplies(child, child.m_lastTo, recaptures, &n);
    return Exchange(child, count, recaptures, n, parentCount, depth, alpha, beta);
}

// Only moves onto the last move's square are tried, so every move here
// recaptures there, and the replies after it are again counted, not listed.
int CEvaluator::Exchange(const CPosition& pos, int16_t count, const Move* recaptures, int16_t recaptureCount,
                         int16_t parentCount, int depth, int alpha, int beta) {
    const int stand = Evaluate(pos, count, parentCount);
    if (depth == 0 || count == 0) return stand;
    // Standing pat is always allowed, but it does not raise alpha.
    int best = stand;
    for (int i = 0; i < recaptureCount; ++i) {
        ++m_nodes;
        CPosition child = pos;
        child.Apply(recaptures[i]);
        Move next[CMoveGen::kMaxMovesOnto];
        int16_t n = 0;
        const int16_t childCount = CMoveGen::CountReplies(child, child.m_lastTo, next, &n);
        const int v = -Exchange(child, childCount, next, depth > 1 ? n : 0, count, depth - 1, -beta, -alpha);
        if (v > best) best = v;
        if (best > alpha) alpha = best;
        if (alpha >= beta) return best;
    }
    return best;
}
