// The accumulator of one ply in one iteration, with the next ply's record.
#pragma once

#include <cstdint>

struct CSearchNode;
class CNodeList;

class CSearchResult {
public:
    CSearchResult() = default;
    // Takes the list's first node as best and its score.
    explicit CSearchResult(const CNodeList* list);
    ~CSearchResult();
    CSearchResult(const CSearchResult&) = delete;
    CSearchResult& operator=(const CSearchResult&) = delete;

    // The record of the next ply, made on first use.
    CSearchResult* NextPly();

    int32_t m_score = 0;
    CSearchResult* m_next = nullptr;  // owned
    CSearchNode* m_best = nullptr;
};
