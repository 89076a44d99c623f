// The children of one position, scored once by the exchange search and kept
// in descending score order; owns its nodes and, through them, their subtrees.
// A list and its nodes, in that order, live in one block of the search's
// pool: a deep tree holds millions of them, so a node is kept small.
#pragma once

#include <cstdint>

#include "engine/searchnode.h"

class CBlockPool;
class CMoveGen;

// Nodes made by all searches since the program started (list children plus
// exchange moves). 64 bits: a long session overflows 32.
extern int64_t g_searchNodes;

class CNodeList {
public:
    // How deep the exchange search behind each child looks.
    static constexpr int kExchangeDepth = 4;

    // Builds and scores the list of pos, which holds its legal moves.
    static CNodeList* Make(const CMoveGen& pos, CBlockPool& pool);
    // Frees list and everything below it; null is allowed.
    static void Free(CNodeList* list, CBlockPool& pool) noexcept;

    CNodeList(const CNodeList&) = delete;
    CNodeList& operator=(const CNodeList&) = delete;

    // The nodes in list order, from the highest score; First() == End()
    // for a position without moves.
    CSearchNode* First() const { return const_cast<CSearchNode*>(reinterpret_cast<const CSearchNode*>(this + 1)); }
    CSearchNode* End() const { return First() + m_count; }
    int16_t Count() const { return m_count; }

    CSearchNode* m_best = nullptr;  // best of the latest search of this position

private:
    explicit CNodeList(int16_t count) : m_count(count) {}
    ~CNodeList() = default;
    static int Units(int count);

    int16_t m_count;
};
