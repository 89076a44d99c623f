// The children of one position, scored once by the exchange search and kept
// in descending score order; owns its nodes and, through them, their subtrees.
// A list and its nodes, in generation order and chained by score, live in one
// block of the search's pool.
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

    CSearchNode* m_head = nullptr;
    CSearchNode* m_best = nullptr;  // best of the latest search of this position

private:
    explicit CNodeList(int16_t count) : m_count(count) {}
    ~CNodeList() = default;
    // The nodes follow the list in its block.
    CSearchNode* Nodes() { return reinterpret_cast<CSearchNode*>(this + 1); }
    static int Units(int count);

    int16_t m_count;
};
