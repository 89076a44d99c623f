// An edit control's text as UTF-8.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

class CEditBox {
public:
    static std::string Text(HWND edit);
    // Emptied as the user would, by selecting all and deleting it, so that
    // undo brings it back.
    static void Clear(HWND edit);
};
