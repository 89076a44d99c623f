// The one window procedure of every window class registered through here:
// the object behind a window is handed in with CreateWindowEx, kept in the
// window's user data from WM_NCCREATE on and let go at WM_NCDESTROY; each
// window in between only writes its HandleMessage.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class CBaseWindow {
public:
    CBaseWindow() = default;
    // A window still there is let go, so that no message reaches the object
    // once it is gone; the window itself stays its owner's to destroy.
    virtual ~CBaseWindow();
    CBaseWindow(const CBaseWindow&) = delete;
    CBaseWindow& operator=(const CBaseWindow&) = delete;

    HWND Hwnd() const { return m_hwnd; }

    // Registers a class whose windows all go through this procedure;
    // lpfnWndProc and cbSize are filled in here. A class registered before
    // counts as registered.
    static bool RegisterWindowClass(WNDCLASSEXW windowClass);
    // The object behind a window of such a class; null for any other window.
    static CBaseWindow* FromHwnd(HWND hwnd);

protected:
    // CreateWindowExW with this object behind the window; the handle is
    // m_hwnd already at the window's first message. Null when it failed.
    HWND CreateHwnd(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, HINSTANCE instance);

    // Every message from WM_NCCREATE to WM_NCDESTROY, both included.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // After WM_NCDESTROY, when nothing reaches the object any more: a window
    // that owns itself deletes itself here.
    virtual void OnFinalMessage() {}

    // The window, from WM_NCCREATE until WM_NCDESTROY has been handled.
    HWND m_hwnd = nullptr;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
