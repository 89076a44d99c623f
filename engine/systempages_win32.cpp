#include "engine/systempages.h"

#include <windows.h>

#include <new>

void* CSystemPages::Map(std::size_t bytes) {
    void* pages = VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!pages) throw std::bad_alloc();
    return pages;
}

void CSystemPages::Unmap(void* pages, std::size_t) noexcept { VirtualFree(pages, 0, MEM_RELEASE); }
