#include "engine/nodelist.h"

#include "engine/evaluator.h"
#include "engine/freelist.h"
#include "engine/search.h"
#include "rules/movegen.h"

CNodeList::CNodeList(const CMoveGen& pos) {
    CEvaluator evaluator;
    for (int16_t i = 0; i < pos.m_count; ++i) {
        ++evaluator.m_nodes;
        const int v = evaluator.ExchangeValueAfter(pos, pos.m_moves[i], pos.m_count, CSearch::kExchangeDepth,
                                                   -CSearch::kInfinity, CSearch::kInfinity);
        CSearchNode* node = new CSearchNode;
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
    CSearchNode* node = m_head;
    while (node) {
        CSearchNode* next = node->m_next;
        delete node->m_subtree;
        delete node;
        node = next;
    }
}

void* CNodeList::operator new(std::size_t) { return CFreeList<sizeof(CNodeList)>::Take(); }

void CNodeList::operator delete(void* p) noexcept { CFreeList<sizeof(CNodeList)>::Give(p); }
