#include "app/wx/mainframe.h"

#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include <vector>

#include "app/core/base/commandids.h"
#include "app/core/base/mainframetexts.h"
#include "app/core/document/recentfiles.h"
#include "app/core/frame/framemenu.h"
#include "app/core/frame/framesize.h"
#include "app/wx/aboutdlg.h"
#include "app/wx/boardcanvas.h"
#include "app/wx/filedroptarget.h"
#include "app/wx/gtkglue.h"
#include "app/wx/messagebox.h"
#include "app/wx/resources.h"
#include "app/wx/statusbar.h"
#include "app/wx/utf8.h"

CMainFrame::CMainFrame(wxDocManager* manager, CRecentFiles& recent)
    : wxDocParentFrame(manager, nullptr, wxID_ANY, U(CMainFrameTexts::kWindowTitle), wxDefaultPosition,
                       wxSize(CFrameSize::kFirstSize.width, CFrameSize::kFirstSize.height)),
      m_recent(recent) {
    SetIcons(CResources::ProgramIcons());
    CreateMenus();
    // Rebuilt once the change's handler has returned: an open menu is not changed under the pointer.
    m_recent.SetChangeHandler([this] { CallAfter([this] { RefreshRecentFiles(); }); });
    // The greyed "Letzte Datei" gets no highlight from the toolkit; its prompt
    // comes when the pointer is on it.
    CGtkGlue::WatchPointing(m_fileMenu, cmd::ToolkitId(cmd::kFileMruFirst),
                            [this] { m_controller.OnCommandPointed(cmd::kFileMruFirst); });
    CreateKeyTable();
    CreateTools();
    m_statusBar = new CStatusBar(this, m_controller);
    SetStatusBar(m_statusBar);
    SetStatusBarPane(CFrameController::kMessagePane);
    m_controller.OnCreated();
    SetSizer(new wxBoxSizer(wxVERTICAL));
    SetDropTarget(new CFileDropTarget(manager));

    // Bound rather than in an event table: the docview's frame binds its own
    // close and exit handlers, and only handlers bound after them come first.
    // Every command goes to the controller, which knows who carries it out.
    Bind(wxEVT_MENU, &CMainFrame::OnCommand, this);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateCheck, this);
    Bind(wxEVT_MENU_HIGHLIGHT, &CMainFrame::OnMenuHighlight, this);
    Bind(wxEVT_LEFT_DOWN, &CMainFrame::OnFrameClick, this);
    Bind(wxEVT_LEFT_DCLICK, &CMainFrame::OnFrameClick, this);
    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
}

CMainFrame::~CMainFrame() { m_recent.SetChangeHandler(nullptr); }

void CMainFrame::CreateMenus() {
    auto* bar = new wxMenuBar;
    for (int m = 0; m < CMainFrameTexts::kMenuCount; ++m) {
        auto* menu = new wxMenu;
        if (m == CFrameMenu::kFileMenu) m_fileMenu = menu;
        for (const MenuEntry& entry : CFrameMenu::Entries(m, m_recent))
            InsertEntry(menu, menu->GetMenuItemCount(), entry);
        bar->Append(menu, U(CMainFrameTexts::kMenus[m].title));
    }
    SetMenuBar(bar);
}

void CMainFrame::InsertEntry(wxMenu* menu, size_t position, const MenuEntry& entry) {
    const int id = cmd::ToolkitId(entry.id);
    switch (entry.kind) {
        case MenuEntry::kSeparator:
            menu->InsertSeparator(position);
            return;
        case MenuEntry::kCheck:
            menu->InsertCheckItem(position, id, U(entry.text), U(entry.prompt));
            return;
        case MenuEntry::kCommand:
        case MenuEntry::kGreyed:
            menu->Insert(position, id, U(entry.text), U(entry.prompt));
            menu->Enable(id, entry.kind == MenuEntry::kCommand);
            return;
    }
}

void CMainFrame::RefreshRecentFiles() {
    if (!m_fileMenu) return;
    for (int id = cmd::kFileMruFirst; id <= cmd::kFileMruLast; ++id)
        if (m_fileMenu->FindItem(cmd::ToolkitId(id))) m_fileMenu->Destroy(cmd::ToolkitId(id));
    size_t position = static_cast<size_t>(CFrameMenu::RecentPosition());
    for (const MenuEntry& entry : CFrameMenu::RecentEntries(m_recent)) InsertEntry(m_fileMenu, position++, entry);
}

void CMainFrame::CreateKeyTable() {
    // Keys named in menu texts work through the menu; this table adds the rest.
    std::vector<wxAcceleratorEntry> entries;
    for (int i = 0; i < CMainFrameTexts::kKeyCount; ++i) {
        wxAcceleratorEntry entry;
        if (!entry.FromString(CMainFrameTexts::kKeys[i].keys)) {
            wxFAIL_MSG(wxString("unknown key text ") + CMainFrameTexts::kKeys[i].keys);
            continue;
        }
        entry.Set(entry.GetFlags(), entry.GetKeyCode(), cmd::ToolkitId(CMainFrameTexts::kKeys[i].id));
        entries.push_back(entry);
    }
    SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(entries.size()), entries.data()));
}

void CMainFrame::CreateTools() {
    m_toolBar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT | wxTB_DOCKABLE);
    m_toolBar->SetToolBitmapSize(wxSize(CFrameMenu::kButtonWidth, CFrameMenu::kButtonHeight));
    for (const ToolButton& button : CFrameMenu::Buttons()) {
        if (button.id == CMainFrameTexts::kSeparator) {
            m_toolBar->AddSeparator();
            continue;
        }
        const int id = cmd::ToolkitId(button.id);
        m_toolBar->AddTool(id, wxEmptyString, CResources::ToolbarPicture(button.picture, button.id),
                           U(button.tooltip), wxITEM_NORMAL);
        m_toolBar->SetToolLongHelp(id, U(button.prompt));
    }
    m_toolBar->Realize();
    CGtkGlue::NameToolsByTips(m_toolBar);
}

void CMainFrame::SetBoardCanvas(CBoardCanvas* canvas) {
    wxSizer* sizer = GetSizer();
    if (m_canvas && sizer) sizer->Detach(m_canvas);
    m_canvas = canvas;
    if (m_canvas && sizer) sizer->Add(m_canvas, 1, wxEXPAND);
    Layout();
}

void CMainFrame::FocusBoard() {
    if (m_canvas) m_canvas->SetFocus();
}

void CMainFrame::SetStatusText(const wxString& text, int number) {
    if (number == CFrameController::kMessagePane)
        m_controller.SetStatusText(text.utf8_string().c_str());
    else
        wxDocParentFrame::SetStatusText(text, number);
}

void CMainFrame::DoGiveHelp(const wxString& text, bool show) {
    // The prompts are the controller's texts, which the items and buttons carry.
    if (show)
        m_controller.SetStatusText(text.utf8_string().c_str());
    else
        m_controller.OnPointingEnded();
}

void CMainFrame::SetPaneText(int pane, const char* text) {
    if (m_statusBar) m_statusBar->SetStatusText(U(text), pane);
}

bool CMainFrame::LockKeyOn(int pane) {
    // Scroll Lock is no modifier the toolkit reads: the keyboard map's indicator tells it.
    if (pane == CFrameController::kScrollPane) return CGtkGlue::ScrollLockOn();
    return wxGetKeyState(pane == CFrameController::kCapsPane ? WXK_CAPITAL : WXK_NUMLOCK);
}

bool CMainFrame::MeasurePane(int pane, CReportFiles::Pane* measured) {
    return m_statusBar && m_statusBar->MeasurePane(pane, measured);
}

bool CMainFrame::BarShown(Bar bar) {
    wxWindow* window = bar == kToolbar ? static_cast<wxWindow*>(m_toolBar) : m_statusBar;
    return window && window->IsShown();
}

void CMainFrame::ShowBar(Bar bar, bool show) {
    wxWindow* window = bar == kToolbar ? static_cast<wxWindow*>(m_toolBar) : m_statusBar;
    if (!window) return;
    window->Show(show);
    SendSizeEvent();
}

void CMainFrame::ShowMessage(const char* text, const char* caption) { CMessageBox::Show(this, U(text), U(caption)); }

void CMainFrame::ShowAbout() {
    CAboutDlg dialog(this);
    dialog.ShowModal();
}

void CMainFrame::Forward(int toolkitId) {
    wxCommandEvent forwarded(wxEVT_MENU, toolkitId);
    forwarded.SetEventObject(this);
    GetDocumentManager()->ProcessEvent(forwarded);
}

void CMainFrame::CloseLater() {
    CallAfter([this] { Close(); });
}

void CMainFrame::OnCommand(wxCommandEvent& event) {
    if (!m_controller.OnCommand(cmd::CommandOf(event.GetId()))) event.Skip();
}

void CMainFrame::OnUpdateCheck(wxUpdateUIEvent& event) {
    const int id = cmd::CommandOf(event.GetId());
    if (CFrameMenu::IsCheckItem(id))
        event.Check(m_controller.IsChecked(id));
    else
        event.Skip();
}

void CMainFrame::OnMenuHighlight(wxMenuEvent& event) {
    // GTK takes the highlight off the item left before it puts it on the
    // next one: no item is pointed at in between, and the prompt stays.
    if (event.GetMenuId() != wxID_NONE) m_controller.OnCommandPointed(cmd::CommandOf(event.GetMenuId()));
}

void CMainFrame::OnFrameClick(wxMouseEvent& event) {
    // The view works in its own client coordinates.
    if (m_canvas) m_canvas->Click(event, m_canvas->ScreenToClient(ClientToScreen(event.GetPosition())));
}

void CMainFrame::OnClose(wxCloseEvent& event) {
    if (!m_controller.OnClose(event.CanVeto())) {
        event.Veto();
        return;
    }
    event.Skip();
}
