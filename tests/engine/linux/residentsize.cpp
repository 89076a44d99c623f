#include "residentsize.h"

#include <unistd.h>

#include <fstream>

std::size_t ResidentBytes() {
    // statm: total size, then resident pages.
    std::ifstream statm("/proc/self/statm");
    std::size_t total = 0, resident = 0;
    statm >> total >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}
