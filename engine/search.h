// Iterative-deepening, fail-soft alpha-beta over a move tree that persists
// between iterations at plies 0 to 5. One search serves one thinking request.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/blockpool.h"
#include "engine/clock.h"
#include "engine/evaluator.h"
#include "engine/nodelist.h"
#include "engine/searchcontrol.h"
#include "engine/searchresult.h"
#include "rules/movegen.h"

class CMessagePump;

class CSearch {
public:
    static constexpr int kInfinity = CEvaluator::kInfinity;
    static constexpr int kMateScore = 987654;
    static constexpr int kMaxIterations = 50;
    // Lists of positions up to this ply stay between iterations.
    static constexpr int kKeptPlies = 5;
    // Room for the longest variation: during a search it runs as deep as the
    // iteration, not only through the kept plies.
    static constexpr int kPvTextSize = (kMaxIterations + 2) * CMoveGen::kCoordTextSize;

    // Builds and scores the root list on a copy of root, which must hold its
    // legal list; the game may change or vanish while the search runs.
    CSearch(const CMoveGen& root, CMessagePump* pump);
    ~CSearch();
    CSearch(const CSearch&) = delete;
    CSearch& operator=(const CSearch&) = delete;

    void Reset();
    // What limits the search from now on; the control outlives the search
    // and may be told to stop while it runs. Without one it has no limit.
    void SetLimit(CSearchControl& control);
    // One iteration at depth m_depth on the search's own root position.
    void Iterate();
    int16_t BestMoveIndex() const;
    bool IsAborted() const { return m_abort; }
    // Frees the tree: its pages go back to the system at once.
    void Release();
    bool CheckTime();
    void PrintInfo();

    // The position searched: the search's own copy of the root.
    const CMoveGen& Root() const { return m_rootPos; }
    CNodeList* RootList() const { return m_root; }
    int Depth() const { return m_depth; }
    int LastDone() const { return m_lastDone; }
    // Nodes this search made (list children plus exchange moves), its root
    // list's included.
    int64_t Nodes() const { return m_nodes; }
    // Bytes the tree holds from the system.
    std::size_t HeldBytes() const { return m_pool.HeldBytes(); }
    // Root record of a completed iteration, or null.
    const CSearchResult* Result(int depth) const;
    // Where information lines go; null writes none.
    void SetInfoStream(std::FILE* stream) { m_infoStream = stream; }
    // Principal variation: root list, its best node, that node's subtree, ...;
    // writes the texts separated by blanks, as many as fit, and returns the count.
    int PrincipalVariation(char* out, int size) const;
    // One information line: running number, score in hundredths of a pawn,
    // time in hundredths of a second, all nodes so far, the variation.
    static std::string InfoLine(int count, int score, int seconds, int64_t nodes, const char* pv);

private:
    int SearchNode(const CMoveGen& pos, CNodeList** slot, CSearchResult* result, int depth, int alpha, int beta);
    CNodeList* MakeList(const CMoveGen& pos);

    CMoveGen m_rootPos;
    // Where the tree lives; it goes with the search.
    CBlockPool m_pool;
    CNodeList* m_root = nullptr;
    CClock m_clock;
    CSearchControl m_unlimited;
    CSearchControl* m_control = &m_unlimited;
    int64_t m_nodes = 0;
    int m_infoSecond = -1;
    int m_infoCount = 1;
    CMessagePump* m_pump;
    CSearchResult* m_results[kMaxIterations] = {};
    int m_depth = 0;
    int m_lastDone = -1;
    bool m_abort = false;
    std::FILE* m_infoStream = stdout;
};
