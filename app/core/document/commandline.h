// The program's command line, as the shell and the user give it: nothing
// (a new game), a file to open, or "/p FILE" / "-p FILE" (print it and end).
#pragma once

#include <string>
#include <vector>

class CCommandLine {
public:
    enum Kind { kNewGame, kOpen, kPrint, kRefused };
    static constexpr const char* kPrintSwitches[] = {"/p", "-p"};

    // The arguments after the program's name, UTF-8.
    static CCommandLine Parse(const std::vector<std::string>& args);

    Kind kind = kNewGame;
    std::string file;
    std::string error;  // why it was refused, for the user
};
