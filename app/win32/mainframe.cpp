#include "app/win32/mainframe.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/core/document/recentfiles.h"
#include "app/core/base/commandids.h"
#include "app/core/frame/framemenu.h"
#include "app/core/base/mainframetexts.h"
#include "app/core/frame/framesize.h"
#include "app/core/frame/screenscale.h"
#include "app/core/frame/statuspanes.h"
#include "app/win32/aboutdlg.h"
#include "app/win32/resourcebitmap.h"
#include "app/win32/keytable.h"
#include "app/win32/menubar.h"
#include "app/win32/notationprint.h"
#include "app/win32/printpreview.h"
#include "app/win32/kit/droppedfiles.h"
#include "app/win32/kit/menutable.h"
#include "app/win32/kit/messagebox.h"
#include "app/win32/resourceids.h"
#include "app/win32/torvodoc.h"
#include "app/win32/torvoview.h"
#include "app/win32/kit/widetext.h"
#include "app/win32/kit/windowdpi.h"
#include "engine/messagepump.h"

namespace {

constexpr int kToolbarId = 0xE800;    // the framework's own window ids for its bars
constexpr int kStatusBarId = 0xE801;

// The system menu's commands that have a prompt.
struct SystemCommand {
    UINT command;
    CFrameController::SystemItem item;
};
constexpr SystemCommand kSystemCommands[] = {
    {SC_SIZE, CFrameController::kSystemSize},         {SC_MOVE, CFrameController::kSystemMove},
    {SC_MINIMIZE, CFrameController::kSystemMinimize}, {SC_MAXIMIZE, CFrameController::kSystemMaximize},
    {SC_RESTORE, CFrameController::kSystemRestore},   {SC_CLOSE, CFrameController::kSystemClose},
    {SC_TASKLIST, CFrameController::kSystemTaskList},
};

constexpr int kPaneCount = CFrameController::kPaneCount;
constexpr SIZE kToolbarPicture = {CFrameMenu::kButtonWidth, CFrameMenu::kButtonHeight};
constexpr COLORREF kToolbarMask =
    RGB(CFrameMenu::kStripBackground.red, CFrameMenu::kStripBackground.green, CFrameMenu::kStripBackground.blue);
constexpr int kLockKeys[kPaneCount] = {0, VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};

// The notation stands in the view while printing or its preview runs, as the framework's print step does.
class CPrintingScope {
public:
    explicit CPrintingScope(CViewController& view) : m_view(view) { m_view.BeginPrinting(); }
    ~CPrintingScope() { m_view.EndPrinting(); }
    CPrintingScope(const CPrintingScope&) = delete;
    CPrintingScope& operator=(const CPrintingScope&) = delete;

private:
    CViewController& m_view;
};

}  // namespace

CMainFrame::CMainFrame(HINSTANCE instance, CRecentFiles& recent)
    : m_instance(instance), m_recent(recent), m_doc(std::make_unique<CTorvoDoc>(*this, recent)) {
    m_view = std::make_unique<CTorvoView>(*this, m_doc->Game());
    m_controller.AttachView(&m_view->Controller());
    m_recent.SetChangeHandler([this] { RefreshRecentFiles(); });
}

CMainFrame::~CMainFrame() {
    m_recent.SetChangeHandler(nullptr);
    if (m_hwnd) DestroyWindow(m_hwnd);
    m_controller.AttachView(nullptr);
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
    m_dpi = CWindowDpi::Of(m_hwnd);
    if (!CreateToolbar() || !m_statusBar.Create(m_hwnd, kStatusBarId) || !m_view->Create(m_hwnd)) return false;
    m_controller.OnCreated();
    Layout();
    return true;
}

bool CMainFrame::CreateToolbar() {
    std::vector<CImageToolbar::Button> buttons;
    for (const ToolButton& tool : CFrameMenu::Buttons())
        buttons.push_back({tool.id == CMainFrameTexts::kSeparator ? CImageToolbar::kGap : tool.id, tool.picture});
    const bool made = m_toolbar.Create(m_hwnd, kToolbarId, nullptr, kToolbarPicture, CFrameMenu::kPictureCount,
                                       kToolbarMask, buttons);
    if (made) LoadToolbarPictures();
    return made && m_docking.Attach(m_hwnd, m_toolbar.Hwnd());
}

void CMainFrame::LoadToolbarPictures() {
    HBITMAP strip = CResourceBitmap::Load(CFrameMenu::kToolbarStrip);
    m_toolbar.SetPictures(strip, kToolbarPicture, CFrameMenu::kPictureCount, kToolbarMask, m_dpi);
    if (strip) DeleteObject(strip);
}

// The window has come onto a monitor of another scale: the bars take its
// sizes, and the window the place and size the system suggests for it.
void CMainFrame::OnDpiChanged(int dpi, const RECT& suggested) {
    m_dpi = dpi;
    m_statusBar.SetDpi(dpi);
    LoadToolbarPictures();
    m_docking.SetDpi(dpi);
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_view->Hwnd()) InvalidateRect(m_view->Hwnd(), nullptr, TRUE);
}

// The board keeps its smallest area: what the bars, borders and menu take
// now comes on top of it, and the menu bar keeps its one row.
void CMainFrame::OnGetMinMaxInfo(MINMAXINFO* limits) {
    if (!m_view->Hwnd() || IsIconic(m_hwnd)) return;
    RECT window;
    RECT client;
    RECT view;
    GetWindowRect(m_hwnd, &window);
    GetClientRect(m_hwnd, &client);
    GetClientRect(m_view->Hwnd(), &view);
    const int width = static_cast<int>(window.right - window.left);
    const int height = static_cast<int>(window.bottom - window.top);
    int menuRow = width - static_cast<int>(client.right);  // the borders
    HMENU menu = GetMenu(m_hwnd);
    RECT item;
    for (int i = 0, count = menu ? GetMenuItemCount(menu) : 0; i < count; ++i)
        if (GetMenuItemRect(m_hwnd, menu, static_cast<UINT>(i), &item)) menuRow += item.right - item.left;
    const CFrameSize::Size smallest =
        CFrameSize::Smallest({width - static_cast<int>(view.right), height - static_cast<int>(view.bottom)}, m_dpi,
                             menuRow);
    limits->ptMinTrackSize = {smallest.width, smallest.height};
}

void CMainFrame::Layout() {
    if (!m_hwnd) return;
    RECT client;
    GetClientRect(m_hwnd, &client);
    // The indicators keep their width at the right; the message takes the rest.
    std::vector<int> texts(kPaneCount, 0);
    for (int pane = CFrameController::kCapsPane; pane < kPaneCount; ++pane)
        texts[pane] = m_statusBar.TextWidth(CFrameController::kPaneTexts[pane]);
    const int bottom =
        client.bottom -
        m_statusBar.Fit(CStatusPanes::Widths(texts, CScreenScale::Pixels(CStatusPanes::kIndicatorMargin, m_dpi),
                                             m_statusBar.OwnGripWidth()));
    const CDockLayout::Rect view = m_docking.Arrange({0, 0, client.right, std::max(bottom, 0)});
    if (m_view->Hwnd())
        MoveWindow(m_view->Hwnd(), view.left, view.top, view.right - view.left, view.bottom - view.top, TRUE);
    m_controller.ReportPanes();
}

LRESULT CMainFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(CWindowDpi::FromDpiChanged(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_GETMINMAXINFO:
            OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_MENUSELECT:
            OnMenuSelect(CMenuSelection::Decode(wParam, lParam));
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

void CMainFrame::OnCommand(int id) { m_controller.OnCommand(id); }

void CMainFrame::PrintDirect() {
    CPrintingScope printing(m_view->Controller());
    CNotationPrint::PrintDirect(m_hwnd, *m_doc->Game().GetFacade(), m_doc->Game().Title().c_str(), m_printer);
}

void CMainFrame::Print() {
    CPrintingScope printing(m_view->Controller());
    CNotationPrint::Print(m_hwnd, *m_doc->Game().GetFacade(), m_doc->Game().Title().c_str(), m_printer);
}

void CMainFrame::PrintPreview() {
    CPrintingScope printing(m_view->Controller());
    CPrintPreview::Show(m_hwnd, *m_doc->Game().GetFacade(), m_doc->Game().Title().c_str(), m_printer);
}

void CMainFrame::PrintSetup() { m_printer.Setup(m_hwnd); }

void CMainFrame::ShowAbout() {
    CAboutDlg dialog(m_hwnd);
    dialog.DoModal();
}

void CMainFrame::ShowMessage(const char* text, const char* caption) { CMessageBox::Show(m_hwnd, text, caption); }

bool CMainFrame::BarShown(Bar bar) {
    return bar == kToolbar ? m_docking.IsShown() : m_statusBar.IsShown();
}

void CMainFrame::ShowBar(Bar bar, bool show) {
    if (bar == kToolbar)
        m_docking.SetShown(show);
    else
        m_statusBar.SetShown(show);
    Layout();
}

void CMainFrame::CloseWindow() { PostMessageW(m_hwnd, WM_CLOSE, 0, 0); }

void CMainFrame::OnInitMenuPopup(HMENU menu) {
    CMenuTable::SetChecks(menu, &CFrameMenu::IsCheckItem, [this](int id) { return m_controller.IsChecked(id); });
}

void CMainFrame::OnMenuSelect(const CMenuSelection::Pointed& pointed) {
    if (pointed.kind == CMenuSelection::Kind::kClosed) {
        m_controller.OnPointingEnded();
        return;
    }
    if (pointed.kind == CMenuSelection::Kind::kItem) {
        m_controller.OnCommandPointed(pointed.id == CMenuSelection::kNoCommand ? CMainFrameTexts::kSeparator
                                                                               : pointed.id);
        return;
    }
    CFrameController::SystemItem item = CFrameController::kSystemOther;
    for (const SystemCommand& command : kSystemCommands)
        if (static_cast<UINT>(pointed.id) == command.command) item = command.item;
    m_controller.OnSystemItemPointed(item);
}

LRESULT CMainFrame::OnNotify(const NMHDR& header) {
    bool leaving = false;
    int hot = 0;
    if (m_toolbar.OnToolTip(header, &CMainFrameTexts::Tooltip) || !m_toolbar.OnHotItem(header, &leaving, &hot))
        return 0;
    if (leaving)
        m_controller.OnPointingEnded();
    else
        m_controller.OnCommandPointed(hot);
    return 0;
}

void CMainFrame::ShowCaption(const std::string& documentTitle) {
    if (m_hwnd) SetWindowTextW(m_hwnd, CWideText::Wide(CMainFrameTexts::Caption(documentTitle)).c_str());
}

void CMainFrame::SetPaneText(int pane, const char* text) { m_statusBar.SetText(pane, text); }

bool CMainFrame::LockKeyOn(int pane) { return (GetKeyState(kLockKeys[pane]) & 1) != 0; }

bool CMainFrame::MeasurePane(int pane, CReportFiles::Pane* measured) {
    // Screen places are known once the window is shown.
    RECT part;
    if (!IsWindowVisible(m_hwnd) || !m_statusBar.PaneRect(pane, &part)) return false;
    measured->room = {static_cast<int>(part.left), static_cast<int>(part.top),
                      static_cast<int>(part.right - part.left), static_cast<int>(part.bottom - part.top)};
    measured->textWidth = m_statusBar.TextWidth(measured->text.c_str());
    return true;
}

void CMainFrame::DocumentChanged() { m_view->Controller().OnDocumentChanged(); }

void CMainFrame::RefreshRecentFiles() {
    if (HMENU bar = GetMenu(m_hwnd)) {
        CMenuBar::ShowRecentFiles(bar, m_recent);
        DrawMenuBar(m_hwnd);
    }
}

void CMainFrame::OnDropFiles(HDROP drop) {
    const std::vector<std::string> paths = CDroppedFiles::Take(drop);
    SetForegroundWindow(m_hwnd);
    m_doc->Game().OpenDropped(paths);
}

void CMainFrame::OnClose() {
    if (m_controller.OnClose(true)) DestroyWindow(m_hwnd);
}
