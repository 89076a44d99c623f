// The Windows program's reports for the end-to-end tests (CReportFiles):
// what the status bar shows, the indicators' changes and where the board
// lies on the screen.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class CUiReport {
public:
    static void Status(const char* text);
    static void Indicator(const char* name, bool on);
    // The client area of the view, in screen coordinates.
    static void Canvas(HWND view);
};
