// A free list of fixed-size blocks for one class's operator new and delete.
// The search builds and frees node lists at every deep visit; recycling them
// keeps the allocator out of that loop. Under AddressSanitizer blocks go back
// to the heap, so that a use after free is still caught.
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

template <std::size_t kSize>
class CFreeList {
public:
    static void* Take() {
#if TORVO_RECYCLE_BLOCKS
        if (s_head) {
            Block* block = s_head;
            s_head = block->next;
            return block;
        }
#endif
        return ::operator new(kBlockSize);
    }

    static void Give(void* p) noexcept {
        if (!p) return;
#if TORVO_RECYCLE_BLOCKS
        Block* block = static_cast<Block*>(p);
        block->next = s_head;
        s_head = block;
#else
        ::operator delete(p);
#endif
    }

private:
    struct Block {
        Block* next;
    };
    static constexpr std::size_t kBlockSize = kSize < sizeof(Block) ? sizeof(Block) : kSize;
    // Single-threaded by design: everything runs on the one user-interface thread.
    static inline Block* s_head = nullptr;
};
