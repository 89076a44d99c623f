#include "rules/perft.h"

uint64_t Perft(const CMoveGen& node, int depth) {
    if (depth <= 0) return 1;
    // The legal list's length is the count one ply down: no need to make those children.
    if (depth == 1) return static_cast<uint64_t>(node.m_count);
    uint64_t total = 0;
    CMoveGen child;
    for (int16_t i = 0; i < node.m_count; ++i) {
        child.MakeChild(node, i);
        total += Perft(child, depth - 1);
    }
    return total;
}
