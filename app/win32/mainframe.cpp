#include "app/win32/mainframe.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/core/frame/commandids.h"
#include "app/core/frame/mainframetexts.h"
#include "app/core/document/recentfiles.h"
#include "app/core/frame/shorthelp.h"
#include "app/win32/aboutdlg.h"
#include "app/win32/resourcebitmap.h"
#include "app/win32/keytable.h"
#include "app/win32/menubar.h"
#include "app/win32/notationprint.h"
#include "app/win32/printpreview.h"
#include "app/win32/kit/messagebox.h"
#include "app/win32/resourceids.h"
#include "app/win32/torvodoc.h"
#include "app/win32/torvoview.h"
#include "app/win32/uireport.h"
#include "app/win32/kit/widetext.h"
#include "engine/messagepump.h"

namespace {

constexpr int kToolbarId = 0xE800;    // the framework's own window ids for its bars
constexpr int kStatusBarId = 0xE801;
constexpr int kToolButtonWidth = 16;
constexpr int kToolButtonHeight = 15;
constexpr const char* kToolbarStrip = "toolbar";
constexpr COLORREF kToolbarMask = RGB(192, 192, 192);  // the strip's background
constexpr int kIndicatorMargin = 12;                     // pixels around an indicator's text
// Menu-select flags when the menu closes.
constexpr UINT kMenuClosed = 0xFFFF;
// DragQueryFileW's index that asks for the number of files.
constexpr UINT kAllDroppedFiles = 0xFFFFFFFF;

// The framework's English prompts for the window's system menu.
struct SystemPrompt {
    UINT command;
    const char* text;
};
constexpr SystemPrompt kSystemPrompts[] = {
    {SC_SIZE, "Change the window size"},
    {SC_MOVE, "Change the window position"},
    {SC_MINIMIZE, "Reduce the window to an icon"},
    {SC_MAXIMIZE, "Enlarge the window to full size"},
    {SC_RESTORE, "Restore the window to normal size"},
    {SC_CLOSE, "Close the active window and prompts to save the documents"},
    {SC_TASKLIST, "Activate Task List"},
};

const char* const kIndicatorTexts[CMainFrame::kPaneCount] = {
    "", CMainFrameTexts::kCapsIndicator, CMainFrameTexts::kNumIndicator, CMainFrameTexts::kScrollIndicator};
constexpr int kIndicatorKeys[CMainFrame::kPaneCount] = {0, VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};

bool IsRecentFile(int id) { return id >= cmd::kFileMruFirst && id <= cmd::kFileMruLast; }

}  // namespace

CMainFrame::CMainFrame(HINSTANCE instance, CRecentFiles& recent)
    : m_instance(instance), m_recent(recent), m_doc(std::make_unique<CTorvoDoc>(*this, recent)) {
    m_view = std::make_unique<CTorvoView>(*this);
    m_recent.SetChangeHandler([this] { RefreshRecentFiles(); });
}

CMainFrame::~CMainFrame() {
    m_recent.SetChangeHandler(nullptr);
    if (m_hwnd) DestroyWindow(m_hwnd);
    if (m_toolImages) ImageList_Destroy(m_toolImages);
    if (m_keys) DestroyAcceleratorTable(m_keys);
}

bool CMainFrame::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(TORVO_IDI_PROGRAM));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterWindowClass(windowClass) && CTorvoView::RegisterClass(instance) &&
           CDockingToolbar::RegisterClass(instance);
}

bool CMainFrame::Create() {
    m_keys = CKeyTable::Create();
    HMENU menu = CMenuBar::Create(m_recent);
    if (!CreateHwnd(0, kClassName, CWideText::Wide(CMainFrameTexts::kWindowTitle).c_str(), WS_OVERLAPPEDWINDOW,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, m_instance)) {
        DestroyMenu(menu);
        return false;
    }
    if (!CreateToolbar() || !CreateStatusBar() || !m_view->Create(m_hwnd)) return false;
    SetStatusText(CMainFrameTexts::kIdleText);
    Layout();
    return true;
}

bool CMainFrame::CreateToolbar() {
    m_toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT | CCS_NORESIZE |
                                    CCS_NOPARENTALIGN | CCS_NODIVIDER,
                                0, 0, 0, 0, m_hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kToolbarId)),
                                m_instance, nullptr);
    if (!m_toolbar) return false;
    SendMessageW(m_toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(m_toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(kToolButtonWidth, kToolButtonHeight));
    m_toolImages = ImageList_Create(kToolButtonWidth, kToolButtonHeight, ILC_COLOR24 | ILC_MASK,
                                    CMainFrameTexts::kToolbarPictureCount, 0);
    if (HBITMAP strip = CResourceBitmap::Load(kToolbarStrip)) {
        ImageList_AddMasked(m_toolImages, strip, kToolbarMask);
        DeleteObject(strip);
    }
    SendMessageW(m_toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_toolImages));
    int picture = 0;
    for (int i = 0; i < CMainFrameTexts::kToolbarCount; ++i) {
        const int id = CMainFrameTexts::kToolbar[i];
        TBBUTTON button = {};
        if (id == CMainFrameTexts::kSeparator) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = picture++;
            button.idCommand = id;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
        }
        SendMessageW(m_toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    }
    return m_docking.Attach(m_hwnd, m_toolbar);
}

bool CMainFrame::CreateStatusBar() {
    m_statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                                  0, m_hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)),
                                  m_instance, nullptr);
    return m_statusBar != nullptr;
}

void CMainFrame::Layout() {
    if (!m_hwnd) return;
    RECT client;
    GetClientRect(m_hwnd, &client);
    int bottom = client.bottom;
    if (m_statusBar && IsWindowVisible(m_statusBar)) {
        SendMessageW(m_statusBar, WM_SIZE, 0, 0);
        RECT bar;
        GetWindowRect(m_statusBar, &bar);
        bottom -= bar.bottom - bar.top;
        // The indicators keep their width at the right; the message takes the rest.
        int edges[kPaneCount];
        HDC dc = GetDC(m_statusBar);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(m_statusBar, WM_GETFONT, 0, 0)));
        int right = client.right - GetSystemMetrics(SM_CXVSCROLL);
        for (int pane = kPaneCount - 1; pane > 0; --pane) {
            const std::wstring text = CWideText::Wide(kIndicatorTexts[pane]);
            SIZE size = {};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            edges[pane] = right;
            right -= size.cx + kIndicatorMargin;
        }
        edges[0] = right;
        SelectObject(dc, old);
        ReleaseDC(m_statusBar, dc);
        SendMessageW(m_statusBar, SB_SETPARTS, kPaneCount, reinterpret_cast<LPARAM>(edges));
    }
    const CDockLayout::Rect view = m_docking.Arrange({0, 0, client.right, std::max(bottom, 0)});
    if (m_view->Hwnd()) MoveWindow(m_view->Hwnd(), view.left, view.top, view.right - view.left, view.bottom - view.top, TRUE);
}

LRESULT CMainFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_MENUSELECT:
            OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
            return 0;
        case WM_INITMENUPOPUP:
            OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
            return 0;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_SETFOCUS:
            if (m_view->Hwnd()) SetFocus(m_view->Hwnd());
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            TheMessagePump().SetThinking(CMessagePump::kThinkingOff);
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

void CMainFrame::OnCommand(int id) {
    if (IsRecentFile(id)) {
        OnRecentFile(id - cmd::kFileMruFirst);
        return;
    }
    switch (id) {
        case cmd::kFileNew:
            m_doc->Game().OnNewDocument();
            return;
        case cmd::kFileOpen:
            m_doc->Game().Open();
            return;
        case cmd::kFileSave:
            m_doc->Game().Save();
            return;
        case cmd::kFileSaveAs:
            m_doc->Game().SaveAs();
            return;
        case cmd::kFilePrint:
        case cmd::kFilePrintPreview:
            OnPrintCommand(id);
            return;
        case cmd::kFilePrintSetup:
            m_printer.Setup(m_hwnd);
            return;
        case cmd::kAppExit:
            PostMessageW(m_hwnd, WM_CLOSE, 0, 0);
            return;
        case cmd::kShortHelp:
            OnShortHelp();
            return;
        case cmd::kAppAbout: {
            CAboutDlg dialog(m_hwnd);
            dialog.DoModal();
            return;
        }
        case cmd::kViewToolbar:
            m_docking.SetShown(!m_docking.IsShown());
            Layout();
            return;
        case cmd::kViewStatusBar:
            ToggleBar(m_statusBar);
            return;
    }
    if (CMainFrameTexts::DoesNothing(id)) return;
    m_view->Controller().OnCommand(id);
}

void CMainFrame::OnPrintCommand(int id) {
    m_view->Controller().BeginPrinting();
    if (id == cmd::kFilePrint)
        CNotationPrint::Print(m_hwnd, *m_doc->GetFacade(), m_doc->Title().c_str(), m_printer);
    else
        CPrintPreview::Show(m_hwnd, *m_doc->GetFacade(), m_doc->Title().c_str(), m_printer);
    m_view->Controller().EndPrinting();
}

void CMainFrame::PrintDirect() {
    m_view->Controller().BeginPrinting();
    CNotationPrint::PrintDirect(m_hwnd, *m_doc->GetFacade(), m_doc->Title().c_str(), m_printer);
    m_view->Controller().EndPrinting();
}

void CMainFrame::OnShortHelp() {
    // Through the view, whose paints then leave the text to the box.
    m_view->Controller().SetStatusText(CShortHelp::kStatusText);
    CMessageBox::Show(m_hwnd, CShortHelp::Text(), CShortHelp::kCaption);
}

void CMainFrame::ToggleBar(HWND bar) {
    ShowWindow(bar, IsWindowVisible(bar) ? SW_HIDE : SW_SHOW);
    Layout();
}

void CMainFrame::OnInitMenuPopup(HMENU menu) {
    CheckMenuItem(menu, cmd::kViewToolbar, MF_BYCOMMAND | (m_docking.IsShown() ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, cmd::kViewStatusBar,
                  MF_BYCOMMAND | (IsWindowVisible(m_statusBar) ? MF_CHECKED : MF_UNCHECKED));
}

void CMainFrame::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
    if (flags == kMenuClosed && !menu) {
        SetStatusText(CMainFrameTexts::kIdleText);
        return;
    }
    if (flags & (MF_POPUP | MF_SEPARATOR) || item == 0) {
        SetStatusText("");
        return;
    }
    if (flags & MF_SYSMENU) {
        for (const SystemPrompt& prompt : kSystemPrompts)
            if ((item & 0xFFF0) == prompt.command) {
                SetStatusText(prompt.text);
                return;
            }
        SetStatusText("");
        return;
    }
    const int id = IsRecentFile(static_cast<int>(item)) ? cmd::kFileMruFirst : static_cast<int>(item);
    SetStatusText(CMainFrameTexts::StatusPrompt(id).c_str());
}

LRESULT CMainFrame::OnNotify(const NMHDR& header) {
    if (header.code == TTN_GETDISPINFOW) {
        auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
        m_tooltip = CWideText::Wide(CMainFrameTexts::Tooltip(static_cast<int>(header.idFrom)));
        info.lpszText = &m_tooltip[0];
        return 0;
    }
    if (header.code == TBN_HOTITEMCHANGE && header.hwndFrom == m_toolbar) {
        const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(header);
        if (hot.dwFlags & HICF_LEAVING)
            SetStatusText(CMainFrameTexts::kIdleText);
        else
            SetStatusText(CMainFrameTexts::StatusPrompt(hot.idNew).c_str());
        return 0;
    }
    return 0;
}

void CMainFrame::ShowCaption(const std::string& documentTitle) {
    if (m_hwnd) SetWindowTextW(m_hwnd, CWideText::Wide(CMainFrameTexts::Caption(documentTitle)).c_str());
}

void CMainFrame::SetStatusText(const char* text) {
    if (!m_statusBar) return;
    SendMessageW(m_statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(CWideText::Wide(text).c_str()));
    CUiReport::Status(text);
}

std::string CMainFrame::StatusText() const {
    if (!m_statusBar) return std::string();
    const auto length = LOWORD(SendMessageW(m_statusBar, SB_GETTEXTLENGTHW, 0, 0));
    std::wstring text(length + 1u, L'\0');
    SendMessageW(m_statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(&text[0]));
    return CWideText::Utf8(text.c_str());
}

void CMainFrame::OnIdle() {
    if (!m_statusBar) return;
    for (int pane = 1; pane < kPaneCount; ++pane) {
        const bool on = (GetKeyState(kIndicatorKeys[pane]) & 1) != 0;
        if (on == m_indicators[pane]) continue;
        m_indicators[pane] = on;
        CUiReport::Indicator(kIndicatorTexts[pane], on);
        SendMessageW(m_statusBar, SB_SETTEXTW, static_cast<WPARAM>(pane),
                     reinterpret_cast<LPARAM>(CWideText::Wide(on ? kIndicatorTexts[pane] : "").c_str()));
    }
}

void CMainFrame::DocumentChanged() { m_view->Controller().OnDocumentChanged(); }

CGameFacade* CMainFrame::Facade() { return m_doc->GetFacade(); }

CMessagePump* CMainFrame::Pump() { return m_doc->GetPump(); }

long CMainFrame::GameNumber() { return m_doc->GameNumber(); }

void CMainFrame::CopyGame() { m_doc->Copy(); }

void CMainFrame::PasteGame() { m_doc->Paste(); }

void CMainFrame::RefreshRecentFiles() {
    if (HMENU bar = GetMenu(m_hwnd)) {
        CMenuBar::ShowRecentFiles(bar, m_recent);
        DrawMenuBar(m_hwnd);
    }
}

void CMainFrame::OnRecentFile(int index) { m_doc->Game().OpenRecent(static_cast<size_t>(index)); }

void CMainFrame::OnDropFiles(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, kAllDroppedFiles, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(length + 1u, L'\0');
        DragQueryFileW(drop, i, &name[0], length + 1);
        paths.push_back(CWideText::Utf8(name.c_str()));
    }
    DragFinish(drop);
    SetForegroundWindow(m_hwnd);
    m_doc->Game().OpenDropped(paths);
}

void CMainFrame::OnClose() {
    if (!m_deferredClose.RequestClose(TheMessagePump().Thinking() != 0)) {
        // The search and the handler that started it still run on this
        // window: stop the search, close once they have returned.
        TheMessagePump().SetThinking(CMessagePump::kThinkingOff);
        if (!m_deferredClose.Inside()) {
            m_deferredClose.Clear();
            PostMessageW(m_hwnd, WM_CLOSE, 0, 0);
        }
        return;
    }
    m_deferredClose.Clear();
    DestroyWindow(m_hwnd);
}

void CMainFrame::LeaveThinking() {
    if (!m_deferredClose.LeaveThinking()) return;
    m_deferredClose.Clear();
    PostMessageW(m_hwnd, WM_CLOSE, 0, 0);
}
