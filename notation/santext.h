// Standard algebraic notation of the move that produced a position.
#pragma once

#include "rules/movegen.h"
#include "rules/position.h"

// Writes the SAN text (Nf3, exd6, O-O, e8=Q, R1a3 ...) of the move that led
// from `before` to `after` into `out` (at least 100 characters). `before`
// must hold its legal list, which decides the disambiguation. No check or
// mate sign is written.
void SanText(const CPosition& after, char* out, const CMoveGen& before);
