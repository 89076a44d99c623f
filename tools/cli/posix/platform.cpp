// The arguments come as the bytes the caller gave, file names included, and
// are passed on unchanged: UTF-8 wherever the system uses it.
#include "tools/cli/platform.h"

#include <cstdio>
#include <vector>

#include "tools/cli/main.h"

namespace cli {

void WriteError(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stderr); }

}  // namespace cli

int main(int argc, char** argv) { return cli::Main(std::vector<std::string>(argv, argv + argc)); }
