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

// Many counts summed with one fold: each mask adds its bit count per byte,
// and the bytes are added up once at the end. A byte holds up to 255, which
// the callers' at most 31 masks of up to 8 bits per byte stay below.
class CountSum {
public:
    void Add(Mask m) {
        m = m - ((m >> 1) & 0x5555555555555555ULL);
        m = (m & 0x3333333333333333ULL) + ((m >> 2) & 0x3333333333333333ULL);
        m_bytes += (m + (m >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    }
    // The total may pass 255: the bytes are widened to 16 bits first.
    int Total() const {
        const Mask pairs = (m_bytes & 0x00FF00FF00FF00FFULL) + ((m_bytes >> 8) & 0x00FF00FF00FF00FFULL);
        return static_cast<int>((pairs * 0x0001000100010001ULL) >> 48);
    }

private:
    Mask m_bytes = 0;
};

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

constexpr Mask Bit(int sq) { return Mask(1) << sq; }

constexpr Mask kFileA = 0x0101010101010101ULL;
constexpr Mask kFileH = kFileA << 7;
constexpr Mask kRank1 = 0xFFULL;
constexpr Mask Rank(int rank) { return kRank1 << (8 * rank); }

struct Tables {
    Mask ray[64][geometry::kDirections];  // squares beyond sq in direction d
    Mask knight[64];
    Mask king[64];
    // The squares a pawn of each colour (0 White, 1 Black) on sq captures on.
    Mask pawnCapture[2][64];
    // The squares strictly between two squares on one line, else none.
    Mask between[64][64];
};

constexpr Tables MakeTables() {
    Tables t{};
    const geometry::Tables& g = geometry::kTables;
    for (int sq = 0; sq < 64; ++sq) {
        for (int d = 0; d < geometry::kDirections; ++d)
            for (int i = 0; i < g.rayLength[sq][d]; ++i) t.ray[sq][d] |= Mask(1) << g.ray[sq][d][i];
        for (int i = 0; i < g.knightCount[sq]; ++i) t.knight[sq] |= Mask(1) << g.knight[sq][i];
        for (int i = 0; i < g.kingCount[sq]; ++i) t.king[sq] |= Mask(1) << g.king[sq][i];
        const int file = sq & 7, rank = sq >> 3;
        for (int side = -1; side <= 1; side += 2) {
            if (file + side < 0 || file + side > 7) continue;
            if (rank < 7) t.pawnCapture[0][sq] |= Mask(1) << (sq + 8 + side);
            if (rank > 0) t.pawnCapture[1][sq] |= Mask(1) << (sq - 8 + side);
        }
        for (int d = 0; d < geometry::kDirections; ++d) {
            Mask passed = 0;
            for (int i = 0; i < g.rayLength[sq][d]; ++i) {
                t.between[sq][g.ray[sq][d][i]] = passed;
                passed |= Mask(1) << g.ray[sq][d][i];
            }
        }
    }
    return t;
}

inline constexpr Tables kTables = MakeTables();

// A direction runs towards higher squares when its step is positive.
constexpr bool kRisingDirection[geometry::kDirections] = {true, true, false, false, true, false, true, false};

// Slider attacks by lines: the occupied squares of one line, multiplied
// onto the top byte, give the six inner squares' occupancy as an index into
// the attacks along the first rank, spread over all ranks and cut back to
// the line. A file is turned onto a diagonal first. The multiplications
// carry nowhere: each square of a line lands on a bit of its own.
constexpr Mask kFileB = kFileA << 1;
constexpr Mask kDiagonalC2H7 = 0x0080402010080400ULL;
constexpr Mask kAllRanks = 0x0101010101010101ULL;

struct LineTables {
    Mask diagonal[64];      // the a1-h8 way through sq, sq itself left out
    Mask antidiagonal[64];  // the h1-a8 way
    Mask rank[64];
    Mask fillUp[8][64];     // first-rank attacks from a file, on every rank
    Mask fileA[8][64];      // attacks along the a-file from a rank
};

// Attacks along eight squares from index from, with the six inner squares'
// occupancy in occupancy (bit 0 the second square): up to and including the
// first occupied square each way.
constexpr uint8_t LineAttacks(int from, int occupancy) {
    const int occupied = occupancy << 1;
    uint8_t attacks = 0;
    for (int i = from + 1; i < 8; ++i) {
        attacks = static_cast<uint8_t>(attacks | (1 << i));
        if (occupied & (1 << i)) break;
    }
    for (int i = from - 1; i >= 0; --i) {
        attacks = static_cast<uint8_t>(attacks | (1 << i));
        if (occupied & (1 << i)) break;
    }
    return attacks;
}

constexpr LineTables MakeLineTables() {
    LineTables t{};
    for (int sq = 0; sq < 64; ++sq) {
        t.diagonal[sq] = kTables.ray[sq][0] | kTables.ray[sq][3];
        t.antidiagonal[sq] = kTables.ray[sq][1] | kTables.ray[sq][2];
        t.rank[sq] = kTables.ray[sq][4] | kTables.ray[sq][5];
    }
    for (int from = 0; from < 8; ++from) {
        for (int occupancy = 0; occupancy < 64; ++occupancy) {
            const uint8_t attacks = LineAttacks(from, occupancy);
            t.fillUp[from][occupancy] = kAllRanks * attacks;
            // The file's index comes reversed: bit 0 is the seventh rank.
            int reversed = 0;
            for (int i = 0; i < 6; ++i)
                if (occupancy & (1 << i)) reversed |= 1 << (5 - i);
            const uint8_t up = LineAttacks(from, reversed);
            for (int rank = 0; rank < 8; ++rank)
                if (up & (1 << rank)) t.fileA[from][occupancy] |= Mask(1) << (8 * rank);
        }
    }
    return t;
}

inline constexpr LineTables kLines = MakeLineTables();

inline Mask LineAttacks(Mask line, int sq, Mask occupied) {
    return line & kLines.fillUp[sq & 7][((line & occupied) * kFileB) >> 58];
}

inline Mask FileAttacks(int sq, Mask occupied) {
    const Mask file = kFileA & (occupied >> (sq & 7));
    return kLines.fileA[sq >> 3][(file * kDiagonalC2H7) >> 58] << (sq & 7);
}

// What a bishop (a rook) on sq reaches: each way up to and including the
// first occupied square.
inline Mask DiagonalAttacks(int sq, Mask occupied) {
    return LineAttacks(kLines.diagonal[sq], sq, occupied) | LineAttacks(kLines.antidiagonal[sq], sq, occupied);
}

inline Mask StraightAttacks(int sq, Mask occupied) {
    return LineAttacks(kLines.rank[sq], sq, occupied) | FileAttacks(sq, occupied);
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

// The pieces of a board of piece codes as square sets, both colours
// together: a kind's set and black, or its complement within occupied, gives
// one side's pieces. The queens are in both slider sets.
struct PieceSets {
    Mask occupied;
    Mask black;
    Mask pawns;
    Mask knights;
    Mask kings;
    Mask diagonal;  // bishops and queens
    Mask straight;  // rooks and queens

    Mask Side(uint8_t colour) const { return colour ? black : occupied & ~black; }
};

// Each kind is one bit of the code and black is bit 7, so a shift that moves
// a kind's bit to bit 7 lets a byte mask read that kind off sixteen squares.
inline PieceSets ReadPieceSets(const uint8_t* board) {
    PieceSets s{};
#if defined(__SSE2__) || defined(_M_X64)
    const __m128i zero = _mm_setzero_si128();
    for (int i = 0; i < 4; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(board + 16 * i));
        const int shift = 16 * i;
        auto read = [&](__m128i v) { return Mask(static_cast<uint16_t>(_mm_movemask_epi8(v))) << shift; };
        s.occupied |= read(_mm_cmpeq_epi8(bytes, zero));
        s.black |= read(bytes);
        s.kings |= read(_mm_slli_epi16(bytes, 7));
        const Mask queens = read(_mm_slli_epi16(bytes, 6));
        s.diagonal |= queens | read(_mm_slli_epi16(bytes, 5));
        s.knights |= read(_mm_slli_epi16(bytes, 4));
        s.straight |= queens | read(_mm_slli_epi16(bytes, 3));
        s.pawns |= read(_mm_slli_epi16(bytes, 2));
    }
    s.occupied = ~s.occupied;
#else
    for (int sq = 0; sq < 64; ++sq) {
        const uint8_t code = board[sq];
        const Mask bit = Mask(1) << sq;
        if (code) s.occupied |= bit;
        if (code & 0x80) s.black |= bit;
        if (code & 1) s.kings |= bit;
        if (code & (2 | 4)) s.diagonal |= bit;
        if (code & 8) s.knights |= bit;
        if (code & (2 | 16)) s.straight |= bit;
        if (code & 32) s.pawns |= bit;
    }
#endif
    return s;
}

// The pieces of the side given by its colour (0 or 0x80) that attack sq.
inline Mask Attackers(const PieceSets& s, int sq, uint8_t colour, Mask occupied) {
    const Mask side = s.Side(colour);
    // A pawn attacks sq from where a pawn of the other colour on sq would capture.
    return side & ((kTables.pawnCapture[colour ? 0 : 1][sq] & s.pawns) | (kTables.knight[sq] & s.knights) |
                   (kTables.king[sq] & s.kings) | (DiagonalAttacks(sq, occupied) & s.diagonal) |
                   (StraightAttacks(sq, occupied) & s.straight));
}

}  // namespace bitboards
