// Message boxes: the system's own, with the UTF-8 texts made wide; counts
// how many are up, so that a paint can leave alone the status text they
// explain.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class CMessageBox {
public:
    // MB_OK or MB_YESNO; the button pressed (IDOK, IDYES, IDNO).
    static int Show(HWND owner, const char* text, const char* caption, UINT type = MB_OK);
    static bool Showing() { return s_showing > 0; }

private:
    static int s_showing;
};
