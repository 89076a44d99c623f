// Finds a typed move (SAN, long algebraic or coordinate text) in a legal list.
#pragma once

#include <cstdint>

#include "rules/movegen.h"

// Index of the matching move in gen's legal list (the last one when several
// fit), or -1.
int16_t ParseMove(const CMoveGen& gen, const char* text);
bool IsCoordinateText(const char* text);
int16_t ParseCoordinate(const CMoveGen& gen, const char* text);
int16_t ParseSan(const CMoveGen& gen, const char* text);
