// Counts the leaves of the legal move tree: the foundation test of the rules.
#pragma once

#include <cstdint>

#include "rules/movegen.h"

// node must hold its legal list. Depth 0 counts the node itself.
uint64_t Perft(const CMoveGen& node, int depth);
