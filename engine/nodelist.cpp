#include "engine/nodelist.h"

#include <new>

#include "engine/blockpool.h"
#include "engine/evaluator.h"
#include "rules/movegen.h"
#include "rules/replycounter.h"

int64_t g_searchNodes = 0;

static_assert(sizeof(CNodeList) % alignof(CSearchNode) == 0, "the nodes behind a list are aligned");
static_assert(alignof(CNodeList) <= CBlockPool::kUnit && alignof(CSearchNode) <= CBlockPool::kUnit,
              "a block's alignment serves both");

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
    for (int16_t i = 0; i < pos.m_count; ++i) {
        ++evaluator.m_nodes;
        const int v = evaluator.ExchangeValueAfter(counter, pos, pos.m_moves[i], pos.m_count, kExchangeDepth,
                                                   -CEvaluator::kInfinity, CEvaluator::kInfinity);
        CSearchNode* node = new (nodes + i) CSearchNode;
        node->m_moveIndex = i;
        pos.CoordText(i, node->m_text);
        node->m_score = -v;
        node->m_next = nullptr;
        node->m_subtree = nullptr;
        // In front of the first lower score: equal scores keep generation order.
        CSearchNode** link = &list->m_head;
        while (*link && (*link)->m_score >= node->m_score) link = &(*link)->m_next;
        node->m_next = *link;
        *link = node;
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
