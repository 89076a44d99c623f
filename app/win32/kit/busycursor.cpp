#include "app/win32/kit/busycursor.h"

void CBusyCursor::Begin() {
    ++m_depth;
    Show();
}

void CBusyCursor::End() {
    if (m_depth > 0) --m_depth;
    Show();
}

bool CBusyCursor::OnSetCursor(LPARAM hitTest) {
    if (!IsBusy() || LOWORD(hitTest) != HTCLIENT) return false;
    Show();
    return true;
}

void CBusyCursor::Show() {
    SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IsBusy() ? IDC_WAIT : IDC_ARROW)));
}
