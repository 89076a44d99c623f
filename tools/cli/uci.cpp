#include "tools/cli/uci.h"

int RunUci(int, char**) { return 1; }
