#include "app/win32/win32pumpplatform.h"

void CWin32PumpPlatform::DispatchOne() {
    if (!m_throttle.Look()) return;
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return;
    if (message.message == WM_QUIT) {
        // The program is to end: the outer loop must still see it, after the search.
        PostQuitMessage(static_cast<int>(message.wParam));
        return;
    }
    const HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
    const HCURSOR shown = GetCursor();
    const bool waiting = shown == wait;
    if (waiting) SetCursor(LoadCursor(nullptr, IDC_ARROW));
    if (!m_keys || !m_frame || !TranslateAcceleratorA(m_frame, m_keys, &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    ++m_dispatched;
    if (waiting) SetCursor(wait);
}
