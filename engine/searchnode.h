// One move of a node list: its index in the owner's legal list, its text,
// its static score and the list of the position after it.
#pragma once

#include <cstdint>

#include "rules/movegen.h"

class CNodeList;

struct CSearchNode {
    int16_t m_moveIndex;
    char m_text[CMoveGen::kCoordTextSize];
    int32_t m_score;  // negated exchange value of the position after the move
    CSearchNode* m_next;
    CNodeList* m_subtree;  // owned
};
