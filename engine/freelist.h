// Free lists of blocks for the search's lists and nodes. The search builds
// and frees node lists at every deep visit; recycling the blocks keeps the
// allocator out of that loop. Under AddressSanitizer blocks go back to the
// heap, so that a use after free is still caught.
#pragma once

#include <cstddef>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define TORVO_RECYCLE_BLOCKS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TORVO_RECYCLE_BLOCKS 0
#endif
#endif
#ifndef TORVO_RECYCLE_BLOCKS
#define TORVO_RECYCLE_BLOCKS 1
#endif

// Blocks of kUnit * n bytes for n from 1 to kMaxUnits, one free list per n.
// Single-threaded by design: everything runs on the one user-interface thread.
template <std::size_t kUnit, int kMaxUnits>
class CFreeList {
public:
    static void* Take(int units) {
#if TORVO_RECYCLE_BLOCKS
        if (Block* block = s_heads[units]) {
            s_heads[units] = block->next;
            return block;
        }
#endif
        return ::operator new(Size(units));
    }

    static void Give(void* p, int units) noexcept {
        if (!p) return;
#if TORVO_RECYCLE_BLOCKS
        Block* block = static_cast<Block*>(p);
        block->next = s_heads[units];
        s_heads[units] = block;
#else
        (void)units;
        ::operator delete(p);
#endif
    }

private:
    struct Block {
        Block* next;
    };
    static std::size_t Size(int units) {
        const std::size_t size = kUnit * static_cast<std::size_t>(units);
        return size < sizeof(Block) ? sizeof(Block) : size;
    }
    static inline Block* s_heads[kMaxUnits + 1] = {};
};
