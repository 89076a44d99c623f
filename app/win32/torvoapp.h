// The Windows program's application: its start-up steps and message loop.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class CTorvoApp {
public:
    // The whole run; the program's exit code.
    static int Run(HINSTANCE instance, int show);
};
