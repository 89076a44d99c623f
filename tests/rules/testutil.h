// Small helpers shared by the rules tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/movegen.h"

namespace testutil {

// A position with its legal list, from a FEN text or the initial position.
inline CMoveGen Legal(const char* fen = nullptr) {
    CMoveGen g;
    if (fen) {
        const std::string error = g.SetupFen(fen);
        EXPECT_EQ(error, "") << fen;
    } else {
        g.SetupInitial();
    }
    g.Generate();
    g.FilterLegal();
    return g;
}

inline std::vector<std::string> CoordTexts(const CMoveGen& g) {
    std::vector<std::string> texts;
    char text[CMoveGen::kCoordTextSize];
    for (int16_t i = 0; i < g.m_count; ++i) texts.push_back(g.CoordText(i, text));
    return texts;
}

inline int16_t IndexOf(const CMoveGen& g, const std::string& coord) {
    char text[CMoveGen::kCoordTextSize];
    for (int16_t i = 0; i < g.m_count; ++i)
        if (coord == g.CoordText(i, text)) return i;
    return -1;
}

// Plays coordinate texts from g; fails the test when one is not legal.
inline CMoveGen Play(CMoveGen g, const std::vector<std::string>& moves) {
    for (const std::string& m : moves) {
        const int16_t index = IndexOf(g, m);
        EXPECT_GE(index, 0) << m << " is not legal";
        if (index < 0) break;
        CMoveGen child;
        child.MakeChild(g, index);
        g = child;
    }
    return g;
}

}  // namespace testutil
