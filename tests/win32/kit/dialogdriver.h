// Drives a dialog through the messages the user's clicks and keys would
// send, so that the dialogs can be tried without a display.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace dialogdriver {

inline void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// A key as the dialog's own message loop would see it, aimed at the control.
inline void PressKey(HWND dialog, HWND control, WPARAM key) {
    MSG message = {};
    message.hwnd = control;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    IsDialogMessageW(dialog, &message);
}

// The dialog posts itself the cancel command on WM_CLOSE: handled here too.
inline void CloseBox(HWND dialog) {
    SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

inline std::wstring Text(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

inline std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

// The ways out of a dialog other than its OK button.
enum class Exit { kCancelButton, kEscape, kCloseBox, kEnter };

inline const char* Name(Exit exit) {
    switch (exit) {
        case Exit::kCancelButton: return "Abbrechen";
        case Exit::kEscape: return "Escape";
        case Exit::kCloseBox: return "close box";
        case Exit::kEnter: return "Enter";
    }
    return "";
}

// keyTarget: the control that has the focus when a key is pressed.
inline void Leave(HWND dialog, Exit exit, int cancelId, HWND keyTarget) {
    switch (exit) {
        case Exit::kCancelButton: Click(dialog, cancelId); break;
        case Exit::kEscape: PressKey(dialog, keyTarget, VK_ESCAPE); break;
        case Exit::kCloseBox: CloseBox(dialog); break;
        case Exit::kEnter: PressKey(dialog, keyTarget, VK_RETURN); break;
    }
}

// DoModal with drive run on the dialog once the modal loop shows it; a
// thread timer is the only way in from outside. A dialog that drive leaves
// open is ended with kTimedOut, so that a fault fails instead of hanging.
constexpr INT_PTR kTimedOut = -2;

struct ModalRun {
    std::function<void(HWND)> drive;
    int ticksLeft = 0;
};

inline ModalRun& PendingRun() {
    static ModalRun run;
    return run;
}

inline BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

inline void CALLBACK DriveOnTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;
    ModalRun& run = PendingRun();
    if (run.drive) {
        std::function<void(HWND)> drive;
        drive.swap(run.drive);
        drive(dialog);
    } else if (--run.ticksLeft <= 0) {
        EndDialog(dialog, kTimedOut);
    }
}

template <typename Dialog>
INT_PTR RunModal(Dialog& dialog, std::function<void(HWND)> drive) {
    constexpr UINT kTickMs = 10;
    constexpr int kTicksToClose = 300;
    PendingRun() = {std::move(drive), kTicksToClose};
    const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, DriveOnTimer);
    const INT_PTR result = dialog.DoModal();
    KillTimer(nullptr, timer);
    PendingRun() = {};
    return result;
}

}  // namespace dialogdriver
