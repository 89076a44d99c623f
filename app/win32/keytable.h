// The keyboard table of the Windows program: CMainFrameTexts::kKeys in the
// kit's accelerator table.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <vector>

class CKeyTable {
public:
    // Every entry of the program's table, in its order.
    static std::vector<ACCEL> Entries();
    // The table to give TranslateAccelerator; the caller destroys it.
    static HACCEL Create();
};
