// Games for the notation tests: the document's seven default tags and the
// first half-moves of a Spanish opening.
#pragma once

#include <gtest/gtest.h>

#include "game/gamefacade.h"
#include "notation/gametags.h"

class CTestGame : public CGameFacade {
public:
    static constexpr int kMostHalfMoves = 20;

    explicit CTestGame(int halfMoves) {
        UpdateResultTag()->SetDefaults();
        static const char* const kMoves[kMostHalfMoves] = {
            "e2e4", "e7e5", "g1f3", "b8c6", "f1b5", "a7a6", "b5a4", "g8f6", "e1g1", "f8e7",
            "f1e1", "b7b5", "a4b3", "d7d6", "c2c3", "e8g8", "h2h3", "c6b8", "d2d4", "b8d7",
        };
        for (int i = 0; i < halfMoves && i < kMostHalfMoves; ++i) EXPECT_STREQ(EnterMove(kMoves[i]), "") << kMoves[i];
    }
};
