#include "tools/cli/uci.h"

#include <cstdio>

#include "tools/cli/linereader.h"
#include "tools/cli/ucisession.h"

int RunUci(int, char**) {
    cli::CLineReader reader(fileno(stdin));
    cli::CUciSession session(reader);
    return session.Run();
}
