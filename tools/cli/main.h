// torvo-cli's commands, the same on every platform once the system's entry
// point (posix/platform.cpp, win32/platform.cpp) has its arguments as UTF-8.
#pragma once

#include <string>
#include <vector>

namespace cli {

// Runs the command that args (the program's name first) name; the exit status.
// No exception leaves it.
int Main(const std::vector<std::string>& args);

}  // namespace cli
