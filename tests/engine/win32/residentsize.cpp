#include "residentsize.h"

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

std::size_t ResidentBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return counters.WorkingSetSize;
}
