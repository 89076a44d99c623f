// What the tool does differently on each platform, in a file of its own
// (posix/platform.cpp, win32/platform.cpp): the entry point, which hands
// cli::Main the arguments as UTF-8, and the way messages reach a person.
#pragma once

#include <string>

namespace cli {

// Writes a message of UTF-8 text to standard error, where a person reads it;
// a console shows its letters, anything else gets its bytes.
void WriteError(const std::string& text);

}  // namespace cli
