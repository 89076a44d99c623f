#include "app/win32/kit/basewindow.h"

CBaseWindow::~CBaseWindow() {
    if (m_hwnd) SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
}

bool CBaseWindow::RegisterWindowClass(WNDCLASSEXW windowClass) {
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &CBaseWindow::WindowProc;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

CBaseWindow* CBaseWindow::FromHwnd(HWND hwnd) {
    // Only our procedure keeps an object in the user data; other windows may
    // keep anything there.
    if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&CBaseWindow::WindowProc))
        return nullptr;
    return reinterpret_cast<CBaseWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

HWND CBaseWindow::CreateHwnd(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x,
                             int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance) {
    // The base's own pointer: with more than one base class a derived
    // object's address is not always this one.
    CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menu, instance,
                    static_cast<CBaseWindow*>(this));
    return m_hwnd;
}

LRESULT CALLBACK CBaseWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CBaseWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<CBaseWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            self->m_hwnd = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<CBaseWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    // Before WM_NCCREATE (a top-level window's WM_GETMINMAXINFO) and after
    // the object let go, the system's handling.
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message != WM_NCDESTROY) return self->HandleMessage(message, wParam, lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    self->m_hwnd = nullptr;
    self->OnFinalMessage();
    return result;
}
