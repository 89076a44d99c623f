#include "engine/nodelist.h"

#include <algorithm>
#include <new>

#include "engine/blockpool.h"
#include "engine/evaluator.h"
#include "rules/movegen.h"
#include "rules/replycounter.h"

int64_t g_searchNodes = 0;

static_assert(sizeof(CNodeList) % alignof(CSearchNode) == 0, "the nodes behind a list are aligned");
static_assert(alignof(CNodeList) <= CBlockPool::kUnit && alignof(CSearchNode) <= CBlockPool::kUnit,
              "a block's alignment serves both");

namespace {
// Above every index of a list.
constexpr int64_t kIndexRange = 1 << 16;
static_assert(CMoveGen::kMaxMoves < kIndexRange, "an index fits below the score in a sort key");
// The index part of a key, whose score may be negative.
int Remainder(int64_t key) { return static_cast<int>(((key % kIndexRange) + kIndexRange) % kIndexRange); }
}  // namespace

int CNodeList::Units(int count) {
    const std::size_t bytes = sizeof(CNodeList) + sizeof(CSearchNode) * static_cast<std::size_t>(count);
    return static_cast<int>((bytes + CBlockPool::kUnit - 1) / CBlockPool::kUnit);
}

CNodeList* CNodeList::Make(const CMoveGen& pos, CBlockPool& pool) {
    static_assert(sizeof(CNodeList) + sizeof(CSearchNode) * CMoveGen::kMaxMoves <=
                      CBlockPool::kUnit * CBlockPool::kMaxUnits,
                  "the longest list fits in a block");
    CNodeList* list = new (pool.Take(Units(pos.m_count))) CNodeList(pos.m_count);
    CEvaluator evaluator;
    const CReplyCounter counter(pos);
    const CEvaluator::Base base = CEvaluator::BaseOf(counter, pos);
    // Score first, index second and inverted: sorted descending, equal
    // scores keep generation order.
    int64_t keys[CMoveGen::kMaxMoves];
    int32_t scores[CMoveGen::kMaxMoves];
    for (int16_t i = 0; i < pos.m_count; ++i) {
        ++evaluator.m_nodes;
        scores[i] = -evaluator.ExchangeValueAfter(base, pos, pos.m_moves[i], pos.m_count, kExchangeDepth,
                                                  -CEvaluator::kInfinity, CEvaluator::kInfinity);
        keys[i] = int64_t(scores[i]) * kIndexRange + (kIndexRange - 1 - i);
    }
    std::sort(keys, keys + pos.m_count, [](int64_t a, int64_t b) { return a > b; });
    CSearchNode* node = list->First();
    for (int16_t k = 0; k < pos.m_count; ++k, ++node) {
        const int16_t index = static_cast<int16_t>(kIndexRange - 1 - Remainder(keys[k]));
        new (node) CSearchNode{nullptr, scores[index], index};
    }
    list->m_best = pos.m_count ? list->First() : nullptr;
    g_searchNodes += evaluator.m_nodes;
    return list;
}

void CNodeList::Free(CNodeList* list, CBlockPool& pool) noexcept {
    if (!list) return;
    for (CSearchNode* node = list->First(); node != list->End(); ++node) Free(node->m_subtree, pool);
    const int units = Units(list->m_count);
    list->~CNodeList();
    pool.Give(list, units);
}
