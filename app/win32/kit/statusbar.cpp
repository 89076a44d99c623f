#include "app/win32/kit/statusbar.h"

#include <commctrl.h>

#include <string>

#include "app/win32/kit/widetext.h"
#include "app/win32/kit/windowdpi.h"

CStatusBar::~CStatusBar() {
    // The bar goes with its parent; the font is ours.
    if (m_font && IsWindow(m_bar)) SendMessageW(m_bar, WM_SETFONT, 0, FALSE);
    if (m_font) DeleteObject(m_font);
}

bool CStatusBar::Create(HWND parent, int id) {
    m_bar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (!m_bar) return false;
    SetDpi(CWindowDpi::Of(parent));
    return true;
}

void CStatusBar::SetDpi(int dpi) {
    m_dpi = dpi;
    NONCLIENTMETRICSW metrics;
    if (!m_bar || !CWindowDpi::PartFonts(dpi, &metrics)) return;
    HFONT font = CreateFontIndirectW(&metrics.lfStatusFont);
    if (!font) return;
    SendMessageW(m_bar, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (m_font) DeleteObject(m_font);
    m_font = font;
}

int CStatusBar::GripWidth(int dpi) {
    return dpi > 0 ? CWindowDpi::Metric(SM_CXVSCROLL, dpi) : GetSystemMetrics(SM_CXVSCROLL);
}

void CStatusBar::SetShown(bool shown) {
    if (m_bar) ShowWindow(m_bar, shown ? SW_SHOW : SW_HIDE);
}

int CStatusBar::TextWidth(const char* text) const {
    if (!m_bar) return 0;
    const std::wstring wide = CWideText::Wide(text);
    SIZE size = {};
    HDC dc = GetDC(m_bar);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(m_bar, WM_GETFONT, 0, 0)));
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(m_bar, dc);
    return static_cast<int>(size.cx);
}

int CStatusBar::Fit(const std::vector<int>& widths) {
    if (!IsShown()) return 0;
    // The bar places itself at the parent's foot.
    SendMessageW(m_bar, WM_SIZE, 0, 0);
    RECT bar;
    GetClientRect(m_bar, &bar);
    // The control takes right edges: the panes before the one that takes
    // the rest are laid from the left end, those after it from the right.
    size_t rest = 0;
    while (rest < widths.size() && widths[rest] != kRest) ++rest;
    std::vector<int> edges(widths.size());
    int left = 0;
    for (size_t pane = 0; pane < rest; ++pane) edges[pane] = left += widths[pane];
    int right = bar.right;
    for (size_t pane = widths.size(); pane-- > rest + 1;) {
        edges[pane] = right;
        right -= widths[pane];
    }
    if (rest < widths.size()) edges[rest] = right;
    m_panes = static_cast<int>(widths.size());
    SendMessageW(m_bar, SB_SETPARTS, widths.size(), reinterpret_cast<LPARAM>(edges.data()));
    RECT window;
    GetWindowRect(m_bar, &window);
    return static_cast<int>(window.bottom - window.top);
}

void CStatusBar::SetText(int pane, const char* text) {
    if (m_bar)
        SendMessageW(m_bar, SB_SETTEXTW, static_cast<WPARAM>(pane),
                     reinterpret_cast<LPARAM>(CWideText::Wide(text).c_str()));
}

bool CStatusBar::PaneRect(int pane, RECT* screen) const {
    if (!IsShown() || pane < 0 || pane >= m_panes) return false;
    if (!SendMessageW(m_bar, SB_GETRECT, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(screen))) return false;
    if (pane == m_panes - 1) screen->right -= OwnGripWidth();
    MapWindowPoints(m_bar, nullptr, reinterpret_cast<POINT*>(screen), 2);
    return true;
}
