#include "engine/nodelist.h"

#include <new>

#include "engine/evaluator.h"
#include "engine/freelist.h"
#include "engine/search.h"
#include "rules/movegen.h"

namespace {
using ListBlocks = CFreeList<sizeof(CNodeList), 1>;
using NodeBlocks = CFreeList<sizeof(CSearchNode), CMoveGen::kMaxMoves>;
}  // namespace

CNodeList::CNodeList(const CMoveGen& pos) : m_count(pos.m_count) {
    if (m_count > 0) m_nodes = static_cast<CSearchNode*>(NodeBlocks::Take(m_count));
    CEvaluator evaluator;
    for (int16_t i = 0; i < pos.m_count; ++i) {
        ++evaluator.m_nodes;
        const int v = evaluator.ExchangeValueAfter(pos, pos.m_moves[i], pos.m_count, CSearch::kExchangeDepth,
                                                   -CSearch::kInfinity, CSearch::kInfinity);
        CSearchNode* node = new (m_nodes + i) CSearchNode;
        node->m_moveIndex = i;
        pos.CoordText(i, node->m_text);
        node->m_score = -v;
        node->m_next = nullptr;
        node->m_subtree = nullptr;
        // In front of the first lower score: equal scores keep generation order.
        CSearchNode** link = &m_head;
        while (*link && (*link)->m_score >= node->m_score) link = &(*link)->m_next;
        node->m_next = *link;
        *link = node;
    }
    m_best = m_head;
    g_searchNodes += evaluator.m_nodes;
}

CNodeList::~CNodeList() {
    for (int i = 0; i < m_count; ++i) delete m_nodes[i].m_subtree;
    if (m_count > 0) NodeBlocks::Give(m_nodes, m_count);
}

void* CNodeList::operator new(std::size_t) { return ListBlocks::Take(1); }

void CNodeList::operator delete(void* p) noexcept { ListBlocks::Give(p, 1); }
