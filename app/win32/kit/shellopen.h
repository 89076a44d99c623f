// Opening an address (a web page, a mail address) with the program the
// user's system has for it.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class CShellOpen {
public:
    // False when the system found nothing to open it with.
    static bool Open(HWND owner, const char* address);
};
