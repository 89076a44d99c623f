// The keyboard table of the Windows program, built from the key texts of
// CMainFrameTexts::kKeys ("Ctrl+Insert", "Shift+F6", "F2").
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <vector>

class CKeyTable {
public:
    // One entry for each key text; false for a text it does not know.
    static bool Parse(const char* keys, WORD command, ACCEL* entry);
    // Every entry of the program's table, in its order.
    static std::vector<ACCEL> Entries();
    // The table to give TranslateAccelerator; the caller destroys it.
    static HACCEL Create();
};
