// What a WM_MENUSELECT says the pointer has come to in a menu: a command's
// item, an item of the window's system menu, or nothing since the menu
// closed.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class CMenuSelection {
public:
    enum class Kind { kClosed, kItem, kSystemItem };
    // The id of an item without a command: a submenu's title or a separator.
    static constexpr int kNoCommand = 0;

    struct Pointed {
        Kind kind;
        // The item's command; a system item's (SC_MOVE, ...) without the
        // low bits the system keeps for itself.
        int id;
    };

    static Pointed Decode(WPARAM wParam, LPARAM lParam);
};
