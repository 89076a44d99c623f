// Memory straight from the system, bypassing the C++ heap: what is handed
// back here leaves the process at once, whatever the heap would keep.
#pragma once

#include <cstddef>

class CSystemPages {
public:
    // Zeroed, readable and writable memory of bytes; throws std::bad_alloc.
    static void* Map(std::size_t bytes);
    // Hands back memory that Map gave, with the same size.
    static void Unmap(void* pages, std::size_t bytes) noexcept;
};
