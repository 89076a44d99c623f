// Blocks for the node lists of one search, carved from pages of the system.
// A block given back waits for the next take of its size, which keeps the
// allocator out of the loop that builds and frees lists deep in the tree; the
// pages go back to the system whole when the pool is cleared or destroyed, so
// that nothing a search used outlives it.
// Single-threaded by design: everything runs on the one user-interface thread.
#pragma once

#include <cstddef>

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

class CBlockPool {
public:
    // Blocks are whole numbers of units, aligned to a unit.
    static constexpr std::size_t kUnit = 32;
    static constexpr int kMaxUnits = 512;
    // Pages are taken from the system this size at a time.
    static constexpr std::size_t kPageBytes = std::size_t(1) << 20;
    // Under AddressSanitizer a block given back is poisoned and never handed
    // out again, so that a use after free is still caught.
    static constexpr bool kRecycles = TORVO_RECYCLE_BLOCKS;

    CBlockPool() = default;
    ~CBlockPool() { Clear(); }
    CBlockPool(const CBlockPool&) = delete;
    CBlockPool& operator=(const CBlockPool&) = delete;

    // A block of units * kUnit bytes, 1 <= units <= kMaxUnits.
    void* Take(int units) {
        if constexpr (kRecycles) {
            if (Block* block = m_free[units]) {
                m_free[units] = block->next;
                return block;
            }
        }
        const std::size_t size = kUnit * static_cast<std::size_t>(units);
        if (size > static_cast<std::size_t>(m_end - m_next)) NewPage();
        void* block = m_next;
        m_next += size;
        return block;
    }

    void Give(void* block, int units) noexcept {
        if constexpr (kRecycles) {
            Block* given = static_cast<Block*>(block);
            given->next = m_free[units];
            m_free[units] = given;
        } else {
            Retire(block, units);
        }
    }

    // Hands every page back to the system: every block taken so far is gone.
    void Clear() noexcept;

    // Bytes of pages held from the system, by this pool and by all pools.
    std::size_t HeldBytes() const { return m_held; }
    static std::size_t HeldByAllPools();

private:
    struct Block {
        Block* next;
    };
    // At the start of each page, in the first unit.
    struct Page {
        Page* previous;
    };

    void NewPage();
    void Retire(void* block, int units) noexcept;

    Block* m_free[kMaxUnits + 1] = {};
    Page* m_pages = nullptr;
    char* m_next = nullptr;  // the untaken rest of the newest page
    char* m_end = nullptr;
    std::size_t m_held = 0;
};
