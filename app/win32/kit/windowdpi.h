// A window's dots per inch and the system's sizes at that scale. The
// per-monitor calls exist from Windows 10 on; they are looked up when the
// program runs, and where they are missing the screen's one scale
// (GetDeviceCaps' LOGPIXELSY) answers for every window.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class CWindowDpi {
public:
    // The scale of the monitor the window is on, as the window sees it.
    static int Of(HWND window);
    // The scale the system started with: that of every window on systems
    // without per-monitor scales.
    static int System();
    // GetSystemMetrics' size at dpi.
    static int Metric(int index, int dpi);
    // AdjustWindowRectEx with the frame's sizes at dpi.
    static void AdjustRect(RECT* rect, DWORD style, bool menu, DWORD exStyle, int dpi);
    // The system's fonts for window parts (status bars, message boxes) at
    // dpi; false when it has none.
    static bool PartFonts(int dpi, NONCLIENTMETRICSW* metrics);
    // WM_DPICHANGED's new scale, from its wParam.
    static int FromDpiChanged(WPARAM wParam) { return HIWORD(wParam); }
};
