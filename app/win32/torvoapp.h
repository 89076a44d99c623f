// The Windows program's application: the start-up steps in their order,
// the message loop with the keyboard table, and the settings kept at the end.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <vector>

class CTorvoApp {
public:
    // The whole run; the program's exit code.
    static int Run(HINSTANCE instance, int show);
    // The arguments after the program's name, UTF-8.
    static std::vector<std::string> Arguments();
};
