// Positions the micro-benchmarks share, with their legal lists.
#pragma once

#include "rules/movegen.h"

namespace benchpositions {

// A middlegame with every kind of move: castling both ways, pins, promotions near.
inline const char* const kMiddlegame = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";

// The position of the FEN, or the initial one for null.
inline CMoveGen Legal(const char* fen) {
    CMoveGen g;
    if (fen)
        g.SetupFen(fen);
    else
        g.SetupInitial();
    g.Generate();
    g.FilterLegal();
    return g;
}

}  // namespace benchpositions
