#include "app/wx/statusbar.h"

#include <vector>

#include "app/core/frame/framecontroller.h"
#include "app/core/frame/statuspanes.h"

namespace {

constexpr int kMessageWidth = CStatusPanes::kRest;  // takes what the indicators leave
constexpr int kPaneCount = CFrameController::kPaneCount;

}  // namespace

wxBEGIN_EVENT_TABLE(CStatusBar, wxStatusBar)
    EVT_IDLE(CStatusBar::OnIdle)
    EVT_SIZE(CStatusBar::OnSize)
wxEND_EVENT_TABLE()

CStatusBar::CStatusBar(wxWindow* parent, CFrameController& controller)
    : wxStatusBar(parent, wxID_ANY), m_controller(controller) {
    const int widths[kPaneCount] = {kMessageWidth, 0, 0, 0};
    SetFieldsCount(kPaneCount, widths);
    FitIndicators();
}

void CStatusBar::FitIndicators() {
    std::vector<int> texts(kPaneCount, 0);
    for (int pane = CFrameController::kCapsPane; pane < kPaneCount; ++pane)
        texts[pane] = GetTextExtent(CFrameController::kPaneTexts[pane]).GetWidth();
    const std::vector<int> widths =
        CStatusPanes::Widths(texts, 2 * GetBorderX() + CStatusPanes::kIndicatorMargin,
                             ShowsSizeGrip() ? GetSizeGripRect().GetWidth() : 0);
    bool same = true;
    for (int pane = CFrameController::kCapsPane; pane < kPaneCount; ++pane)
        same = same && GetStatusWidth(pane) == widths[pane];
    if (!same) SetStatusWidths(kPaneCount, widths.data());
}

bool CStatusBar::MeasurePane(int pane, CReportFiles::Pane* measured) {
    // Screen places are known once the window is shown.
    wxRect room;
    if (!IsShownOnScreen() || !GetFieldRect(pane, room)) return false;
    // The bar keeps the grip's width of the last pane free of text.
    if (pane == kPaneCount - 1 && ShowsSizeGrip()) room.width -= GetSizeGripRect().GetWidth();
    const wxPoint origin = ClientToScreen(room.GetPosition());
    measured->room = {origin.x, origin.y, room.GetWidth(), room.GetHeight()};
    measured->textWidth = GetTextExtent(wxString::FromUTF8(measured->text.c_str())).GetWidth();
    return true;
}

void CStatusBar::OnIdle(wxIdleEvent& event) {
    m_controller.UpdateIndicators();
    event.Skip();
}

void CStatusBar::OnSize(wxSizeEvent& event) {
    // The size grip comes and goes with the window's size (none when maximised).
    FitIndicators();
    m_controller.ReportPanes();
    event.Skip();
}
