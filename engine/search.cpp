#include "engine/search.h"

#include <cinttypes>
#include <cstring>
#include <string>

#include "engine/evaluator.h"
#include "engine/messagepump.h"


namespace {
// Iterations are recorded up to this depth; later ones repeat the next depth.
constexpr int kLastRecordedDepth = CSearch::kMaxIterations - 2;
constexpr int kCentipawns = 100;
constexpr int kHundredths = 100;
}  // namespace

CSearch::CSearch(const CMoveGen& root, CMessagePump* pump) : m_rootPos(root), m_pump(pump) {
    m_root = MakeList(m_rootPos);
    m_clock.Start();
    Reset();
    m_results[0] = new CSearchResult(m_root);
}

CSearch::~CSearch() {
    Release();
    for (CSearchResult*& record : m_results) {
        delete record;
        record = nullptr;
    }
}

void CSearch::Reset() {
    m_clock.Start();
    m_infoSecond = -1;
    m_infoCount = 1;
    m_depth = 0;
    m_lastDone = -1;
    m_control = &m_unlimited;
}

void CSearch::SetLimit(CSearchControl& control) {
    m_clock = CClock(control.Calendar());
    Reset();
    m_control = &control;
}

// The list's nodes are counted once for the information line's running
// total and once for this search's own limit.
CNodeList* CSearch::MakeList(const CMoveGen& pos) {
    const int64_t before = g_searchNodes;
    CNodeList* list = CNodeList::Make(pos, m_pool);
    m_nodes += g_searchNodes - before;
    return list;
}

void CSearch::Iterate() {
    m_abort = false;
    if (!m_results[m_depth]) m_results[m_depth] = new CSearchResult(m_root);
    SearchNode(m_rootPos, &m_root, m_results[m_depth], m_depth, -kInfinity, kInfinity);
    if (!m_abort && m_lastDone < kLastRecordedDepth) {
        ++m_lastDone;
        ++m_depth;
        delete m_results[m_depth];
        m_results[m_depth] = new CSearchResult(m_root);
    }
}

int CSearch::SearchNode(const CMoveGen& pos, CNodeList** slot, CSearchResult* result, int depth, int alpha,
                        int beta) {
    if (m_depth > 0) {
        if (m_abort) return 0;
        if (CheckTime()) {
            m_abort = true;
            return 0;
        }
    }
    result->m_score = -kInfinity;
    if (!*slot) {
        if (pos.m_count == 0) {
            result->m_score = pos.InCheck() ? -kMateScore - depth : 0;
            return result->m_score;
        }
        *slot = MakeList(pos);
    }
    CNodeList* list = *slot;
    CMoveGen child;
    for (CSearchNode* node = list->First(), *end = list->End(); node != end; ++node) {
        CSearchResult* next = result->NextPly();
        int v;
        if (depth == 0) {
            v = node->m_score;
        } else {
            child.MakeChild(pos, node->m_moveIndex);
            v = -SearchNode(child, &node->m_subtree, next, depth - 1, -beta, -alpha);
        }
        if (m_abort) v = 0;
        if (v > result->m_score) {
            result->m_score = v;
            result->m_best = node;
            list->m_best = node;
        }
        if (result->m_score > alpha) alpha = result->m_score;
        if (alpha >= beta || m_abort) break;
    }
    if (m_depth - depth > kKeptPlies) {
        CNodeList::Free(list, m_pool);
        *slot = nullptr;
    }
    return result->m_score;
}

int16_t CSearch::BestMoveIndex() const {
    if (m_lastDone < 0 || !m_results[m_lastDone] || !m_results[m_lastDone]->m_best) return -1;
    return m_results[m_lastDone]->m_best->m_moveIndex;
}

const CSearchResult* CSearch::Result(int depth) const {
    if (depth < 0 || depth > m_lastDone) return nullptr;
    return m_results[depth];
}

void CSearch::Release() {
    // The whole tree lives in the pool: its pages go at once, with no walk
    // through millions of lists.
    m_root = nullptr;
    m_pool.Clear();
    // The records pointed into the tree; none may lead there any more.
    for (CSearchResult* record : m_results)
        for (CSearchResult* r = record; r; r = r->m_next) r->m_best = nullptr;
}

bool CSearch::CheckTime() {
    if (m_pump && m_pump->PumpOne()) {
        // Thinking was switched off: stop at once rather than finish the
        // iteration unchecked, which would freeze the window meanwhile.
        PrintInfo();
        return true;
    }
    return m_control->MustAbandon(m_nodes);
}

int CSearch::PrincipalVariation(char* out, int size) const {
    // The nodes keep no texts: the positions along the variation tell them.
    int count = 0, used = 0;
    out[0] = '\0';
    CMoveGen pos = m_rootPos, child;
    char text[CMoveGen::kCoordTextSize];
    for (const CNodeList* list = m_root; list && list->m_best; list = list->m_best->m_subtree) {
        pos.CoordText(list->m_best->m_moveIndex, text);
        const int length = static_cast<int>(std::strlen(text));
        if (used + length + 2 > size) break;
        if (count) out[used++] = ' ';
        std::memcpy(out + used, text, length + 1);
        used += length;
        ++count;
        child.MakeChild(pos, list->m_best->m_moveIndex);
        pos = child;
    }
    return count;
}

std::string CSearch::InfoLine(int count, int score, int seconds, int64_t nodes, const char* pv) {
    char head[64];
    std::snprintf(head, sizeof head, "%d %4d %4d %8" PRId64 " ", count, score * kCentipawns / CEvaluator::kPawnScore,
                  seconds * kHundredths, nodes);
    std::string line = head;
    // Each move of the variation is written as " %s".
    for (const char* p = pv; *p;) {
        const char* end = std::strchr(p, ' ');
        if (!end) end = p + std::strlen(p);
        line += ' ';
        line.append(p, end);
        p = *end ? end + 1 : end;
    }
    line += '\n';
    return line;
}

void CSearch::PrintInfo() {
    const int seconds = m_clock.Elapsed();
    if (seconds <= m_infoSecond) return;
    if (m_lastDone < 0) return;
    if (m_infoStream) {
        char pv[kPvTextSize];
        PrincipalVariation(pv, sizeof pv);
        const std::string line = InfoLine(m_infoCount, m_results[m_lastDone]->m_score, seconds, g_searchNodes, pv);
        std::fputs(line.c_str(), m_infoStream);
        std::fflush(m_infoStream);
    }
    ++m_infoCount;
    ++m_infoSecond;
}
