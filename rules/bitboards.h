// Square sets as 64-bit masks, for counting moves without listing them.
#pragma once

#include <cstdint>

#include "rules/geometry.h"

#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#endif
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace bitboards {

using Mask = uint64_t;

// Bit count by halves, quarters and bytes: the portable build has no
// popcount instruction, and the library call for it costs more than this.
inline int Count(Mask m) {
    m = m - ((m >> 1) & 0x5555555555555555ULL);
    m = (m & 0x3333333333333333ULL) + ((m >> 2) & 0x3333333333333333ULL);
    m = (m + (m >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((m * 0x0101010101010101ULL) >> 56);
}

inline int Lowest(Mask m) {
#if defined(_MSC_VER) && !defined(__clang__)
    unsigned long i;
    _BitScanForward64(&i, m);
    return static_cast<int>(i);
#else
    return __builtin_ctzll(m);
#endif
}

inline int Highest(Mask m) {
#if defined(_MSC_VER) && !defined(__clang__)
    unsigned long i;
    _BitScanReverse64(&i, m);
    return static_cast<int>(i);
#else
    return 63 - __builtin_clzll(m);
#endif
}

struct Tables {
    Mask ray[64][geometry::kDirections];  // squares beyond sq in direction d
    Mask knight[64];
    Mask king[64];
};

// A direction runs towards higher squares when its step is positive.
constexpr bool kRisingDirection[geometry::kDirections] = {true, true, false, false, true, false, true, false};

constexpr Tables MakeTables() {
    Tables t{};
    const geometry::Tables& g = geometry::kTables;
    for (int sq = 0; sq < 64; ++sq) {
        for (int d = 0; d < geometry::kDirections; ++d)
            for (int i = 0; i < g.rayLength[sq][d]; ++i) t.ray[sq][d] |= Mask(1) << g.ray[sq][d][i];
        for (int i = 0; i < g.knightCount[sq]; ++i) t.knight[sq] |= Mask(1) << g.knight[sq][i];
        for (int i = 0; i < g.kingCount[sq]; ++i) t.king[sq] |= Mask(1) << g.king[sq][i];
    }
    return t;
}

inline constexpr Tables kTables = MakeTables();

// The squares a slider on sq reaches in direction d: up to and including the
// first occupied square.
inline Mask RayAttacks(int sq, int d, Mask occupied) {
    const Mask ray = kTables.ray[sq][d];
    const Mask blockers = ray & occupied;
    if (!blockers) return ray;
    const int first = kRisingDirection[d] ? Lowest(blockers) : Highest(blockers);
    return ray & ~kTables.ray[first][d];
}

// Occupied squares and Black's squares of a board of piece codes (0 empty,
// bit 7 Black).
inline void Occupancy(const uint8_t* board, Mask* occupied, Mask* black) {
#if defined(__SSE2__) || defined(_M_X64)
    const __m128i zero = _mm_setzero_si128();
    Mask empty = 0, dark = 0;
    for (int i = 0; i < 4; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(board + 16 * i));
        empty |= Mask(static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, zero)))) << (16 * i);
        dark |= Mask(static_cast<uint16_t>(_mm_movemask_epi8(bytes))) << (16 * i);
    }
    *occupied = ~empty;
    *black = dark;
#else
    Mask occ = 0, dark = 0;
    for (int i = 0; i < 64; ++i) {
        if (board[i]) occ |= Mask(1) << i;
        if (board[i] & 0x80) dark |= Mask(1) << i;
    }
    *occupied = occ;
    *black = dark;
#endif
}

}  // namespace bitboards
