#include "engine/blockpool.h"

#include <algorithm>
#include <iterator>

#include "engine/systempages.h"

#if !TORVO_RECYCLE_BLOCKS
#include <sanitizer/asan_interface.h>
#endif

namespace {

static_assert(CBlockPool::kUnit * (CBlockPool::kMaxUnits + 1) <= CBlockPool::kPageBytes,
              "the largest block fits in a page behind its header");

std::size_t g_heldByAllPools = 0;

#if TORVO_RECYCLE_BLOCKS
void Poison(void*, std::size_t) {}
void Unpoison(void*, std::size_t) {}
#else
void Poison(void* memory, std::size_t bytes) { ASAN_POISON_MEMORY_REGION(memory, bytes); }
void Unpoison(void* memory, std::size_t bytes) { ASAN_UNPOISON_MEMORY_REGION(memory, bytes); }
#endif

}  // namespace

void CBlockPool::NewPage() {
    static_assert(sizeof(Page) <= kUnit, "a page's header fits in its first unit");
    Page* page = static_cast<Page*>(CSystemPages::Map(kPageBytes));
    page->previous = m_pages;
    m_pages = page;
    m_next = reinterpret_cast<char*>(page) + kUnit;
    m_end = reinterpret_cast<char*>(page) + kPageBytes;
    m_held += kPageBytes;
    g_heldByAllPools += kPageBytes;
}

void CBlockPool::Retire(void* block, int units) noexcept {
    // Read first: a block given twice is reported as the poisoned read.
    (void)*static_cast<volatile char*>(block);
    Poison(block, kUnit * static_cast<std::size_t>(units));
}

void CBlockPool::Clear() noexcept {
    while (Page* page = m_pages) {
        m_pages = page->previous;
        // The next mapping may reuse the addresses: no poison may stay behind.
        Unpoison(page, kPageBytes);
        CSystemPages::Unmap(page, kPageBytes);
    }
    std::fill(std::begin(m_free), std::end(m_free), nullptr);
    m_next = m_end = nullptr;
    g_heldByAllPools -= m_held;
    m_held = 0;
}

std::size_t CBlockPool::HeldByAllPools() { return g_heldByAllPools; }
