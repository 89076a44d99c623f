// torvo-cli replay: a PGN text opened as the program opens a file, written
// back as saving would write it.
#pragma once

#include <string>

// usageError prints its message with the usage and gives the exit status.
int RunReplay(int argc, char** argv, int (*usageError)(const std::string&));
