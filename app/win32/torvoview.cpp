#include "app/win32/torvoview.h"

#include "app/core/access/boardkeys.h"
#include "app/win32/boardaccessible.h"

#include "app/core/document/gamedocument.h"
#include "app/core/frame/reportfiles.h"
#include "app/win32/gdiboard.h"
#include "app/win32/gdisurface.h"
#include "app/win32/legalmovesdlg.h"
#include "app/win32/kit/messagebox.h"
#include "app/win32/kit/shellopen.h"
#include "app/win32/kit/windowdpi.h"
#include "app/win32/moveentrydlg.h"
#include "app/win32/settingsdlg.h"
#include "app/win32/viewframe.h"

namespace {

// Comes once the message loop runs, and with it the main window.
constexpr UINT kTellMissingPictures = WM_APP + 2;
// The board's accessible object was made while the board had the focus.
constexpr UINT kFocusHeard = WM_APP + 3;

// The system's key as the board's: letters as capitals, the others named.
int BoardKeyOf(WPARAM key) {
    switch (key) {
        case VK_UP: return CBoardKeys::kUp;
        case VK_DOWN: return CBoardKeys::kDown;
        case VK_LEFT: return CBoardKeys::kLeft;
        case VK_RIGHT: return CBoardKeys::kRight;
        case VK_RETURN: return CBoardKeys::kEnter;
        case VK_SPACE: return CBoardKeys::kSpace;
        case VK_ESCAPE: return CBoardKeys::kEscape;
        case VK_F1: return CBoardKeys::kF1;
        case VK_HOME: return CBoardKeys::kHome;
        case VK_END: return CBoardKeys::kEnd;
        default: return key >= 'A' && key <= 'Z' ? static_cast<int>(key) : CBoardKeys::kNoKey;
    }
}

}  // namespace

CTorvoView::CTorvoView(IViewFrame& frame, CGameDocument& document)
    : m_frame(frame), m_missing(CPieceBitmaps::MissingText(m_bitmaps.Load())) {
    if (m_missing.empty()) m_board = std::make_unique<CGdiBoard>(m_bitmaps);
    m_controller.SetDocument(&document);
}

CTorvoView::~CTorvoView() { DropAccessible(); }

bool CTorvoView::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    return RegisterWindowClass(windowClass);
}

bool CTorvoView::Create(HWND parent) {
    CreateHwnd(WS_EX_CLIENTEDGE, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, 0, 0, parent, nullptr,
               reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)));
    if (m_hwnd) ShowScrollBar(m_hwnd, SB_VERT, FALSE);
    if (m_hwnd && !m_missing.empty()) PostMessageW(m_hwnd, kTellMissingPictures, 0, 0);
    return m_hwnd != nullptr;
}

LRESULT CTorvoView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            // The board covers the whole area; only the notation needs the white.
            if (m_controller.ShowsBoard() && m_board) return 1;
            break;
        case WM_SIZE:
            m_controller.Repaint(false);
            break;
        case WM_GETDLGCODE:
            // Arrows, Enter, Escape and the letters are the board's.
            return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            if (OnKeyDown(wParam)) return 0;
            break;
        case WM_SETFOCUS:
            m_controller.Access().OnFocus();
            return 0;
        case WM_GETOBJECT:
            return OnGetObject(wParam, lParam);
        case WM_DESTROY:
            DropAccessible();
            break;
        case WM_LBUTTONDOWN:
            SetFocus(m_hwnd);
            OnClick(wParam, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            return 0;
        case WM_VSCROLL:
            OnVScroll(LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        case kFocusHeard:
            if (GetFocus() == m_hwnd) m_controller.Access().OnFocus();
            return 0;
        case kTellMissingPictures:
            ShowMessage(m_missing.c_str(), CPieceBitmaps::kMissingCaption);
            return 0;
        case WM_SETCURSOR:
            if (m_busy.OnSetCursor(lParam)) return TRUE;
            break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

void CTorvoView::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hwnd, &paint);
    RECT client;
    GetClientRect(m_hwnd, &client);
    {
        CGdiSurface surface(dc, client, m_board.get(), m_scroll.Position(), CWindowDpi::Of(m_hwnd));
        m_controller.Paint(surface);
    }
    EndPaint(m_hwnd, &paint);
    // Tests learn from it where the board lies on the screen.
    POINT origin = {0, 0};
    ClientToScreen(m_hwnd, &origin);
    CReportFiles::Program().Canvas({static_cast<int>(origin.x), static_cast<int>(origin.y),
                                    static_cast<int>(client.right), static_cast<int>(client.bottom)});
}

void CTorvoView::OnClick(WPARAM flags, int x, int y) {
    RECT client;
    GetClientRect(m_hwnd, &client);
    MouseButtons held;
    held.shift = (flags & MK_SHIFT) != 0;
    held.control = (flags & MK_CONTROL) != 0;
    held.middle = (flags & MK_MBUTTON) != 0;
    held.right = (flags & MK_RBUTTON) != 0;
    held.extra1 = (flags & MK_XBUTTON1) != 0;
    held.extra2 = (flags & MK_XBUTTON2) != 0;
    m_controller.OnBoardClick(held, x, y, client.right, client.bottom);
}

// Keys with Ctrl or Alt are the menus'; the rest, when not the board's,
// go on (the notation's scrolling).
bool CTorvoView::OnKeyDown(WPARAM key) {
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    return m_controller.OnBoardKey(BoardKeyOf(key));
}

LRESULT CTorvoView::OnGetObject(WPARAM flags, LPARAM objectId) {
    // The id is a 32-bit value, sign-extended or not.
    if (static_cast<LONG>(static_cast<DWORD>(objectId)) != OBJID_CLIENT)
        return DefWindowProcW(m_hwnd, WM_GETOBJECT, flags, objectId);
    if (!m_accessible) {
        m_accessible = new CBoardAccessible(m_hwnd, m_controller.Access());
        m_controller.Access().SetPlatform(m_accessible);
        // The focus came before the screen reader asked: told again once
        // the object has reached it.
        if (GetFocus() == m_hwnd) PostMessageW(m_hwnd, kFocusHeard, 0, 0);
    }
    // The result holds a reference of its own, which the client takes over.
    return LresultFromObject(__uuidof(IAccessible), flags, static_cast<IAccessible*>(m_accessible));
}

void CTorvoView::DropAccessible() {
    if (!m_accessible) return;
    m_controller.Access().SetPlatform(nullptr);
    m_accessible->Disconnect();
    m_accessible->Release();
    m_accessible = nullptr;
}

void CTorvoView::SetScrolledSize(int, int height) { m_scroll.SetContentHeight(m_hwnd, height); }

void CTorvoView::OnVScroll(int request) {
    if (!m_controller.ShowsBoard() && m_scroll.OnScroll(m_hwnd, request)) InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CTorvoView::OnWheel(int rotation) {
    if (m_controller.ShowsBoard()) return;
    UINT perNotch = CWheelScroll::kLinesPerNotch;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &perNotch, 0);
    if (perNotch == WHEEL_PAGESCROLL) {
        // The user's "one screen a notch".
        RECT client;
        GetClientRect(m_hwnd, &client);
        perNotch = static_cast<UINT>(client.bottom / CViewController::kScrollLine);
    }
    const int lines = m_wheel.Lines(rotation, static_cast<int>(perNotch));
    if (lines != 0 && m_scroll.ScrollBy(m_hwnd, -lines * CViewController::kScrollLine))
        InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CTorvoView::Repaint(bool eraseBackground) {
    if (m_hwnd) InvalidateRect(m_hwnd, nullptr, eraseBackground);
}

void CTorvoView::ShowMessage(const char* text, const char* caption) {
    CMessageBox::Show(m_frame.Hwnd(), text, caption);
}

bool CTorvoView::AskYesNo(const char* text, const char* caption) {
    return CMessageBox::Show(m_frame.Hwnd(), text, caption, MB_YESNO) == IDYES;
}

bool CTorvoView::MessageBoxShowing() { return CMessageBox::Showing(); }

void CTorvoView::WaitCursor(int step) {
    if (step > 0)
        m_busy.Begin();
    else
        m_busy.End();
}

std::string CTorvoView::ChooseLegalMove(CGameFacade* facade) {
    CLegalMovesDlg dialog(m_frame.Hwnd(), facade);
    dialog.DoModal();
    return dialog.Logic().GetMoveText();
}

std::string CTorvoView::TypeMove() {
    CMoveEntryDlg dialog(m_frame.Hwnd());
    dialog.DoModal();
    return dialog.Logic().MoveText();
}

void CTorvoView::EditSettings(CSettingsDlgLogic& settings) {
    CSettingsDlg dialog(m_frame.Hwnd());
    dialog.Logic() = settings;
    dialog.DoModal();
    settings = dialog.Logic();
}

bool CTorvoView::OpenAddress(const char* address) { return CShellOpen::Open(m_frame.Hwnd(), address); }
