// One move of a node list: its index in the owner's legal list, its static
// score and the list of the position after it. Its text is the owner's
// coordinate text of that move.
#pragma once

#include <cstdint>

class CNodeList;

struct CSearchNode {
    CNodeList* m_subtree;  // owned
    int32_t m_score;       // negated exchange value of the position after the move
    int16_t m_moveIndex;
};
