// The files dropped on a window that accepts them (WM_DROPFILES).
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

class CDroppedFiles {
public:
    // Their paths in UTF-8, in the drop's order; the drop is released.
    static std::vector<std::string> Take(HDROP drop);
};
