// The children of one position, scored once by the exchange search and kept
// in descending score order; owns its nodes and, through them, their subtrees.
// The nodes of a list live in one block, in generation order, chained by score.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/searchnode.h"

class CMoveGen;

class CNodeList {
public:
    // Builds and scores the list of pos, which holds its legal moves.
    explicit CNodeList(const CMoveGen& pos);
    ~CNodeList();
    CNodeList(const CNodeList&) = delete;
    CNodeList& operator=(const CNodeList&) = delete;

    static void* operator new(std::size_t size);
    static void operator delete(void* p) noexcept;

    CSearchNode* m_head = nullptr;
    CSearchNode* m_best = nullptr;  // best of the latest search of this position

private:
    CSearchNode* m_nodes = nullptr;  // the block, m_count nodes
    int16_t m_count = 0;
};
