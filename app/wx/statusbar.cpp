#include "app/wx/statusbar.h"

#include <wx/utils.h>

#include <vector>

#include "app/core/frame/mainframetexts.h"
#include "app/core/frame/reportfiles.h"
#include "app/wx/gtkglue.h"

namespace {

constexpr int kMessageWidth = -1;  // takes what the indicators leave
// Beside an indicator's text, within its pane's border, on either side.
constexpr int kIndicatorPadding = 6;
constexpr int kFirstIndicator = 1;

const char* const kIndicatorTexts[CStatusBar::kPaneCount] = {
    "", CMainFrameTexts::kCapsIndicator, CMainFrameTexts::kNumIndicator, CMainFrameTexts::kScrollIndicator};

}  // namespace

CStatusBar::CStatusBar(wxWindow* parent) : wxStatusBar(parent, wxID_ANY) {
    const int widths[kPaneCount] = {kMessageWidth, 0, 0, 0};
    SetFieldsCount(kPaneCount, widths);
    FitIndicators();
    Bind(wxEVT_IDLE, &CStatusBar::OnIdle, this);
    Bind(wxEVT_SIZE, &CStatusBar::OnSize, this);
}

void CStatusBar::ShowMessage(const wxString& text) {
    SetStatusText(text, 0);
    Log(text);
}

void CStatusBar::Log(const wxString& text) { CReportFiles::Program().Status(text.utf8_string()); }

void CStatusBar::OnScrollLockKey(bool down) {
    if (down)
        m_scrollLock.OnKeyDown();
    else
        m_scrollLock.OnKeyUp();
    UpdateIndicators();
}

void CStatusBar::UpdateIndicators() {
    // Caps and Num Lock are modifiers the toolkit reads; Scroll Lock is not,
    // so its state comes from the keyboard map's indicator.
    const bool on[kPaneCount] = {false, wxGetKeyState(WXK_CAPITAL), wxGetKeyState(WXK_NUMLOCK),
                                 m_scrollLock.IsOn(CGtkGlue::ScrollLockOn())};
    bool changed = false;
    for (int pane = kFirstIndicator; pane < kPaneCount; ++pane) {
        const wxString text = on[pane] ? wxString(kIndicatorTexts[pane]) : wxString();
        if (GetStatusText(pane) == text) continue;
        SetStatusText(text, pane);
        CReportFiles::Program().Indicator(kIndicatorTexts[pane], on[pane]);
        changed = true;
    }
    if (changed) WritePanes();
}

void CStatusBar::FitIndicators() {
    int widths[kPaneCount] = {kMessageWidth};
    for (int pane = kFirstIndicator; pane < kPaneCount; ++pane)
        widths[pane] = GetTextExtent(kIndicatorTexts[pane]).GetWidth() + 2 * (GetBorderX() + kIndicatorPadding);
    if (ShowsSizeGrip()) widths[kPaneCount - 1] += GetSizeGripRect().GetWidth();
    bool same = true;
    for (int pane = kFirstIndicator; pane < kPaneCount; ++pane) same = same && GetStatusWidth(pane) == widths[pane];
    if (same) return;
    SetStatusWidths(kPaneCount, widths);
    WritePanes();
}

void CStatusBar::WritePanes() {
    // Screen places are known once the window is shown.
    if (!CReportFiles::Program().WantsPanes() || !IsShownOnScreen()) return;
    std::vector<CReportFiles::Pane> panes;
    for (int pane = kFirstIndicator; pane < kPaneCount; ++pane) {
        wxRect room;
        if (!GetFieldRect(pane, room)) return;
        // The bar keeps the grip's width of the last pane free of text.
        if (pane == kPaneCount - 1 && ShowsSizeGrip()) room.width -= GetSizeGripRect().GetWidth();
        const wxPoint origin = ClientToScreen(room.GetPosition());
        panes.push_back({kIndicatorTexts[pane],
                         {origin.x, origin.y, room.GetWidth(), room.GetHeight()},
                         GetTextExtent(kIndicatorTexts[pane]).GetWidth()});
    }
    CReportFiles::Program().Panes(panes);
}

void CStatusBar::OnIdle(wxIdleEvent& event) {
    UpdateIndicators();
    event.Skip();
}

void CStatusBar::OnSize(wxSizeEvent& event) {
    // The size grip comes and goes with the window's size (none when maximised).
    FitIndicators();
    WritePanes();
    event.Skip();
}
