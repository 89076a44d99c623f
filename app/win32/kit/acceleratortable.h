// A keyboard table built from key texts as menus show them ("Ctrl+Insert",
// "Shift+F6", "F2"): modifiers Ctrl, Shift and Alt, then a capital letter,
// F1 to F12, Insert, Delete or Back.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <vector>

class CAcceleratorTable {
public:
    struct Binding {
        const char* keys;
        int command;
    };

    // The entry for a key text; false for a text it does not know.
    static bool Parse(const char* keys, WORD command, ACCEL* entry);
    // An entry for each binding it knows, in their order.
    static std::vector<ACCEL> Entries(const std::vector<Binding>& bindings);
    // The table to give TranslateAccelerator; the caller destroys it.
    static HACCEL Create(const std::vector<Binding>& bindings);
};
