// The hourglass over a window while it is busy: begins and ends nest, and
// the window keeps it through the system's WM_SETCURSOR.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class CBusyCursor {
public:
    void Begin();
    // An end without a begin does nothing.
    void End();
    bool IsBusy() const { return m_depth > 0; }
    // A WM_SETCURSOR's hit test: true when the hourglass was set, over the
    // client area while busy; otherwise the window's own handling goes on.
    bool OnSetCursor(LPARAM hitTest);

private:
    void Show();

    int m_depth = 0;
};
