// Precomputed step and ray tables in the generator's fixed direction orders.
#pragma once

#include <cstdint>

namespace geometry {

// Slider directions: 0-3 diagonal (bishop), 4-7 straight (rook), in the
// order the generator walks them; the queen walks all eight.
constexpr int kDirections = 8;
constexpr int kFirstDiagonal = 0, kFirstStraight = 4;
constexpr int8_t kDirFile[kDirections] = {+1, -1, +1, -1, +1, -1, 0, 0};
constexpr int8_t kDirRank[kDirections] = {+1, +1, -1, -1, 0, 0, +1, -1};

constexpr int8_t kKnightFile[8] = {-1, +1, -1, +1, -2, +2, -2, +2};
constexpr int8_t kKnightRank[8] = {+2, +2, -2, -2, +1, +1, -1, -1};
constexpr int8_t kKingFile[8] = {+1, +1, +1, 0, 0, -1, -1, -1};
constexpr int8_t kKingRank[8] = {+1, 0, -1, +1, -1, +1, 0, -1};

struct Tables {
    uint8_t rayLength[64][kDirections];
    uint8_t ray[64][kDirections][7];
    uint8_t knightCount[64];
    uint8_t knight[64][8];
    uint8_t kingCount[64];
    uint8_t king[64][8];
    // Direction from one square to another along a line, or -1.
    int8_t line[64][64];
};

constexpr bool OnBoard(int file, int rank) {
    // Unsigned bytes: a step below 0 wraps to a large value.
    return static_cast<uint8_t>(file) <= 7 && static_cast<uint8_t>(rank) <= 7;
}

constexpr Tables MakeTables() {
    Tables t{};
    for (int sq = 0; sq < 64; ++sq) {
        const int f = sq & 7, r = sq >> 3;
        for (int d = 0; d < kDirections; ++d) {
            int n = 0;
            for (int ff = f + kDirFile[d], rr = r + kDirRank[d]; OnBoard(ff, rr);
                 ff += kDirFile[d], rr += kDirRank[d]) {
                const int to = rr * 8 + ff;
                t.ray[sq][d][n++] = static_cast<uint8_t>(to);
            }
            t.rayLength[sq][d] = static_cast<uint8_t>(n);
        }
        for (int to = 0; to < 64; ++to) t.line[sq][to] = -1;
        for (int d = 0; d < kDirections; ++d)
            for (int i = 0; i < t.rayLength[sq][d]; ++i) t.line[sq][t.ray[sq][d][i]] = static_cast<int8_t>(d);
        int k = 0, g = 0;
        for (int i = 0; i < 8; ++i) {
            if (OnBoard(f + kKnightFile[i], r + kKnightRank[i]))
                t.knight[sq][k++] = static_cast<uint8_t>((r + kKnightRank[i]) * 8 + f + kKnightFile[i]);
            if (OnBoard(f + kKingFile[i], r + kKingRank[i]))
                t.king[sq][g++] = static_cast<uint8_t>((r + kKingRank[i]) * 8 + f + kKingFile[i]);
        }
        t.knightCount[sq] = static_cast<uint8_t>(k);
        t.kingCount[sq] = static_cast<uint8_t>(g);
    }
    return t;
}

inline constexpr Tables kTables = MakeTables();

}  // namespace geometry
