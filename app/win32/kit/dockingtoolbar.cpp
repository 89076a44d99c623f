#include "app/win32/kit/dockingtoolbar.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "app/core/frame/screenscale.h"
#include "app/win32/kit/windowdpi.h"

namespace {

using Place = CDockLayout::Place;

constexpr UINT_PTR kSubclassId = 1;
// The floating bar's grip: room before its first button to take it by.
constexpr int kGripWidth = 10;
// Room around the buttons, so that a docked bar has an edge to take.
constexpr int kBarMargin = 3;
// The width of each of the grip's two lines.
constexpr int kGripLine = 3;
// (All three at 96 dpi.)
constexpr DWORD kFloatStyle = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
constexpr DWORD kFloatExStyle = WS_EX_TOOLWINDOW;

POINT ScreenPoint(HWND hwnd, LPARAM lParam) {
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(hwnd, &point);
    return point;
}

}  // namespace

bool CDockingToolbar::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFloatClassName;
    return RegisterWindowClass(windowClass);
}

bool CDockingToolbar::Attach(HWND frame, HWND toolbar) {
    m_frame = frame;
    m_toolbar = toolbar;
    m_dpi = CWindowDpi::Of(frame);
    // Commands and notifications go to the frame wherever the bar stands.
    SendMessageW(m_toolbar, TB_SETPARENT, reinterpret_cast<WPARAM>(m_frame), 0);
    return SetWindowSubclass(m_toolbar, &CDockingToolbar::ToolbarProc, kSubclassId,
                             reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void CDockingToolbar::SetDpi(int dpi) {
    m_dpi = dpi;
    if (m_place == Place::kFloating && Float()) {
        RECT floating;
        GetWindowRect(Float(), &floating);
        FitFloat({floating.left + Scaled(kGripWidth) / 2, floating.top + (floating.bottom - floating.top) / 2});
    }
    Relayout();
}

int CDockingToolbar::Scaled(int pixels) const { return CScreenScale::Pixels(pixels, m_dpi); }

void CDockingToolbar::Detach() {
    if (m_toolbar) RemoveWindowSubclass(m_toolbar, &CDockingToolbar::ToolbarProc, kSubclassId);
    m_toolbar = nullptr;
}

CDockLayout::Size CDockingToolbar::ButtonsSize() const {
    const int count = static_cast<int>(SendMessageW(m_toolbar, TB_BUTTONCOUNT, 0, 0));
    RECT all = {0, 0, 0, 0};
    for (int i = 0; i < count; ++i) {
        RECT item;
        if (SendMessageW(m_toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item)))
            UnionRect(&all, &all, &item);
    }
    return {all.right + Scaled(kBarMargin), all.bottom + Scaled(kBarMargin)};
}

void CDockingToolbar::SetVertical(bool vertical) {
    LONG_PTR style = GetWindowLongPtrW(m_toolbar, GWL_STYLE);
    style = vertical ? (style | CCS_VERT) : (style & ~static_cast<LONG_PTR>(CCS_VERT));
    SetWindowLongPtrW(m_toolbar, GWL_STYLE, style);
    // A column is a row broken after every button and separator.
    const int count = static_cast<int>(SendMessageW(m_toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTONINFOW info = {};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_BYINDEX | TBIF_STATE;
        SendMessageW(m_toolbar, TB_GETBUTTONINFOW, i, reinterpret_cast<LPARAM>(&info));
        info.fsState = vertical ? (info.fsState | TBSTATE_WRAP) : (info.fsState & ~TBSTATE_WRAP);
        SendMessageW(m_toolbar, TB_SETBUTTONINFOW, i, reinterpret_cast<LPARAM>(&info));
    }
    InvalidateRect(m_toolbar, nullptr, TRUE);
}

CDockLayout::Rect CDockingToolbar::Arrange(const CDockLayout::Rect& client) {
    m_client = client;
    const CDockLayout::Size size = ButtonsSize();
    const CDockLayout::Arrangement arranged = CDockLayout::Arrange(m_place, m_shown, client, size, size);
    if (m_place != Place::kFloating && m_shown) {
        const CDockLayout::Rect& bar = arranged.bar;
        MoveWindow(m_toolbar, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top, TRUE);
    }
    return arranged.view;
}

bool CDockingToolbar::IsShown() const { return m_shown; }

void CDockingToolbar::SetShown(bool shown) {
    m_shown = shown;
    if (m_place == Place::kFloating)
        ShowWindow(Float(), shown ? SW_SHOWNA : SW_HIDE);
    else
        ShowWindow(m_toolbar, shown ? SW_SHOW : SW_HIDE);
}

void CDockingToolbar::MoveTo(Place place, POINT screen) {
    if (place == Place::kFloating) {
        if (!Float() && !CreateHwnd(kFloatExStyle, kFloatClassName, nullptr, kFloatStyle, 0, 0, 0, 0, m_frame,
                                    nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_frame, GWLP_HINSTANCE))))
            return;
        SetVertical(false);
        SetParent(m_toolbar, Float());
        m_place = Place::kFloating;
        ShowWindow(m_toolbar, SW_SHOW);
        FitFloat(screen);
        ShowWindow(Float(), m_shown ? SW_SHOWNA : SW_HIDE);
    } else {
        if (m_place == Place::kFloating) {
            SetParent(m_toolbar, m_frame);
            ShowWindow(Float(), SW_HIDE);
        }
        SetVertical(CDockLayout::IsVertical(place));
        m_place = place;
        ShowWindow(m_toolbar, m_shown ? SW_SHOW : SW_HIDE);
    }
    Relayout();
}

// The floating window fits the bar, its grip under the pointer.
void CDockingToolbar::FitFloat(POINT grip) {
    const CDockLayout::Size size = ButtonsSize();
    const int gripWidth = Scaled(kGripWidth);
    RECT outer = {0, 0, gripWidth + size.width, size.height};
    CWindowDpi::AdjustRect(&outer, kFloatStyle, false, kFloatExStyle, m_dpi);
    const int left = grip.x - gripWidth / 2 + outer.left;
    const int top = grip.y - size.height / 2 + outer.top;
    SetWindowPos(Float(), nullptr, left, top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    MoveWindow(m_toolbar, gripWidth, 0, size.width, size.height, TRUE);
}

void CDockingToolbar::Relayout() { SendMessageW(m_frame, WM_SIZE, SIZE_RESTORED, 0); }

void CDockingToolbar::BeginDrag(HWND owner, POINT screen) {
    m_dragging = true;
    m_moved = false;
    m_dragStart = screen;
    if (Float()) {
        RECT window;
        GetWindowRect(Float(), &window);
        m_floatOffset = {screen.x - window.left, screen.y - window.top};
    }
    SetCapture(owner);
}

void CDockingToolbar::EndDrag(POINT screen) {
    m_dragging = false;
    ReleaseCapture();
    if (!m_moved) return;
    POINT inFrame = screen;
    ScreenToClient(m_frame, &inFrame);
    const CDockLayout::Size size = ButtonsSize();
    const int thickness = std::min(size.width, size.height);
    const Place place = CDockLayout::DropPlace(inFrame.x, inFrame.y, m_client, thickness);
    // A floating bar has followed the pointer already.
    if (place == Place::kFloating && m_place == Place::kFloating) return;
    if (place != m_place) MoveTo(place, screen);
}

bool CDockingToolbar::OnMouse(HWND hwnd, UINT message, POINT screen, bool onGrip) {
    switch (message) {
        case WM_LBUTTONDOWN:
            if (!onGrip) return false;
            BeginDrag(hwnd, screen);
            return true;
        case WM_MOUSEMOVE:
            if (!m_dragging) return false;
            if (std::abs(screen.x - m_dragStart.x) > GetSystemMetrics(SM_CXDRAG) ||
                std::abs(screen.y - m_dragStart.y) > GetSystemMetrics(SM_CYDRAG))
                m_moved = true;
            if (m_moved && m_place == Place::kFloating)
                SetWindowPos(Float(), nullptr, screen.x - m_floatOffset.x, screen.y - m_floatOffset.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_SIZEALL)));
            return true;
        case WM_LBUTTONUP:
            if (!m_dragging) return false;
            EndDrag(screen);
            return true;
        case WM_LBUTTONDBLCLK:
            if (!onGrip || m_place != Place::kFloating) return false;
            MoveTo(Place::kTop, screen);
            return true;
    }
    return false;
}

// Only the room beside the buttons takes the bar; a click on a button is the button's.
bool CDockingToolbar::OnEmptyPart(POINT screen) const {
    POINT inBar = screen;
    ScreenToClient(m_toolbar, &inBar);
    return SendMessageW(m_toolbar, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&inBar)) < 0;
}

LRESULT CALLBACK CDockingToolbar::ToolbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR self) {
    auto* bar = reinterpret_cast<CDockingToolbar*>(self);
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            if (bar->OnMouse(hwnd, message, ScreenPoint(hwnd, lParam), bar->OnEmptyPart(ScreenPoint(hwnd, lParam))))
                return 0;
            break;
        case WM_CAPTURECHANGED:
            bar->m_dragging = false;
            break;
        case WM_NCDESTROY:
            bar->Detach();
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CDockingToolbar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
            return SendMessageW(m_frame, message, wParam, lParam);
        case WM_MOUSEACTIVATE:
            // Clicking the bar leaves the frame active, as its own bar would.
            return MA_NOACTIVATE;
        // The floating window shows only its grip; the bar covers the rest.
        case WM_LBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            if (OnMouse(Float(), message, ScreenPoint(Float(), lParam), true)) return 0;
            break;
        case WM_CAPTURECHANGED:
            m_dragging = false;
            break;
        case WM_PAINT:
            PaintGrip();
            return 0;
    }
    return DefWindowProcW(Float(), message, wParam, lParam);
}

void CDockingToolbar::PaintGrip() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Float(), &paint);
    RECT client;
    GetClientRect(Float(), &client);
    // Two raised lines, the grip as the system draws it on docking bars.
    const int line = Scaled(kGripLine), middle = Scaled(kGripWidth) / 2, margin = Scaled(kBarMargin);
    for (int x : {middle - line, middle}) {
        RECT edge = {x, client.top + margin, x + line, client.bottom - margin};
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
    }
    EndPaint(Float(), &paint);
}
