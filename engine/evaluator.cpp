#include "engine/evaluator.h"

#include <cstdlib>

#include "rules/movegen.h"

int CEvaluator::Evaluate(const CMoveGen& pos, int16_t parentCount) {
    int material = (int(pos.m_whiteMaterial) - int(pos.m_blackMaterial)) * kPawnScore;
    if (std::abs(int(pos.m_moveNumber)) < kDevelopmentMoves) material = pos.AdjustForDevelopment(material);
    return pos.m_moveNumber > 0 ? pos.m_count + material - parentCount : pos.m_count - material - parentCount;
}

int CEvaluator::ExchangeValue(const CMoveGen& pos, int16_t parentCount, int depth, int alpha, int beta) {
    const int stand = Evaluate(pos, parentCount);
    if (depth == 0 || pos.m_count == 0) return stand;
    // Standing pat is always allowed, but it does not raise alpha.
    int best = stand;
    for (int i = 0; i < pos.m_count; ++i) {
        const Move move = pos.m_moves[i];
        if (move.to != pos.m_lastTo) continue;
        ++m_nodes;
        CMoveGen child;
        child.CopyApplyGenerate(pos, move);
        const int v = -ExchangeValue(child, pos.m_count, depth - 1, -beta, -alpha);
        if (v > best) best = v;
        if (best > alpha) alpha = best;
        if (alpha >= beta) return best;
    }
    return best;
}
