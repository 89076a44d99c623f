#include "tools/cli/uci.h"

#include <unistd.h>

#include "tools/cli/linereader.h"
#include "tools/cli/ucisession.h"

int RunUci(int, char**) {
    cli::CLineReader reader(STDIN_FILENO);
    cli::CUciSession session(reader);
    return session.Run();
}
