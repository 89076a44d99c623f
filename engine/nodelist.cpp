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
    CSearchNode* nodes = list->Nodes();
    CEvaluator evaluator;
    const CReplyCounter counter(pos);
    const CEvaluator::Base base = CEvaluator::BaseOf(counter, pos);
    // Score first, index second and inverted: sorted descending, equal
    // scores keep generation order, as inserting each in front of the first
    // lower score would.
    int64_t keys[CMoveGen::kMaxMoves];
    for (int16_t i = 0; i < pos.m_count; ++i) {
        ++evaluator.m_nodes;
        const int v = evaluator.ExchangeValueAfter(base, pos, pos.m_moves[i], pos.m_count, kExchangeDepth,
                                                   -CEvaluator::kInfinity, CEvaluator::kInfinity);
        CSearchNode* node = new (nodes + i) CSearchNode;
        node->m_moveIndex = i;
        pos.CoordText(i, node->m_text);
        node->m_score = -v;
        node->m_next = nullptr;
        node->m_subtree = nullptr;
        keys[i] = int64_t(-v) * kIndexRange + (kIndexRange - 1 - i);
    }
    std::sort(keys, keys + pos.m_count, [](int64_t a, int64_t b) { return a > b; });
    CSearchNode** link = &list->m_head;
    for (int16_t k = 0; k < pos.m_count; ++k) {
        CSearchNode* node = nodes + (kIndexRange - 1 - Remainder(keys[k]));
        *link = node;
        link = &node->m_next;
    }
    list->m_best = list->m_head;
    g_searchNodes += evaluator.m_nodes;
    return list;
}

void CNodeList::Free(CNodeList* list, CBlockPool& pool) noexcept {
    if (!list) return;
    CSearchNode* nodes = list->Nodes();
    for (int i = 0; i < list->m_count; ++i) Free(nodes[i].m_subtree, pool);
    const int units = Units(list->m_count);
    list->~CNodeList();
    pool.Give(list, units);
}
