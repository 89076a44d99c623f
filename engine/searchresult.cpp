#include "engine/searchresult.h"

#include "engine/nodelist.h"

CSearchResult::CSearchResult(const CNodeList* list) {
    if (list && list->Count()) {
        m_best = list->First();
        m_score = list->First()->m_score;
    }
}

CSearchResult::~CSearchResult() {
    // Iterative, so that a deep chain cannot exhaust the stack.
    CSearchResult* next = m_next;
    while (next) {
        CSearchResult* after = next->m_next;
        next->m_next = nullptr;
        delete next;
        next = after;
    }
}

CSearchResult* CSearchResult::NextPly() {
    if (!m_next) m_next = new CSearchResult();
    return m_next;
}
