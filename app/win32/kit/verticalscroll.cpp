#include "app/win32/kit/verticalscroll.h"

namespace {

int ClientHeight(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return static_cast<int>(client.bottom);
}

}  // namespace

void CVerticalScroll::SetContentHeight(HWND window, int height) {
    const int page = ClientHeight(window);
    m_height = height;
    if (height <= page) m_position = 0;
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = height > page ? height - 1 : 0;
    info.nPage = static_cast<UINT>(height > page ? page : 0);
    info.nPos = m_position;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
    ShowScrollBar(window, SB_VERT, height > page);
}

bool CVerticalScroll::OnScroll(HWND window, int request) {
    const int page = ClientHeight(window);
    int y = m_position;
    switch (request) {
        case SB_LINEUP: y -= m_line; break;
        case SB_LINEDOWN: y += m_line; break;
        case SB_PAGEUP: y -= page; break;
        case SB_PAGEDOWN: y += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info = {};
            info.cbSize = sizeof info;
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(window, SB_VERT, &info);
            y = info.nTrackPos;
            break;
        }
        default: return false;
    }
    return MoveTo(window, y);
}

bool CVerticalScroll::ScrollBy(HWND window, int pixels) { return MoveTo(window, m_position + pixels); }

bool CVerticalScroll::MoveTo(HWND window, int y) {
    const int page = ClientHeight(window);
    const int last = m_height > page ? m_height - page : 0;
    y = y < 0 ? 0 : (y > last ? last : y);
    if (y == m_position) return false;
    m_position = y;
    return true;
}
