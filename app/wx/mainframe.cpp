#include "app/wx/mainframe.h"

#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/toolbar.h>

#include "app/wx/aboutdlg.h"
#include "app/wx/boardcanvas.h"
#include "app/core/frame/commandids.h"
#include "app/core/frame/mainframetexts.h"
#include "app/core/document/recentfiles.h"
#include "app/core/frame/shorthelp.h"
#include "app/wx/filedroptarget.h"
#include "app/wx/gtkglue.h"
#include "app/wx/messagebox.h"
#include "app/wx/resources.h"
#include "app/wx/statusbar.h"
#include "app/wx/torvoview.h"
#include "engine/messagepump.h"

namespace {

wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }
wxString U(const std::string& utf8) { return wxString::FromUTF8(utf8.c_str()); }

// Our file commands go to the document manager under the toolkit's own numbers.
struct FrameworkCommand {
    int ours;
    int toolkit;
};
constexpr FrameworkCommand kFrameworkCommands[] = {
    {cmd::kFileNew, wxID_NEW},          {cmd::kFileOpen, wxID_OPEN},
    {cmd::kFileSave, wxID_SAVE},        {cmd::kFileSaveAs, wxID_SAVEAS},
    {cmd::kFilePrint, wxID_PRINT},      {cmd::kFilePrintPreview, wxID_PREVIEW},
    {cmd::kFilePrintSetup, wxID_PRINT_SETUP},
};

constexpr int kInitialWidth = 560;
constexpr int kInitialHeight = 600;

}  // namespace

CMainFrame::CMainFrame(wxDocManager* manager, CRecentFiles& recent)
    : wxDocParentFrame(manager, nullptr, wxID_ANY, U(CMainFrameTexts::kWindowTitle), wxDefaultPosition,
                       wxSize(kInitialWidth, kInitialHeight)),
      m_recent(recent) {
    SetIcons(CResources::ProgramIcons());
    CreateMenus();
    RefreshRecentFiles();
    // Rebuilt once the change's handler has returned: an open menu is not changed under the pointer.
    m_recent.SetChangeHandler([this] { CallAfter([this] { RefreshRecentFiles(); }); });
    // The greyed "Letzte Datei" gets no highlight from the toolkit; its prompt
    // comes when the pointer is on it.
    CGtkGlue::WatchPointing(m_fileMenu, cmd::ToolkitId(cmd::kFileMruFirst), [this] {
        DoGiveHelp(U(CMainFrameTexts::StatusPrompt(cmd::kFileMruFirst)), true);
    });
    CreateKeyTable();
    CreateTools();
    m_statusBar = new CStatusBar(this);
    SetStatusBar(m_statusBar);
    SetStatusBarPane(0);
    m_statusBar->ShowMessage(U(CMainFrameTexts::kIdleText));
    SetSizer(new wxBoxSizer(wxVERTICAL));
    SetDropTarget(new CFileDropTarget(manager));

    for (const FrameworkCommand& command : kFrameworkCommands)
        Bind(wxEVT_MENU, &CMainFrame::OnFrameworkCommand, this, cmd::ToolkitId(command.ours));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, cmd::ToolkitId(cmd::kAppExit));
    Bind(wxEVT_MENU, &CMainFrame::OnShortHelp, this, cmd::ToolkitId(cmd::kShortHelp));
    Bind(wxEVT_MENU, &CMainFrame::OnAbout, this, cmd::ToolkitId(cmd::kAppAbout));
    Bind(wxEVT_MENU, &CMainFrame::OnLegalMoves, this, cmd::ToolkitId(cmd::kLegalMoves));
    // The view's F2 handler comes first; this one only keeps the item alive.
    Bind(wxEVT_MENU, &CMainFrame::OnDoNothing, this, cmd::ToolkitId(cmd::kEnterMove));
    for (int id : {cmd::kEditCut, cmd::kEditUndo, cmd::kNextPane, cmd::kPrevPane})
        Bind(wxEVT_MENU, &CMainFrame::OnDoNothing, this, cmd::ToolkitId(id));
    Bind(wxEVT_MENU, &CMainFrame::OnToggleToolbar, this, cmd::ToolkitId(cmd::kViewToolbar));
    Bind(wxEVT_MENU, &CMainFrame::OnToggleStatusBar, this, cmd::ToolkitId(cmd::kViewStatusBar));
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateToolbar, this, cmd::ToolkitId(cmd::kViewToolbar));
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateStatusBar, this, cmd::ToolkitId(cmd::kViewStatusBar));
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateRecentFiles, this, cmd::ToolkitId(cmd::kFileMruFirst));
    Bind(wxEVT_MENU_HIGHLIGHT, &CMainFrame::OnMenuHighlight, this);
    Bind(wxEVT_LEFT_DOWN, &CMainFrame::OnFrameClick, this);
    Bind(wxEVT_LEFT_DCLICK, &CMainFrame::OnFrameClick, this);
    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
}

CMainFrame::~CMainFrame() { m_recent.SetChangeHandler(nullptr); }

void CMainFrame::CreateMenus() {
    auto* bar = new wxMenuBar;
    for (int m = 0; m < CMainFrameTexts::kMenuCount; ++m) {
        const Menu& source = CMainFrameTexts::kMenus[m];
        auto* menu = new wxMenu;
        for (int i = 0; i < source.count; ++i) {
            const MenuItem& item = source.items[i];
            const wxString help = U(CMainFrameTexts::StatusPrompt(item.id));
            if (item.id == CMainFrameTexts::kSeparator) {
                menu->AppendSeparator();
            } else if (item.id == cmd::kFileMruFirst) {
                // The recent files take this item's place whenever the menu opens.
                m_fileMenu = menu;
                m_recentPosition = static_cast<size_t>(i);
                menu->Append(cmd::ToolkitId(item.id), U(item.text), help);
            } else if (item.id == cmd::kViewToolbar || item.id == cmd::kViewStatusBar) {
                menu->AppendCheckItem(cmd::ToolkitId(item.id), U(item.text), help);
            } else {
                menu->Append(cmd::ToolkitId(item.id), U(item.text), help);
            }
        }
        bar->Append(menu, U(source.title));
    }
    SetMenuBar(bar);
}

void CMainFrame::RefreshRecentFiles() {
    if (!m_fileMenu) return;
    const int placeholder = cmd::ToolkitId(cmd::kFileMruFirst);
    if (m_fileMenu->FindItem(placeholder)) m_fileMenu->Destroy(placeholder);
    for (int id = wxID_FILE1; id <= wxID_FILE9; ++id)
        if (m_fileMenu->FindItem(id)) m_fileMenu->Destroy(id);
    const size_t count = m_recent.Count();
    if (count == 0) {
        // Greyed by its update handler while the list is empty.
        m_fileMenu->Insert(m_recentPosition, placeholder, U(CMainFrameTexts::kRecentFilesMenuText),
                           U(CMainFrameTexts::StatusPrompt(cmd::kFileMruFirst)));
        return;
    }
    for (size_t i = 0; i < count; ++i)
        m_fileMenu->Insert(m_recentPosition + i, wxID_FILE1 + static_cast<int>(i), U(m_recent.MenuText(i)),
                           U(CMainFrameTexts::StatusPrompt(cmd::kFileMruFirst)));
}

void CMainFrame::CreateKeyTable() {
    // Keys named in menu texts work through the menu; this table adds the rest.
    wxAcceleratorEntry entries[CMainFrameTexts::kKeyCount];
    int count = 0;
    for (int i = 0; i < CMainFrameTexts::kKeyCount; ++i) {
        wxAcceleratorEntry entry;
        if (!entry.FromString(CMainFrameTexts::kKeys[i].keys)) {
            wxFAIL_MSG(wxString("unknown key text ") + CMainFrameTexts::kKeys[i].keys);
            continue;
        }
        entry.Set(entry.GetFlags(), entry.GetKeyCode(), cmd::ToolkitId(CMainFrameTexts::kKeys[i].id));
        entries[count++] = entry;
    }
    SetAcceleratorTable(wxAcceleratorTable(count, entries));
}

void CMainFrame::CreateTools() {
    m_toolBar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT | wxTB_DOCKABLE);
    m_toolBar->SetToolBitmapSize(wxSize(CResources::kToolbarButtonWidth, CResources::kToolbarButtonHeight));
    int picture = 0;
    for (int i = 0; i < CMainFrameTexts::kToolbarCount; ++i) {
        const int id = CMainFrameTexts::kToolbar[i];
        if (id == CMainFrameTexts::kSeparator) {
            m_toolBar->AddSeparator();
            continue;
        }
        m_toolBar->AddTool(cmd::ToolkitId(id), wxEmptyString, CResources::ToolbarPicture(picture++, id),
                           U(CMainFrameTexts::Tooltip(id)), wxITEM_NORMAL);
        m_toolBar->SetToolLongHelp(cmd::ToolkitId(id), U(CMainFrameTexts::StatusPrompt(id)));
    }
    m_toolBar->Realize();
}

void CMainFrame::SetBoardCanvas(CBoardCanvas* canvas) {
    wxSizer* sizer = GetSizer();
    if (m_canvas && sizer) sizer->Detach(m_canvas);
    m_canvas = canvas;
    if (m_canvas && sizer) sizer->Add(m_canvas, 1, wxEXPAND);
    Layout();
}

CTorvoView* CMainFrame::ActiveView() const {
    return wxDynamicCast(GetDocumentManager()->GetCurrentView(), CTorvoView);
}

void CMainFrame::SetStatusText(const wxString& text, int number) {
    if (number == 0 && m_statusBar)
        m_statusBar->ShowMessage(text);
    else
        wxDocParentFrame::SetStatusText(text, number);
}

void CMainFrame::DoGiveHelp(const wxString& text, bool show) {
    if (show) {
        wxDocParentFrame::DoGiveHelp(text, show);
        if (m_statusBar && !text.empty()) m_statusBar->Log(text);
        return;
    }
    // A closed menu or a button left behind: the idle text, not whatever
    // stood there before the prompts.
    m_oldStatusText.clear();
    if (m_statusBar) m_statusBar->ShowMessage(U(CMainFrameTexts::kIdleText));
}

void CMainFrame::OnMenuHighlight(wxMenuEvent& event) {
    const int id = event.GetMenuId();
    if (id >= wxID_FILE1 && id <= wxID_FILE9) {
        DoGiveHelp(U(CMainFrameTexts::StatusPrompt(cmd::kFileMruFirst)), true);
        return;
    }
    event.Skip();
}

void CMainFrame::OnFrameworkCommand(wxCommandEvent& event) {
    for (const FrameworkCommand& command : kFrameworkCommands) {
        if (cmd::ToolkitId(command.ours) != event.GetId()) continue;
        wxCommandEvent forwarded(wxEVT_MENU, command.toolkit);
        forwarded.SetEventObject(this);
        GetDocumentManager()->ProcessEvent(forwarded);
        return;
    }
}

void CMainFrame::OnShortHelp(wxCommandEvent&) {
    // Through the view, whose paints then leave the text to the box.
    if (CTorvoView* view = ActiveView())
        view->Controller().SetStatusText(CShortHelp::kStatusText);
    else
        SetStatusText(U(CShortHelp::kStatusText));
    CMessageBox::Show(this, U(CShortHelp::Text()), U(CShortHelp::kCaption));
}

void CMainFrame::OnAbout(wxCommandEvent&) {
    CAboutDlg dialog(this);
    dialog.ShowModal();
}

void CMainFrame::OnDoNothing(wxCommandEvent&) {}

void CMainFrame::OnLegalMoves(wxCommandEvent&) {
    if (CTorvoView* view = ActiveView()) view->Controller().OnLegalMoves();
}

void CMainFrame::OnToggleToolbar(wxCommandEvent&) {
    m_toolBar->Show(!m_toolBar->IsShown());
    SendSizeEvent();
}

void CMainFrame::OnToggleStatusBar(wxCommandEvent&) {
    m_statusBar->Show(!m_statusBar->IsShown());
    SendSizeEvent();
}

void CMainFrame::OnUpdateToolbar(wxUpdateUIEvent& event) { event.Check(m_toolBar->IsShown()); }

void CMainFrame::OnUpdateStatusBar(wxUpdateUIEvent& event) { event.Check(m_statusBar->IsShown()); }

void CMainFrame::OnUpdateRecentFiles(wxUpdateUIEvent& event) {
    event.Enable(m_recent.Count() > 0);
}

void CMainFrame::OnFrameClick(wxMouseEvent& event) {
    // The view works in its own client coordinates.
    if (m_canvas) m_canvas->Click(event, m_canvas->ScreenToClient(ClientToScreen(event.GetPosition())));
}

void CMainFrame::OnClose(wxCloseEvent& event) {
    if (event.CanVeto() && !m_deferredClose.RequestClose(TheMessagePump().Thinking() != 0)) {
        // The search and the handler that started it still run on this
        // window: stop the search, close once they have returned.
        TheMessagePump().SetThinking(0);
        event.Veto();
        // A search outside any handler has no scope to carry the close out;
        // with thinking off the pump lets nothing through, so this runs afterwards.
        if (!m_deferredClose.Inside()) {
            m_deferredClose.Clear();
            CallAfter([this] { Close(); });
        }
        return;
    }
    m_deferredClose.Clear();
    event.Skip();
}

void CMainFrame::LeaveThinking() {
    if (!m_deferredClose.LeaveThinking()) return;
    m_deferredClose.Clear();
    CallAfter([this] { Close(); });
}
