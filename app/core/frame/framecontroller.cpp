#include "app/core/frame/framecontroller.h"

#include <string>
#include <vector>

#include "app/core/base/commandids.h"
#include "app/core/base/mainframetexts.h"
#include "app/core/document/gamedocument.h"
#include "app/core/frame/framemenu.h"
#include "app/core/frame/shorthelp.h"
#include "app/core/view/viewcontroller.h"
#include "engine/messagepump.h"

namespace {

// The framework's English prompts for the window's system menu.
const char* const kSystemPrompts[] = {
    "Change the window size",
    "Change the window position",
    "Reduce the window to an icon",
    "Enlarge the window to full size",
    "Restore the window to normal size",
    "Close the active window and prompts to save the documents",
    "Activate Task List",
    "",
};

IFramePlatform::Bar BarOf(int id) {
    return id == cmd::kViewToolbar ? IFramePlatform::kToolbar : IFramePlatform::kStatusBar;
}

}  // namespace

const char* const CFrameController::kPaneTexts[kPaneCount] = {
    "", CMainFrameTexts::kCapsIndicator, CMainFrameTexts::kNumIndicator, CMainFrameTexts::kScrollIndicator};

const CFrameController::Route CFrameController::kRoutes[] = {
    {cmd::kFileNew, cmd::kFileNew, &CFrameController::OnNewGame},
    {cmd::kFileOpen, cmd::kFileOpen, &CFrameController::OnOpen},
    {cmd::kFileSave, cmd::kFileSave, &CFrameController::OnSave},
    {cmd::kFileSaveAs, cmd::kFileSaveAs, &CFrameController::OnSaveAs},
    {cmd::kFileMruFirst, cmd::kFileMruLast, &CFrameController::OnRecentFile},
    {cmd::kFilePrint, cmd::kFilePrint, &CFrameController::OnPrint},
    {cmd::kFilePrintPreview, cmd::kFilePrintPreview, &CFrameController::OnPrintPreview},
    {cmd::kFilePrintSetup, cmd::kFilePrintSetup, &CFrameController::OnPrintSetup},
    {cmd::kAppExit, cmd::kAppExit, &CFrameController::OnExit},
    {cmd::kShortHelp, cmd::kShortHelp, &CFrameController::OnShortHelp},
    {cmd::kAppAbout, cmd::kAppAbout, &CFrameController::OnAbout},
    {cmd::kViewToolbar, cmd::kViewToolbar, &CFrameController::OnToggleBar},
    {cmd::kViewStatusBar, cmd::kViewStatusBar, &CFrameController::OnToggleBar},
    {cmd::kEditCut, cmd::kEditCut, &CFrameController::OnDoNothing},
    {cmd::kEditUndo, cmd::kEditUndo, &CFrameController::OnDoNothing},
    {cmd::kNextPane, cmd::kNextPane, &CFrameController::OnDoNothing},
    {cmd::kPrevPane, cmd::kPrevPane, &CFrameController::OnDoNothing},
};
const int CFrameController::kRouteCount = static_cast<int>(sizeof kRoutes / sizeof kRoutes[0]);

CFrameController::CFrameController(IFramePlatform& platform, const CReportFiles& reports, CMessagePump& pump)
    : m_platform(platform), m_reports(reports), m_pump(pump) {}

CFrameController::CFrameController(IFramePlatform& platform)
    : CFrameController(platform, CReportFiles::Program(), TheMessagePump()) {}

void CFrameController::AttachView(CViewController* view) {
    if (m_view) m_view->SetFrame(nullptr);
    m_view = view;
    if (!m_view) return;
    m_view->SetFrame(this);
    m_view->Access().SetSpeechLog(&m_reports);
}

CGameDocument* CFrameController::Document() const { return m_view ? m_view->Document() : nullptr; }

const CFrameController::Route* CFrameController::RouteOf(int id) {
    for (const Route& route : kRoutes)
        if (id >= route.first && id <= route.last) return &route;
    return nullptr;
}

bool CFrameController::DoesNothing(int id) {
    const Route* route = RouteOf(id);
    return route && route->run == &CFrameController::OnDoNothing;
}

bool CFrameController::OnCommand(int id) {
    if (const Route* route = RouteOf(id)) {
        (this->*route->run)(id);
        return true;
    }
    // The view's commands, F2 and F3 among them, are the view's alone.
    return m_view && m_view->OnCommand(id);
}

bool CFrameController::IsChecked(int id) { return CFrameMenu::IsCheckItem(id) && m_platform.BarShown(BarOf(id)); }

void CFrameController::OnNewGame(int) {
    if (CGameDocument* document = Document()) document->OnNewDocument();
}

void CFrameController::OnOpen(int) {
    if (CGameDocument* document = Document()) document->Open();
}

void CFrameController::OnSave(int) {
    if (CGameDocument* document = Document()) document->Save();
}

void CFrameController::OnSaveAs(int) {
    if (CGameDocument* document = Document()) document->SaveAs();
}

void CFrameController::OnRecentFile(int id) {
    if (CGameDocument* document = Document())
        document->OpenRecent(static_cast<size_t>(id - cmd::kFileMruFirst));
}

void CFrameController::OnPrint(int) { m_platform.Print(); }

void CFrameController::OnPrintPreview(int) { m_platform.PrintPreview(); }

void CFrameController::OnPrintSetup(int) { m_platform.PrintSetup(); }

void CFrameController::OnExit(int) { m_platform.CloseWindow(); }

void CFrameController::OnShortHelp(int) {
    // Through the view, whose paints then leave the text to the box.
    if (m_view)
        m_view->SetStatusText(CShortHelp::kStatusText);
    else
        SetStatusText(CShortHelp::kStatusText);
    m_platform.ShowMessage(CShortHelp::Text(), CShortHelp::kCaption);
}

void CFrameController::OnAbout(int) { m_platform.ShowAbout(); }

void CFrameController::OnToggleBar(int id) { m_platform.ShowBar(BarOf(id), !m_platform.BarShown(BarOf(id))); }

void CFrameController::OnDoNothing(int) {}

void CFrameController::LeaveThinking() {
    if (!m_close.LeaveThinking()) return;
    m_close.Clear();
    m_platform.CloseLater();
}

bool CFrameController::OnClose(bool canRefuse) {
    m_reports.CloseRequest();
    if (canRefuse && !m_close.RequestClose(m_pump.Thinking() != CMessagePump::kThinkingOff)) {
        // The search and the handler that started it still run on this
        // window: stop the search, close once they have returned.
        m_pump.SetThinking(CMessagePump::kThinkingOff);
        // A search outside any handler has no scope to carry the close out;
        // with thinking off the pump lets nothing through, so a close asked
        // for now comes after it.
        if (!m_close.Inside()) {
            m_close.Clear();
            m_platform.CloseLater();
        }
        return false;
    }
    m_close.Clear();
    return true;
}

void CFrameController::OnCreated() { SetStatusText(CMainFrameTexts::kIdleText); }

void CFrameController::SetStatusText(const char* text) {
    m_platform.SetPaneText(kMessagePane, text);
    m_reports.Status(text);
}

void CFrameController::OnCommandPointed(int id) { SetStatusText(CMainFrameTexts::StatusPrompt(id).c_str()); }

void CFrameController::OnSystemItemPointed(SystemItem item) { SetStatusText(SystemPrompt(item)); }

void CFrameController::OnPointingEnded() { SetStatusText(CMainFrameTexts::kIdleText); }

const char* CFrameController::SystemPrompt(SystemItem item) {
    return item >= kSystemSize && item <= kSystemOther ? kSystemPrompts[item] : "";
}

void CFrameController::UpdateIndicators() {
    bool changed = false;
    for (int pane = kCapsPane; pane < kPaneCount; ++pane) {
        const bool on = m_locks[pane].IsOn(m_platform.LockKeyOn(pane));
        if (on == m_shown[pane]) continue;
        m_shown[pane] = on;
        m_platform.SetPaneText(pane, on ? kPaneTexts[pane] : "");
        m_reports.Indicator(kPaneTexts[pane], on);
        changed = true;
    }
    if (changed) ReportPanes();
}

void CFrameController::OnLockKey(int pane, bool down) {
    if (pane < kCapsPane || pane >= kPaneCount) return;
    if (down)
        m_locks[pane].OnKeyDown();
    else
        m_locks[pane].OnKeyUp();
    UpdateIndicators();
}

void CFrameController::ReportPanes() {
    if (!m_reports.WantsPanes()) return;
    std::vector<CReportFiles::Pane> panes;
    for (int pane = kCapsPane; pane < kPaneCount; ++pane) {
        CReportFiles::Pane measured{kPaneTexts[pane], {0, 0, 0, 0}, 0};
        if (!m_platform.MeasurePane(pane, &measured)) return;
        panes.push_back(measured);
    }
    m_reports.Panes(panes);
}
