// The process's resident size, as the system counts it, in bytes.
#pragma once

#include <cstddef>

std::size_t ResidentBytes();
