// The four-byte code of one move.
#pragma once

#include <cstdint>

// Byte 0 from, 1 to, 2 the piece standing on the to-square afterwards (the new
// piece of a promotion), 3 flags: castling rights after the move in bits 0-3,
// 0x10 capture, 0x80 promotion.
struct Move {
    uint8_t from;
    uint8_t to;
    uint8_t piece;
    uint8_t flags;

    constexpr uint32_t Code() const {
        return uint32_t(from) | uint32_t(to) << 8 | uint32_t(piece) << 16 | uint32_t(flags) << 24;
    }
    static constexpr Move FromCode(uint32_t code) {
        return Move{static_cast<uint8_t>(code), static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code >> 16),
                    static_cast<uint8_t>(code >> 24)};
    }
    bool operator==(const Move& o) const { return Code() == o.Code(); }
    bool operator!=(const Move& o) const { return !(*this == o); }
};
static_assert(sizeof(Move) == 4, "a move is four bytes");
