// What the window shows, written to files for the end-to-end tests: every
// status-bar message (TORVO_STATUS_LOG) and the board's screen rectangle
// (TORVO_CANVAS_FILE), as the desktop program on Linux does. Without the
// variables nothing is written.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class CUiReport {
public:
    static constexpr const wchar_t* kStatusLogVariable = L"TORVO_STATUS_LOG";
    static constexpr const wchar_t* kCanvasVariable = L"TORVO_CANVAS_FILE";
    static constexpr const char* kIndicatorPrefix = "indicator";

    static void Status(const char* text);
    static void Indicator(const char* name, bool on);
    // The client area of the view, in screen coordinates.
    static void Canvas(HWND view);
};
