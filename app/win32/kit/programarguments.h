// The program's command line as the C runtime would split it, in UTF-8.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <vector>

class CProgramArguments {
public:
    // The arguments after the program's name.
    static std::vector<std::string> Split(const wchar_t* commandLine);
    // This process's own.
    static std::vector<std::string> Own() { return Split(GetCommandLineW()); }
};
